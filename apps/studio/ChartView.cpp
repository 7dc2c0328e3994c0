#include "ChartView.h"

#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/QtPainterBackend.h"
#include "platform/wnd/MouseCapture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kMarginPx = 16;
// Below this the chart's text would no longer read.
constexpr int kMinFitDpi = 12;

// A context painting on the widget at the resolution that fits the chart.
class FitDC : public CDC {
public:
    explicit FitDC(GdiBackend* backend)
    {
        m_hDC = m_hAttribDC = this;
        setBackend(backend);
    }
    ~FitDC() override { setBackend(nullptr); }
};
}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    m_wnd.Attach(this);
    setMouseTracking(true);  // moves without a button reach the tooltip
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);  // arrow keys and Escape reach the chart clicked last
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
    CRecordingDC dc(FitDpi());
    ApplyMapping(&dc);
    dc.DPtoLP(&p);
    return p;
}

QPoint ChartView::ToWidget(CPoint p)
{
    CRecordingDC dc(FitDpi());
    ApplyMapping(&dc);
    dc.LPtoDP(&p);
    return QPoint(p.x, p.y);
}

void ChartView::FitToDrawing()
{
    CRecordingDC probe(logicalDpiX());
    Draw(&probe);
    const CRect b = probe.DeviceBounds();
    m_natural = QSize(std::max(b.right, 1) + kMarginPx, std::max(b.bottom, 1) + kMarginPx);
    setMinimumSize(160, 120);
    updateGeometry();
    updateFit();
    update();
}

// The drawing scales with the resolution it is drawn at (its units are
// millimetres), so fitting is choosing that resolution.
void ChartView::updateFit()
{
    const double sx = static_cast<double>(width()) / m_natural.width();
    const double sy = static_cast<double>(height()) / m_natural.height();
    m_fitDpi = std::max(kMinFitDpi, static_cast<int>(logicalDpiX() * std::min(sx, sy)));
}

void ChartView::resizeEvent(QResizeEvent* e)
{
    updateFit();
    QWidget::resizeEvent(e);
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QtPainterBackend backend(&painter, FitDpi(), FitDpi(), CSize(width(), height()));
    FitDC dc(&backend);
    const CRect client(0, 0, width(), height());
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    Draw(&dc);
    DrawOverlay(&dc);
}

void ChartView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    setFocus(Qt::MouseFocusReason);
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

// Qt's default would take the second click for a press and start a drag.
void ChartView::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && !m_dragging)
        DoubleClick(ToLogical(e->position().toPoint()));
}

void ChartView::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && m_dragging) {
        m_dragging = false;
        ReleaseCapture();
        CancelDrag();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !m_dragging && EditSelected())
        return;
    const int step = e->modifiers() & Qt::ShiftModifier ? 10 : 1;
    int dx = 0, dy = 0;
    switch (e->key()) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = -step; break;
    case Qt::Key_Down: dy = step; break;
    default: break;
    }
    if ((dx || dy) && !m_dragging && Nudge(dx, dy, e->isAutoRepeat()))
        return;
    QWidget::keyPressEvent(e);
}

CPoint ChartView::LogicalStep(int dx, int dy)
{
    const CPoint a = ToLogical(QPoint(0, 0));
    const CPoint b = ToLogical(QPoint(dx, dy));
    return CPoint(b.x - a.x, b.y - a.y);
}

void ChartView::recordEdit(const ValueEdit& e, bool merge)
{
    if (e.before == e.after)
        return;
    if (onValueEdit)
        onValueEdit(e, merge);
    edited();
}

void ChartView::message(const QString& text)
{
    if (onMessage)
        onMessage(text);
}

void ChartView::readout(const QString& text)
{
    if (onReadout)
        onReadout(text);
}
