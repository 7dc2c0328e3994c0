#include "ChartView.h"

#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/QtPainterBackend.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "platform/wnd/MouseCapture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
// drawPass's pass for the selection mark alone (-1 is the whole drawing).
constexpr int kOverlayOnly = -2;
constexpr int kMarginPx = 16;
// Below this the chart's text would no longer read.
constexpr int kMinFitDpi = 12;
// Zooming reaches from a quarter of the fitting resolution up to this one,
// where a millimetre of the chart is about a hundred pixels.
constexpr int kMaxZoomDpi = 2400;
// One notch of the wheel (120 eighths of a degree) zooms by this factor,
// or scrolls a zoomed drawing by this many pixels.
constexpr double kZoomStep = 1.25;
constexpr int kWheelPixels = 60;
constexpr int kWheelNotch = 120;
// Notches of one wheel event taken into account; a wilder event is one
// fast turn, not a reason to leave the zoom range in one step.
constexpr double kMaxNotches = 8.0;

// A context painting on the widget at the resolution the chart is drawn at.
class FitDC : public CDC {
public:
    explicit FitDC(GdiBackend* backend)
    {
        m_hDC = m_hAttribDC = this;
        setBackend(backend);
    }
    ~FitDC() override { setBackend(nullptr); }
};

// The scroll offsets along one axis that the bars and the wheel reach: a
// drawing larger than the view scrolls over its own extent, a smaller one
// anywhere inside the view; and, so that a zoom keeps the point under the
// pointer, as far beyond as a zoom has already taken the view, until the
// user scrolls back.
struct ScrollRange {
    int lo, hi;
    ScrollRange(int scroll, int content, int view)
    {
        const int over = content - view;
        lo = std::min({0, over, scroll});
        hi = std::max({0, over, scroll});
    }
    int clamp(int offset) const { return std::clamp(offset, lo, hi); }
};

// Whether the view stands beyond the drawing's own scrolling along one axis.
bool BeyondDrawing(int scroll, int content, int view)
{
    return scroll < std::min(0, content - view) || scroll > std::max(0, content - view);
}

// A zoom about a point off the drawing may take the view beyond it, but
// never so far that the drawing leaves the view.
int KeepInView(int offset, int content, int view)
{
    return std::clamp(offset, std::min(0, content - view) - view, std::max(0, content - view) + view);
}

// Puts the view's pass back to the whole drawing however the drawing ends.
class PassScope {
public:
    PassScope(int& pass, int now) : m_pass(pass) { m_pass = now; }
    ~PassScope() { m_pass = -1; }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;

private:
    int& m_pass;
};
}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    m_wnd.Attach(this);
    setMouseTracking(true);  // moves without a button reach the tooltip
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);  // arrow keys and Escape reach the chart clicked last
    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    m_hbar->hide();
    m_vbar->hide();
    connect(m_hbar, &QScrollBar::valueChanged, this, [this](int x) { ScrollTo(QPoint(x, m_scroll.y())); });
    connect(m_vbar, &QScrollBar::valueChanged, this, [this](int y) { ScrollTo(QPoint(m_scroll.x(), y)); });
}

ChartView::~ChartView()
{
    if (GetCapture() == this)
        ReleaseCapture();
    m_wnd.Detach();
}

void ChartView::prepare(CDC* dc, QPoint scroll)
{
    ApplyMapping(dc);
    dc->SetViewportOrg(-scroll.x(), -scroll.y());
}

CPoint ChartView::ToLogical(QPoint pos)
{
    CPoint p(pos.x(), pos.y());
    CRecordingDC dc(DrawDpi());
    prepare(&dc, m_scroll);
    dc.DPtoLP(&p);
    return p;
}

QPoint ChartView::ToWidget(CPoint p)
{
    CRecordingDC dc(DrawDpi());
    prepare(&dc, m_scroll);
    dc.LPtoDP(&p);
    return QPoint(p.x, p.y);
}

QRect ChartView::WidgetBounds(const CArray<CPoint, CPoint>& pts)
{
    CRecordingDC dc(DrawDpi());
    prepare(&dc, m_scroll);
    QRect bounds;
    for (CPoint p : pts) {
        dc.LPtoDP(&p);
        bounds |= QRect(p.x, p.y, 1, 1);
    }
    return bounds;
}

void ChartView::FitToDrawing()
{
    // Only the drawing's extent is wanted: a recording of every call would
    // hold a million-row sounding's markers several times over.
    CRecordingDC probe(logicalDpiX());
    probe.SetBoundsOnly(true);
    Draw(&probe);
    const CRect b = probe.DeviceBounds();
    m_natural = QSize(std::max(b.right, 1) + kMarginPx, std::max(b.bottom, 1) + kMarginPx);
    setMinimumSize(160, 120);
    updateGeometry();
    updateFit();
    updateScrollBars();
    DropDragImages();
    update();
}

// The drawing scales with the resolution it is drawn at (its units are
// millimetres), so fitting and zooming are choosing that resolution.
void ChartView::updateFit()
{
    const double sx = static_cast<double>(width()) / m_natural.width();
    const double sy = static_cast<double>(height()) / m_natural.height();
    m_fitDpi = std::max(kMinFitDpi, static_cast<int>(logicalDpiX() * std::min(sx, sy)));
}

QSize ChartView::contentSize() const
{
    const double scale = static_cast<double>(DrawDpi()) / std::max(1, logicalDpiX());
    return QSize(static_cast<int>(std::ceil(m_natural.width() * scale)),
                 static_cast<int>(std::ceil(m_natural.height() * scale)));
}

QSize ChartView::viewSize() const
{
    const int ext = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(width() - (m_vbar->isHidden() ? 0 : ext), height() - (m_hbar->isHidden() ? 0 : ext));
}

// A zoomed drawing larger than the widget gets scroll bars along the sides
// it overflows; a fitted one needs none and is centred.
void ChartView::updateScrollBars()
{
    if (!IsZoomed()) {
        m_hbar->hide();
        m_vbar->hide();
        // The fitted drawing stands in the middle of the pane, whichever
        // side it leaves room along.
        const QSize content = contentSize();
        m_scroll = QPoint(-std::max(0, (width() - content.width()) / 2), -std::max(0, (height() - content.height()) / 2));
        return;
    }
    const QSize content = contentSize();
    const int ext = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool h = false, v = false;
    for (int round = 0; round < 2; ++round) {  // one bar may make room short for the other
        const int vw = width() - (v ? ext : 0), vh = height() - (h ? ext : 0);
        h = content.width() > vw || BeyondDrawing(m_scroll.x(), content.width(), vw);
        v = content.height() > vh || BeyondDrawing(m_scroll.y(), content.height(), vh);
    }
    m_hbar->setVisible(h);
    m_vbar->setVisible(v);
    const QSize view = viewSize();
    m_hbar->setGeometry(0, height() - ext, view.width(), ext);
    m_vbar->setGeometry(width() - ext, 0, ext, view.height());
    m_scroll = QPoint(KeepInView(m_scroll.x(), content.width(), view.width()),
                      KeepInView(m_scroll.y(), content.height(), view.height()));
    const ScrollRange rx(m_scroll.x(), content.width(), view.width());
    const ScrollRange ry(m_scroll.y(), content.height(), view.height());
    const QSignalBlocker hb(m_hbar), vb(m_vbar);
    m_hbar->setRange(rx.lo, rx.hi);
    m_hbar->setPageStep(std::max(1, view.width()));
    m_hbar->setSingleStep(kWheelPixels / 3);
    m_hbar->setValue(m_scroll.x());
    m_vbar->setRange(ry.lo, ry.hi);
    m_vbar->setPageStep(std::max(1, view.height()));
    m_vbar->setSingleStep(kWheelPixels / 3);
    m_vbar->setValue(m_scroll.y());
}

void ChartView::ZoomAt(QPoint anchor, double factor)
{
    if (!(factor > 0.0) || !std::isfinite(factor))
        return;
    const CPoint logical = ToLogical(anchor);
    const int now = DrawDpi();
    const int lowest = std::max(kMinFitDpi, FitDpi() / 4);
    const int dpi = static_cast<int>(std::clamp(std::lround(now * factor), static_cast<long>(lowest),
                                                static_cast<long>(std::max(lowest, kMaxZoomDpi))));
    if (dpi == now)
        return;
    m_zoomDpi = dpi;
    // Where the anchored point lands unscrolled tells how far to scroll.
    CRecordingDC dc(dpi);
    prepare(&dc, QPoint());
    CPoint at = logical;
    dc.LPtoDP(&at);
    m_scroll = QPoint(at.x - anchor.x(), at.y - anchor.y());
    updateScrollBars();
    DropDragImages();
    update();
}

void ChartView::FitToWindow()
{
    m_zoomDpi = 0;
    // The pane may have changed shape while the drawing was zoomed.
    if (!m_dragging && width() > 0 && height() > 0)
        ShapeTo(size());
    updateFit();
    updateScrollBars();
    DropDragImages();
    update();
}

void ChartView::ScrollTo(QPoint offset)
{
    if (!IsZoomed())
        return;
    const QSize content = contentSize(), view = viewSize();
    const QPoint to(ScrollRange(m_scroll.x(), content.width(), view.width()).clamp(offset.x()),
                    ScrollRange(m_scroll.y(), content.height(), view.height()).clamp(offset.y()));
    if (to == m_scroll)
        return;
    m_scroll = to;
    updateScrollBars();  // a view scrolled back onto the drawing narrows the range
    DropDragImages();
    update();
}

void ChartView::resizeEvent(QResizeEvent* e)
{
    if (!m_dragging && !IsZoomed() && e->size().width() > 0 && e->size().height() > 0)
        ShapeTo(e->size());
    updateFit();
    updateScrollBars();
    DropDragImages();
    QWidget::resizeEvent(e);
}

void ChartView::wheelEvent(QWheelEvent* e)
{
    const QPoint delta = e->angleDelta();
    if (e->modifiers() & Qt::ControlModifier) {
        const double notches = std::clamp(delta.y() / static_cast<double>(kWheelNotch), -kMaxNotches, kMaxNotches);
        if (notches != 0.0)
            ZoomAt(e->position().toPoint(), std::pow(kZoomStep, notches));
        e->accept();
        return;
    }
    if (!IsZoomed()) {
        e->ignore();
        return;
    }
    // Shift turns the wheel's scrolling sideways.
    const QPoint d = (e->modifiers() & Qt::ShiftModifier) ? QPoint(delta.y(), delta.x()) : delta;
    ScrollTo(m_scroll - d * kWheelPixels / kWheelNotch);
    e->accept();
}

// ---- painting ----

void ChartView::drawPass(QPainter& painter, int pass, bool fillWhite)
{
    const int dpi = DrawDpi();
    // Lines aliased and text smoothed, on every device alike, so that the
    // passes of a drag add up to the whole drawing's pixels.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QtPainterBackend backend(&painter, dpi, dpi, CSize(width(), height()));
    FitDC dc(&backend);
    if (fillWhite) {
        const CRect client(0, 0, width(), height());
        dc.FillSolidRect(&client, RGB(255, 255, 255));
    }
    dc.SetViewportOrg(-m_scroll.x(), -m_scroll.y());
    const PassScope scope(m_pass, pass);
    if (pass != kOverlayOnly)
        Draw(&dc);
    // The selection mark lies above the whole drawing, so a drag's passes
    // leave it out and it is drawn after the last of them.
    if (pass < 0)
        DrawOverlay(&dc);
}

bool ChartView::dragImagesUsable() const
{
    const long long key = DragKey();
    return key != 0 && m_images.key == key && m_images.size == size() && m_images.dpi == DrawDpi() &&
           m_images.scroll == m_scroll && static_cast<int>(m_images.passes.size()) == (DragPasses() + 1) / 2;
}

// One whole drawing's work, split over the passes that stay the same.
void ChartView::makeDragImages()
{
    m_images = DragImages();
    DragImages made;
    for (int pass = 0; pass < DragPasses(); pass += 2) {
        QImage image(size(), pass == 0 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return;  // no memory for it: the drag is drawn whole
        if (pass != 0)
            image.fill(Qt::transparent);
        QPainter painter(&image);
        drawPass(painter, pass, pass == 0);
        made.passes.push_back(std::move(image));
    }
    made.key = DragKey();
    made.size = size();
    made.dpi = DrawDpi();
    made.scroll = m_scroll;
    m_images = std::move(made);
}

void ChartView::Paint(QPainter& painter, const QRect& area)
{
    const bool fromImages = m_dragging && DragPasses() > 0 && DragKey() != 0;
    if (fromImages && !dragImagesUsable())
        makeDragImages();
    if (!fromImages || !dragImagesUsable()) {
        drawPass(painter, -1, true);
        return;
    }
    for (int pass = 0; pass < DragPasses(); ++pass) {
        if (pass % 2 == 0)
            painter.drawImage(area.topLeft(), m_images.passes[static_cast<size_t>(pass / 2)], area);
        else
            drawPass(painter, pass, false);
    }
    drawPass(painter, kOverlayOnly, false);
}

QImage ChartView::RenderWhole()
{
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    drawPass(painter, -1, true);
    return image;
}

void ChartView::DropDragImages()
{
    m_images = DragImages();
    m_lastMoving = QRect();
}

void ChartView::RedrawMoving()
{
    const QRect now = MovingArea();
    if (m_dragging && dragImagesUsable() && !m_lastMoving.isEmpty() && !now.isEmpty())
        update(m_lastMoving.united(now));
    else
        update();
    m_lastMoving = now;
}

void ChartView::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    Paint(painter, e->rect());
}

// ---- mouse ----

void ChartView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    setFocus(Qt::MouseFocusReason);
    SetCapture(this);
    DropDragImages();
    m_pressModifiers = e->modifiers();
    Press(ToLogical(e->position().toPoint()));
    m_lastMoving = MovingArea();
}

void ChartView::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (CToolTipCtrl* tip = ToolTip()) {
        // As a host's message loop hands its mouse messages to a tooltip.
        MSG msg;
        msg.hwnd = this;
        msg.message = WM_MOUSEMOVE;
        msg.wParam = (e->buttons() & Qt::LeftButton) ? MK_LBUTTON : 0;
        msg.lParam = MAKELPARAM(at.x(), at.y());
        const QPoint global = e->globalPosition().toPoint();
        msg.pt = tagPOINT{global.x(), global.y()};
        tip->RelayEvent(&msg);
    }
    const CPoint p = ToLogical(at);
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
    DropDragImages();
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
