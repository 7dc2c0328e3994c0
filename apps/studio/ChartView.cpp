#include "ChartView.h"

#include "platform/wnd/CPaintDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/wnd/MouseCapture.h"

#include <QMouseEvent>

#include <algorithm>

namespace {
constexpr int kMarginPx = 16;
}

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    m_wnd.Attach(this);
    setMouseTracking(true);  // moves without a button reach the tooltip
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ChartView::~ChartView()
{
    if (GetCapture() == this)
        ReleaseCapture();
    m_wnd.Detach();
}

CPoint ChartView::ToLogical(QPoint pos)
{
    CPoint p(pos.x(), pos.y());
    CDC* dc = m_wnd.GetDC();
    ApplyMapping(dc);
    dc->DPtoLP(&p);
    m_wnd.ReleaseDC(dc);
    return p;
}

QPoint ChartView::ToWidget(CPoint p)
{
    CDC* dc = m_wnd.GetDC();
    ApplyMapping(dc);
    dc->LPtoDP(&p);
    m_wnd.ReleaseDC(dc);
    return QPoint(p.x, p.y);
}

void ChartView::FitToDrawing()
{
    CRecordingDC probe(logicalDpiX());
    Draw(&probe);
    const CRect b = probe.DeviceBounds();
    const int w = std::max(b.right, 1) + kMarginPx;
    const int h = std::max(b.bottom, 1) + kMarginPx;
    setMinimumSize(w, h);
    resize(w, h);
}

void ChartView::paintEvent(QPaintEvent*)
{
    CPaintDC dc(&m_wnd);
    CRect client;
    m_wnd.GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    Draw(&dc);
}

void ChartView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    SetCapture(this);
    Press(ToLogical(e->position().toPoint()));
}

void ChartView::mouseMoveEvent(QMouseEvent* e)
{
    const CPoint p = ToLogical(e->position().toPoint());
    if (m_dragging)
        Drag(p);
    Hover(p);
}

void ChartView::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    ReleaseCapture();
    Release(ToLogical(e->position().toPoint()));
}
