#include "model1d/LayeredModelFigure.h"

#include "chart/AxisLabels.h"
#include "chart/ChartCanvas.h"
#include "platform/core/ChartMath.h"
#include "chart/FigureText.h"
#include "chart/LabelLayout.h"
#include "model1d/CDrawRPToH.h"
#include "model1d/DrawLayeredModelChart.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

void LayeredModelFigure::Prepare(CDrawRPToH& chart) const
{
    chart.m_bResistivityHeadroom = headroom ? TRUE : FALSE;
    chart.m_bKeepLabelsApart = keepLabelsApart ? TRUE : FALSE;
    chart.m_bHostScales = plan ? TRUE : FALSE;
}

LayeredModelFigure LayeredModelFigure::For(const LayeredModel& model, LayeredModelPlan::Scale resistivity,
                                           LayeredModelPlan::Scale depth)
{
    LayeredModelFigure f;
    f.plan = LayeredModelPlan::For(model, resistivity, depth);
    if (f.plan->logR)
        f.resistivityTitle = "电阻率 ρ (Ω·m，对数坐标)";
    if (f.plan->logH)
        f.depthTitle = "深度 h (m，对数坐标)";
    return f;
}

namespace {

using chartmath::ToUnits;

constexpr COLORREF kTick = RGB(0, 0, 0);
constexpr COLORREF kMinorTick = RGB(150, 150, 0);

// One scale's ticks: where (chart value) and what the label says; minor
// ticks carry no label.
struct Tick {
    double value;
    CString label;
};

// Ticks of a scale from 0 to the chart value top: on decades (and 2 to 9
// times each, labelled at 2 and 5 when fewer than four decades are), or
// linear at a 1-2-5 step with at least four labels.
std::vector<Tick> TicksOf(bool log, double top, const std::function<double(double)>& valueOf,
                          const std::function<double(double)>& chartOf)
{
    std::vector<Tick> ticks;
    if (!(top > 0))
        return ticks;
    if (log) {
        const int lo = static_cast<int>(std::floor(std::log10(valueOf(0)) + 1e-9));
        const int hi = static_cast<int>(std::ceil(std::log10(valueOf(top)) - 1e-9));
        const bool fewDecades = hi - lo < 4;
        for (int k = lo; k <= hi && k - lo < 100; ++k)
            for (int j = 1; j <= 9; ++j) {
                const double c = chartOf(j * std::pow(10.0, k));
                if (c < -1e-9 || c > top + 1e-9)
                    continue;
                const bool labelled = j == 1 || (fewDecades && (j == 2 || j == 5));
                ticks.push_back({c, labelled ? AxisLabels::Decade(k, j) : CString()});
            }
        return ticks;
    }
    const double hi = valueOf(top);
    const double step = AxisLabels::NiceStep(0, hi, 4);
    if (step <= 0)
        return ticks;
    for (long long m = 0; m * step <= hi * (1 + 1e-9) && m < 1000; ++m)
        ticks.push_back({chartOf(m * step), AxisLabels::Linear(m * step, step)});
    return ticks;
}

// Both scales of a planned figure: ticks into the area from its bottom and
// right edges, labels under and right of them, kept apart.
void DrawPlannedScales(const CDrawRPToH& c, CDC* dc, const LayeredModelPlan& plan)
{
    if (c.m_fRRate == 0 || c.m_fHRate == 0)
        return;
    ChartCanvas cv(dc);
    cv.UsePointFont(FigureText::kTitleTenths);
    const double mm = FigureText::UnitsPerMm(dc);
    const CRect& a = c.m_rcArea;
    LabelLayout apart(dc, ToUnits(0.5 * mm));
    const UINT align = dc->SetTextAlign(TA_CENTER | TA_TOP);
    const LONG major = ToUnits(2.5 * mm), minor = ToUnits(1.5 * mm), gap = ToUnits(mm);
    const double rTop = (a.right - a.left) / static_cast<double>(c.m_fRRate);
    for (const Tick& t : TicksOf(
             plan.logR, rTop, [&](double v) { return plan.Resistivity(v); }, [&](double r) { return plan.ChartR(r); })) {
        const LONG x = ToUnits(t.value * c.m_fRRate);
        cv.UsePen(t.label.IsEmpty() ? kMinorTick : kTick);
        cv.Line(CPoint(x, a.bottom), CPoint(x, a.bottom + (t.label.IsEmpty() ? minor : major)));
        if (!t.label.IsEmpty())
            if (const auto at = apart.Place(t.label, {CPoint(x, a.bottom - gap)}))
                cv.Text(*at, t.label);
    }
    dc->SetTextAlign(TA_LEFT | TA_TOP);
    const double hTop = (a.bottom - a.top) / static_cast<double>(c.m_fHRate);
    for (const Tick& t : TicksOf(
             plan.logH, hTop, [&](double v) { return plan.Depth(v); }, [&](double h) { return plan.ChartH(h); })) {
        const LONG y = ToUnits(t.value * c.m_fHRate);
        cv.UsePen(t.label.IsEmpty() ? kMinorTick : kTick);
        cv.Line(CPoint(a.right, y), CPoint(a.right - (t.label.IsEmpty() ? minor : major), y));
        // On a logarithmic depth scale the top edge is the surface, labelled 0.
        if (t.label.IsEmpty() || (plan.logH && t.value < 1e-9))
            continue;
        const CRect box = apart.BoxAt(t.label, CPoint(0, 0));
        const LONG h = box.top - box.bottom;
        const CPoint middle(a.right + gap, y + h / 2), below(a.right + gap, y - gap / 2);
        if (const auto at = apart.Place(t.label, {middle, below}))
            cv.Text(*at, t.label);
    }
    // On a logarithmic depth scale the top edge stands for the surface.
    if (plan.logH)
        if (const auto at = apart.Place("0", {CPoint(a.right + gap, a.top)}))
            cv.Text(*at, "0");
    dc->SetTextAlign(align);
}

}  // namespace

void DrawLayeredModelFigure(CDrawRPToH& chart, CDC* dc, const LayeredModelFigure& figure)
{
    if (!dc)
        return;
    const LayeredModelPlan* plan = figure.plan ? &*figure.plan : nullptr;
    chart.m_bHostScales = plan ? TRUE : FALSE;
    DrawLayeredModelChart(chart, dc);
    if (plan)
        DrawPlannedScales(chart, dc, *plan);
    const CRect drawn = FigureText::DrawnBox(dc, [&chart, plan](CDC* probe) {
        chart.DrawOrdinate(probe);
        if (plan)
            DrawPlannedScales(chart, probe, *plan);
    });
    const CRect& area = chart.m_rcArea;
    const CRect below(area.left, area.bottom, area.right, std::min(drawn.top, drawn.bottom));
    FigureText::TitleBelow(dc, area, below, figure.resistivityTitle);
    FigureText::TitleRight(dc, area, drawn, figure.depthTitle);
}
