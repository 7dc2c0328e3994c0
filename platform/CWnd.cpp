#include "platform/CWnd.h"

#include "platform/QtPainterBackend.h"

#include <QImage>
#include <QWidget>

CWnd::CWnd() = default;
CWnd::~CWnd() = default;

BOOL CWnd::Attach(HWND w)
{
    if (m_hWnd || !w)
        return FALSE;
    m_hWnd = w;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND w = m_hWnd;
    m_hWnd = nullptr;
    return w;
}

void CWnd::GetClientRect(LPRECT rect) const
{
    if (!rect)
        return;
    *rect = m_hWnd ? CRect(0, 0, m_hWnd->width(), m_hWnd->height()) : CRect();
}

QImage* CWnd::surface()
{
    const int w = m_hWnd ? std::max(1, m_hWnd->width()) : 1;
    const int h = m_hWnd ? std::max(1, m_hWnd->height()) : 1;
    if (!m_surface || m_surface->width() != w || m_surface->height() != h) {
        m_surface = std::make_shared<QImage>(w, h, QImage::Format_RGB32);
        m_surface->fill(Qt::white);
    }
    return m_surface.get();
}

CDC* CWnd::GetDC() { return new CClientDC(this); }

int CWnd::ReleaseDC(CDC* dc)
{
    if (!dc)
        return 0;
    delete dc;
    return 1;
}

void CWnd::Invalidate(BOOL)
{
    if (m_hWnd)
        m_hWnd->update();
}

void CWnd::UpdateWindow()
{
    if (m_hWnd)
        m_hWnd->repaint();
}

CClientDC::CClientDC(CWnd* wnd)
{
    const int dpiX = wnd && wnd->m_hWnd ? wnd->m_hWnd->logicalDpiX() : 96;
    const int dpiY = wnd && wnd->m_hWnd ? wnd->m_hWnd->logicalDpiY() : 96;
    QImage* img = wnd ? wnd->surface() : nullptr;
    if (img)
        m_painter = std::make_unique<QtPainterBackend>(img, dpiX, dpiY, CSize(img->width(), img->height()));
    m_hDC = m_hAttribDC = this;
    setBackend(m_painter.get());
}

CClientDC::~CClientDC()
{
    setBackend(nullptr);
}
