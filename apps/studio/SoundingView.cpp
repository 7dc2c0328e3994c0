#include "SoundingView.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "StatusReadout.h"

#include "sounding/SoundingFigure.h"
#include "sounding/SoundingRender.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The figure's proportions a pane may ask for: beyond them the frame would
// be a sliver and its labels would crowd.
constexpr double kMinAspect = 0.5, kMaxAspect = 3.0;
// A pane that changed its proportion by less than this keeps the layout:
// the fit scales the drawing, and a drag of the splitter stays smooth.
constexpr double kReshapeStep = 0.02;
// The frame's smallest side, 0.01 mm, whatever the pane.
constexpr double kMinFrame = 3000;
// The margin the view leaves right of and below the drawing (16 pixels at
// 96 dpi), left above and before it too.
constexpr LONG kCentreMargin = 423;
// A room around the frame that changed by more than this share of the
// figure is not the room of the plan's layout any more.
constexpr double kRoomChange = 0.1;
// A chart measured at this resolution has one device pixel a logical unit.
constexpr int kUnitDpi = 2540;

}  // namespace

SoundingView::SoundingView(QWidget* parent) : ChartView(parent)
{
    // The legend tip belongs to this window; the chart only registers it.
    m_chart.ToolTip().Create(Wnd());
}

void SoundingView::load(const SoundingTable& table)
{
    m_figure.plan.reset();
    CString error;
    if (!SoundingRender::CheckFigure(table, "", error)) {
        // Nothing a figure can draw (an abscissa not above zero).
        m_chart.m_nCount = 0;
        m_chart.m_fX.RemoveAll();
        return;
    }
    const auto view = m_chart.m_nDisModel == 2 ? SoundingPlan::View::LogLog : SoundingPlan::View::Linear;
    m_figure.plan = SoundingPlan::For(table, view);
    if (&table != &m_values)
        m_values = table;
    // The modelled columns hold what is drawn, one value a row, even for a
    // measured-only sounding (whose plan leaves them out of the drawing).
    const int n = m_values.Rows();
    if (m_values.rFwd.GetSize() != n || m_values.vFwd.GetSize() != n) {
        m_values.rFwd = m_values.r;
        m_values.vFwd = m_values.v;
    }
    m_figure.plan->Load(m_chart, m_values);
    m_figure.abscissaTitle = m_figure.plan->abscissaTitle;
    m_figure.valueTitle = m_figure.plan->valueTitle;
    const CRect b = measure();
    m_planArea = (b.Width() + 2.0 * kCentreMargin) * (b.Height() + 2.0 * kCentreMargin);
    const CRect& f = m_chart.m_rcRegion;
    m_room[0] = b.Width() - static_cast<double>(f.right - f.left);
    m_room[1] = b.Height() - static_cast<double>(f.top - f.bottom);
    m_aspect = 0;
    if (!IsZoomed() && width() > 0 && height() > 0)
        shape(static_cast<double>(width()) / height());
    else
        centre(b);
}

void SoundingView::SetSounding(const SoundingTable& table)
{
    m_figure.modelled = table.columns >= 5 && table.rFwd.GetSize() >= table.Rows() && table.vFwd.GetSize() >= table.Rows();
    load(table);
    m_masked.clear();
    m_refR.clear();
    m_refV.clear();
    referencePoints();
    Select(0, -1);
    FitToDrawing();
    update();
}

SoundingTable SoundingView::Sounding() const
{
    SoundingTable t = m_values;
    // A measured-only sounding gives back its three columns.
    if (!m_figure.modelled) {
        t.rFwd.RemoveAll();
        t.vFwd.RemoveAll();
        t.columns = 3;
    }
    return t;
}

bool SoundingView::SetDisplayModel(int model)
{
    m_chart.m_nDisModel = model;
    if (m_values.Rows() > 0) {
        load(m_values);
        // The reference curve's points follow the new view's mapping.
        referencePoints();
        Select(m_selCurve, m_selIndex);
    }
    FitToDrawing();
    update();
    return m_chart.m_nDisModel == model;
}

CRect SoundingView::measure()
{
    CRecordingDC probe(kUnitDpi);
    probe.SetBoundsOnly(true);
    Draw(&probe);
    return probe.DeviceBounds();
}

void SoundingView::centre(const CRect& b)
{
    // One device pixel a unit: x grows to the right and y downwards alike.
    m_chart.m_lOrgX += b.left - kCentreMargin;
    m_chart.m_lOrgY -= b.top - kCentreMargin;
}

// The frame's size follows the display sizes in proportion, and the labels,
// titles and legend around it keep the room they take in the plan's own
// layout, so one layout from that room mostly hits the proportion; a second
// corrects by what the labels changed, except where the room itself grew (a
// title wider than a narrow frame), which no frame size would undo. Each
// layout is measured once: a resize of a long sounding must stay quick.
void SoundingView::shape(double aspect)
{
    SoundingPlan& plan = *m_figure.plan;
    aspect = std::clamp(aspect, kMinAspect, kMaxAspect);
    // The figure with its margins keeps its area, so its text keeps its
    // size against the frame; only the frame's proportion changes.
    const double wanted[2] = {std::sqrt(m_planArea * aspect) - 2.0 * kCentreMargin,
                              std::sqrt(m_planArea / aspect) - 2.0 * kCentreMargin};
    double want[2] = {wanted[0] - m_room[0], wanted[1] - m_room[1]};
    CRect b;
    for (int pass = 0; pass < 2; ++pass) {
        const CRect& f = m_chart.m_rcRegion;
        const double frame[2] = {static_cast<double>(f.right - f.left), static_cast<double>(f.top - f.bottom)};
        if (!(frame[0] > 0 && frame[1] > 0))
            break;
        plan.width = std::max(1L, std::lround(plan.width * std::max(kMinFrame, want[0]) / frame[0]));
        plan.height = std::max(1L, std::lround(plan.height * std::max(kMinFrame, want[1]) / frame[1]));
        plan.Load(m_chart, m_values);
        b = measure();
        const double figure[2] = {static_cast<double>(b.Width()), static_cast<double>(b.Height())};
        const double now[2] = {static_cast<double>(f.right - f.left), static_cast<double>(f.top - f.bottom)};
        bool off = false;
        for (int k = 0; k < 2; ++k) {
            const double miss = wanted[k] - figure[k];
            const bool roomKept = std::fabs((figure[k] - now[k]) - m_room[k]) < kRoomChange * wanted[k];
            if (std::fabs(miss) > kReshapeStep / 2 * wanted[k] && roomKept) {
                want[k] = now[k] + miss;
                off = true;
            }
        }
        if (!off)
            break;
    }
    m_aspect = aspect;
    settle();
    referencePoints();
    if (!b.IsRectEmpty())
        centre(b);
}

void SoundingView::ShapeTo(QSize px)
{
    if (!HasSounding() || !m_figure.plan || m_chart.m_nSelCurve != 0)
        return;
    const double aspect = std::clamp(static_cast<double>(px.width()) / px.height(), kMinAspect, kMaxAspect);
    if (m_aspect > 0 && std::fabs(aspect / m_aspect - 1) < kReshapeStep)
        return;
    shape(aspect);
    FitToDrawing();
}

namespace {
// The passes of a drag in drawing order; the even ones stay the same while
// one point moves.
constexpr SoundingLayer kPasses[] = {SoundingLayer::BelowMovingLine, SoundingLayer::MovingLine,
                                     SoundingLayer::BelowMovingMarker, SoundingLayer::MovingMarker,
                                     SoundingLayer::AboveMovingMarker};
constexpr int kPassCount = static_cast<int>(std::size(kPasses));
}  // namespace

void SoundingView::Draw(CDC* dc)
{
    const int pass = DrawingPass();
    if (HasSounding())
        DrawSoundingFigure(m_chart, dc, m_figure, pass >= 0 && pass < kPassCount ? kPasses[pass] : SoundingLayer::Whole);
}

int SoundingView::DragPasses() const { return kPassCount; }

long long SoundingView::DragKey() const
{
    if (!HasSounding() || (m_chart.m_nSelCurve != 1 && m_chart.m_nSelCurve != 2))
        return 0;
    return (static_cast<long long>(m_chart.m_nSelCurve) << 32) | static_cast<unsigned>(m_chart.m_nSelIndex);
}

// The picked point's segments, its marker and the selection mark, with room
// for the pen.
QRect SoundingView::MovingArea()
{
    constexpr int kPenRoom = 3;
    CDrawRPCurve& c = m_chart;
    const bool r = c.m_nSelCurve == 1;
    if (DragKey() == 0)
        return QRect();
    CArray<CPoint, CPoint>& pts = r ? c.m_RPoints : c.m_VPoints;
    const CArray<CRect, CRect>& rects = r ? c.m_RRects : c.m_VRects;
    const int i = c.m_nSelIndex;
    if (i < 0 || i >= c.m_nCount || pts.GetSize() < c.m_nCount || i >= rects.GetSize())
        return QRect();
    CArray<CPoint, CPoint> around;
    c.BackChangePtAndBorderPt(i, pts.GetData(), around);
    // The selection mark drawn around the marker is twice its size.
    CRect mark = rects[i];
    const int grow = static_cast<int>(c.m_fMarkHalf);
    mark.InflateRect(grow, -grow);  // top is above bottom here
    around.Add(CPoint(mark.left, mark.top));
    around.Add(CPoint(mark.right, mark.bottom));
    return WidgetBounds(around).adjusted(-kPenRoom, -kPenRoom, kPenRoom, kPenRoom);
}

void SoundingView::ApplyMapping(CDC* dc) { m_chart.SetOrdinate(dc); }

void SoundingView::Hover(CPoint p)
{
    if (!HasSounding() || !m_figure.plan)
        return;
    m_chart.SetTooltip(Wnd(), p);
    readout(StatusReadout::SoundingPosition(m_chart, *m_figure.plan, p));
}
