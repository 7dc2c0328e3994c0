#include "platform/wnd/CPaintDC.h"

#include "platform/wnd/CWnd.h"
#include "platform/gdi/QtPainterBackend.h"

#include <QWidget>

CPaintDC::CPaintDC(CWnd* wnd) : m_pWnd(wnd)
{
    QWidget* w = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (w) {
        m_painter = std::make_unique<QtPainterBackend>(w, w->logicalDpiX(), w->logicalDpiY(),
                                                       CSize(w->width(), w->height()));
    }
    m_hDC = m_hAttribDC = this;
    setBackend(m_painter.get());
}

CPaintDC::~CPaintDC()
{
    if (m_painter)
        m_painter->flush();
    setBackend(nullptr);
}
