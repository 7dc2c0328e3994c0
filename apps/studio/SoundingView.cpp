#include "SoundingView.h"
#include "platform/wnd/CToolTipCtrl.h"
#include "StatusReadout.h"

#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingRender.h"

#include <iterator>

SoundingView::SoundingView(QWidget* parent) : ChartView(parent)
{
    // The legend tip belongs to this window; the chart only registers it.
    m_chart.ToolTip().Create(Wnd());
}

namespace {

// A frame the chart laid out readably: of positive size, and not many times
// larger or smaller than the display sizes it was given.
bool ReadableFrame(const CDrawRPCurve& c)
{
    const double w = static_cast<double>(c.m_rcRegion.right) - c.m_rcRegion.left;
    const double h = static_cast<double>(c.m_rcRegion.top) - c.m_rcRegion.bottom;
    return c.m_fXRate > 0 && c.m_fYRate > 0 && w > 0.3 * c.m_lDisWidth && w < 3.0 * c.m_lDisWidth &&
           h > 0.3 * c.m_lDisHeight && h < 3.0 * c.m_lDisHeight;
}

}  // namespace

void SoundingView::load(const SoundingTable& table)
{
    const int model = m_chart.m_nDisModel;
    CString error;
    m_chart.m_lDisWidth = 13000;
    m_chart.m_lDisHeight = 7000;
    const bool classic = SoundingRender::Check(table, model, "", error);
    if (classic)
        SoundingRender::Load(m_chart, table, model);
    m_planned = !classic || !ReadableFrame(m_chart);
    if (!m_planned) {
        m_figure.plan.reset();
        m_original.reset();
        return;
    }
    if (!SoundingRender::CheckFigure(table, "", error))
        return;  // nothing the figure can draw either (an abscissa not positive)
    m_figure.plan = SoundingPlan::For(table, m_planView);
    m_figure.plan->Load(m_chart, table);
    m_original = std::make_shared<const SoundingTable>(table);
}

void SoundingView::SetSounding(const SoundingTable& table)
{
    load(table);
    m_header = table.header;
    m_figure.modelled = table.columns >= 5 && table.rFwd.GetSize() >= table.Rows() && table.vFwd.GetSize() >= table.Rows();
    m_figure.abscissaTitle =
        m_planned && m_figure.plan ? m_figure.plan->abscissaTitle : SoundingFigure::AbscissaTitleFor(table.header);
    m_figure.valueTitle = m_planned && m_figure.plan ? m_figure.plan->valueTitle : CString(SoundingFigure::kValueTitle);
    m_source = table.source;
    m_masked.clear();
    m_refR.clear();
    m_refV.clear();
    Select(0, -1);
    FitToDrawing();
    update();
}

SoundingTable SoundingView::Sounding() const
{
    if (m_planned && m_original)
        return *m_original;
    SoundingTable t;
    t.x = m_chart.m_fX;
    t.r = m_chart.m_fR;
    t.v = m_chart.m_fV;
    // A measured-only sounding gives back its three columns.
    if (m_figure.modelled) {
        t.rFwd = m_chart.m_fRFwd;
        t.vFwd = m_chart.m_fVFwd;
    }
    t.columns = m_figure.modelled ? 5 : 3;
    t.header = m_header;
    t.source = m_source;
    return t;
}

bool SoundingView::SetDisplayModel(int model)
{
    m_chart.m_nDisModel = model;
    if (m_planned && m_original) {
        const SoundingTable t = *m_original;
        m_planView = model == 2 ? SoundingPlan::View::LogLog : SoundingPlan::View::Linear;
        SetSounding(t);
        m_planView = SoundingPlan::View::Auto;
        return m_chart.m_nDisModel == model;
    }
    if (HasSounding()) {
        m_chart.SetDisModel();
        // The reference curve's points follow the new view's mapping.
        referencePoints();
    }
    FitToDrawing();
    update();
    return m_chart.m_nDisModel == model;
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
    if (!HasSounding())
        return;
    m_chart.SetTooltip(Wnd(), p);
    if (!m_planned)  // the chart's units are the plan's, not the file's
        readout(StatusReadout::SoundingPosition(m_chart, p));
}
