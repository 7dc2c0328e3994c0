#include "ModelView.h"

#include "EditLimits.h"

#include "platform/gdi/CRecordingDC.h"

#include <algorithm>
#include <cmath>

namespace {

// The pane proportions the chart takes; beyond them it keeps these and is
// centred, rather than turning into a strip.
constexpr double kMinAspect = 0.4, kMaxAspect = 3.0;
// A pane that changed its proportion by less than this keeps its layout, so
// that a splitter nudged by a pixel does not move every side.
constexpr double kShapeTolerance = 0.02;
// Room the view keeps around the drawing when it fits it (widget pixels).
constexpr int kFitMarginPx = 16;
// At this resolution a device pixel is one logical unit (0.1 mm).
constexpr int kUnitDpi = 254;

}  // namespace

ModelView::ModelView(QWidget* parent) : ChartView(parent)
{
    m_figure = LayeredModelFigure::For(m_model, m_rScale);
    m_figure.Prepare(m_chart);
}

void ModelView::SetModel(const LayeredModel& model)
{
    m_model = model;
    replan();
    Select(-1);
    FitToDrawing();
    update();
}

void ModelView::SetResistivityScale(LayeredModelPlan::Scale scale)
{
    if (scale == m_rScale)
        return;
    m_rScale = scale;
    Rescale();
}

void ModelView::Rescale()
{
    replan();
    FitToDrawing();
    update();
}

bool ModelView::OutlineLeavesFrame() const
{
    const CRect& a = m_chart.m_rcArea;
    const LONG left = std::min(a.left, a.right), right = std::max(a.left, a.right);
    const LONG low = std::min(a.top, a.bottom), high = std::max(a.top, a.bottom);
    for (INT_PTR i = 0; i < m_chart.m_RPoints.GetSize(); ++i) {
        const CPoint& p = m_chart.m_RPoints[i];
        if (p.x < left || p.x > right || p.y < low || p.y > high)
            return true;
    }
    return false;
}

void ModelView::replan()
{
    m_figure = LayeredModelFigure::For(m_model, m_rScale);
    m_figure.Prepare(m_chart);
    if (m_model.Layers() < 1)
        return;
    // The plan's own sizes set the ranges; the pane's shape then sets the area.
    m_figure.plan->Load(m_chart, m_model);
    layOut();
}

void ModelView::layOut()
{
    LayeredModelPlan& plan = *m_figure.plan;
    if (m_model.Layers() < 1)
        return;
    const auto apply = [&](double w, double h) {
        plan.SizeArea(std::lround(w), std::lround(h), m_chart.m_fMaxH);
        m_chart.m_lDisWidth = plan.width;
        m_chart.m_lDisHeight = plan.height;
        m_chart.CalcuDisrate(plan.width, plan.height, m_chart.m_fMaxR, m_chart.m_fMaxH);
        m_chart.SetAreaRect();
        m_chart.ValueToPt();
    };
    double w = LayeredModelPlan::kAreaWidth, h = LayeredModelPlan::kAreaHeight;
    if (m_shape.width() > kFitMarginPx && m_shape.height() > kFitMarginPx) {
        // The area keeps its size (so the text keeps its size beside it) and
        // takes the proportion that makes the whole drawing, titles and labels
        // around it, as wide for its height as the pane.
        const double area = w * h;
        const double aspect = std::clamp(static_cast<double>(m_shape.width() - kFitMarginPx) /
                                             (m_shape.height() - kFitMarginPx),
                                         kMinAspect, kMaxAspect);
        // The labels around the area depend a little on its size: twice.
        for (int pass = 0; pass < 2; ++pass) {
            apply(w, h);
            CRecordingDC probe(kUnitDpi);
            probe.SetBoundsOnly(true);
            Draw(&probe);
            const CRect b = probe.DeviceBounds();
            const double mx = std::max(0.0, b.right - (m_chart.m_rcArea.right - m_chart.m_rcArea.left) * 1.0);
            const double my = std::max(0.0, b.bottom - (m_chart.m_rcArea.top - m_chart.m_rcArea.bottom) * 1.0);
            // (w + mx) / (h + my) = aspect with w h = area.
            const double q = aspect * my - mx;
            h = (-q + std::sqrt(q * q + 4.0 * aspect * area)) / (2.0 * aspect);
            h = std::clamp(h, std::sqrt(area / kMaxAspect), std::sqrt(area / kMinAspect));
            w = area / h;
        }
    }
    apply(w, h);
}

void ModelView::ShapeTo(QSize px)
{
    const bool had = m_shape.width() > 0 && m_shape.height() > 0;
    if (had) {
        const double before = static_cast<double>(m_shape.width()) / m_shape.height();
        const double now = static_cast<double>(px.width()) / px.height();
        if (std::abs(now / before - 1.0) <= kShapeTolerance)
            return;
    }
    m_shape = px;
    if (m_model.Layers() < 1)
        return;
    layOut();
    FitToDrawing();
}

void ModelView::Draw(CDC* dc) { DrawLayeredModelFigure(m_chart, dc, m_figure); }

void ModelView::ApplyMapping(CDC* dc) { m_chart.SetOrg(dc); }

float ModelView::resistivityAt(LONG x) const
{
    if (m_chart.m_fRRate == 0)
        return 0.0f;
    const double r = Plan().Resistivity(x / static_cast<double>(m_chart.m_fRRate));
    // The area reaches a little beyond the largest resistivity: a side
    // dragged there still makes a model that can be saved.
    return static_cast<float>(std::min<double>(r, EditLimits::MaxLayerValue()));
}
