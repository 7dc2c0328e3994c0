#include "EditLimits.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFile.h"
#include "model1d/LayeredModelPlan.h"
#include "sounding/CDrawRPCurve.h"

#include <algorithm>
#include <cmath>

namespace {

LONG clampTo(LONG v, LONG lo, LONG hi) { return std::max(lo, std::min(v, hi)); }

}  // namespace

float EditLimits::MaxLayerValue() { return LayeredModelFile::kMaxValue; }

EditLimits::Clamped EditLimits::ClampSounding(const CDrawRPCurve& chart, CPoint p)
{
    const CRect& r = chart.m_rcRegion;
    Clamped c{p, Stop::None};
    c.point.x = clampTo(p.x, r.left, r.right);
    // The frame's bottom edge is value 0 in the linear display.
    const bool zeroLine = chart.m_nDisModel == 1 && r.bottom <= 0;
    const LONG lowest = zeroLine ? std::max<LONG>(r.bottom, 1) : r.bottom;
    c.point.y = clampTo(p.y, lowest, std::max(lowest, r.top));
    if (p.y < lowest && zeroLine)
        c.stop = Stop::AboveZero;
    else if (c.point.x != p.x || c.point.y != p.y)
        c.stop = Stop::Frame;
    return c;
}

EditLimits::Clamped EditLimits::ClampModel(const CDrawRPToH& chart, const LayeredModelPlan& plan, CPoint p)
{
    const CRect& a = chart.m_rcArea;
    Clamped c{p, Stop::None};
    // On a linear scale abscissa 0 is resistivity 0: the side stops one unit
    // right of it. On decades the left edge is a positive resistivity.
    const LONG lowest = plan.logR ? a.left : std::max<LONG>(a.left, 1);
    c.point.x = clampTo(p.x, lowest, std::max(lowest, a.right));
    c.point.y = clampTo(p.y, a.bottom, a.top);
    if (p.x < lowest && !plan.logR)
        c.stop = Stop::AboveZero;
    else if (c.point.x != p.x)
        c.stop = Stop::Frame;
    return c;
}

bool EditLimits::SoundingAt(const CDrawRPCurve& chart, CPoint p, double& abscissa, double& value)
{
    if (chart.m_fXRate == 0 || chart.m_fYRate == 0 || (chart.m_nDisModel != 1 && chart.m_nDisModel != 2))
        return false;
    abscissa = std::pow(10.0, p.x / static_cast<double>(chart.m_fXRate));
    const double h = p.y / static_cast<double>(chart.m_fYRate);
    value = chart.m_nDisModel == 1 ? h : std::pow(10.0, h);
    return true;
}

bool EditLimits::ModelAt(const CDrawRPToH& chart, const LayeredModelPlan& plan, CPoint p, double& resistivity,
                         double& depth)
{
    if (chart.m_fRRate == 0 || chart.m_fHRate == 0)
        return false;
    resistivity = plan.Resistivity(p.x / static_cast<double>(chart.m_fRRate));
    // On decades the top edge stands for the surface.
    const double h = p.y / static_cast<double>(chart.m_fHRate);
    depth = plan.logH && h <= 0 ? 0.0 : plan.Depth(h);
    return true;
}

bool EditLimits::InsideSoundingFrame(const CDrawRPCurve& chart, CPoint p)
{
    const CRect& r = chart.m_rcRegion;
    return p.x >= r.left && p.x <= r.right && p.y >= r.bottom && p.y <= r.top;
}

bool EditLimits::InsideModelArea(const CDrawRPToH& chart, CPoint p)
{
    const CRect& a = chart.m_rcArea;
    return p.x >= a.left && p.x <= a.right && p.y >= a.bottom && p.y <= a.top;
}
