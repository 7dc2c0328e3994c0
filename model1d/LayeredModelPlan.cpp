#include "model1d/LayeredModelPlan.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFile.h"

#include <algorithm>
#include <cmath>

namespace {

// The power of ten that brings a positive maximum to 10 ... 100, where the
// chart's whole-unit scales lose at most a tenth.
int ShiftToTens(double max) { return max > 0 ? 1 - static_cast<int>(std::floor(std::log10(max))) : 0; }

}  // namespace

double LayeredModelPlan::ChartR(double r) const
{
    if (logR)
        return r > 0 ? (std::log10(r) - rLowDecade) * kUnitsPerDecade : 0.0;
    return r * std::pow(10.0, rShift);
}

double LayeredModelPlan::ChartH(double h) const
{
    if (logH)
        return h > 0 ? std::max(0.0, (std::log10(h) - hLowDecade) * kUnitsPerDecade) : 0.0;
    return h * std::pow(10.0, hShift);
}

double LayeredModelPlan::Resistivity(double v) const
{
    return logR ? std::pow(10.0, v / kUnitsPerDecade + rLowDecade) : v / std::pow(10.0, rShift);
}

double LayeredModelPlan::Depth(double v) const
{
    return logH ? std::pow(10.0, v / kUnitsPerDecade + hLowDecade) : v / std::pow(10.0, hShift);
}

LayeredModelPlan LayeredModelPlan::For(const LayeredModel& m, Scale resistivity, Scale depth)
{
    LayeredModelPlan p;
    const int n = m.Layers();
    if (n < 1)
        return p;
    double minR = HUGE_VAL, maxR = 0;
    for (int i = 0; i < n; ++i) {
        minR = std::min<double>(minR, m.res[i]);
        maxR = std::max<double>(maxR, m.res[i]);
    }
    // Depths of the layer tops below the first.
    double top = 0, firstTop = 0, maxH = 0;
    for (int i = 0; i + 1 < n && i < m.thick.GetSize(); ++i) {
        top += m.thick[i];
        if (firstTop == 0 && top > 0)
            firstTop = top;
        maxH = top;
    }
    p.logR = minR > 0 && (resistivity == Scale::Log ||
                          (resistivity == Scale::Auto && std::log10(maxR / minR) > kLogResistivityDecades));
    p.logH = firstTop > 0 && (depth == Scale::Log ||
                              (depth == Scale::Auto && std::log10(maxH / firstTop) > kLogDepthDecades));
    if (p.logR) {
        // A tenth of a decade at least left of the least resistive layer.
        p.rLowDecade = std::floor(std::log10(minR) - 0.1);
    } else {
        p.rShift = ShiftToTens(maxR);
    }
    if (p.logH) {
        // The top edge a decade above the first interface.
        p.hLowDecade = std::floor(std::log10(firstTop)) - 1;
    } else {
        p.hShift = ShiftToTens(maxH);
    }
    const double chartMaxH = p.ChartH(maxH);
    p.SizeArea(kAreaWidth, kAreaHeight, chartMaxH);
    return p;
}

void LayeredModelPlan::SizeArea(long areaWidth, long areaHeight, double chartMaxH)
{
    // The chart spans trunc(max) + 1 resistivity units (a tenth more with
    // headroom) and trunc(max) + 5 depth units below the top; the display
    // sizes make that the area asked for.
    // The resistivity units are at most about 100, so the chart's rate stays
    // above the 5 units where it would stretch the scale tenfold, and the
    // area is the display width.
    width = std::max(1L, areaWidth);
    const double hUnits = std::trunc(std::max(0.0, chartMaxH)) + 1.0;
    height = std::max(1L, static_cast<long>(static_cast<double>(areaHeight) * hUnits / (hUnits + 4.0)));
}

void LayeredModelPlan::ChartValues(const LayeredModel& m, CArray<float, float&>& thick,
                                   CArray<float, float&>& res) const
{
    const int n = m.Layers();
    res.SetSize(n);
    thick.SetSize(std::max(0, n - 1));
    double top = 0, chartTop = 0;
    for (int i = 0; i < n; ++i) {
        res[i] = static_cast<float>(ChartR(m.res[i]));
        if (i + 1 < n) {
            top += i < m.thick.GetSize() ? m.thick[i] : 0.0f;
            const double next = ChartH(top);
            thick[i] = static_cast<float>(next - chartTop);
            chartTop = next;
        }
    }
}

void LayeredModelPlan::Load(CDrawRPToH& chart, const LayeredModel& m) const
{
    const int n = m.Layers();
    CArray<float, float&> thick, res;
    ChartValues(m, thick, res);
    chart.m_lDisWidth = width;
    chart.m_lDisHeight = height;
    chart.GetData(thick, res, n);
}
