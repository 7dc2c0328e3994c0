// What the sounding chart's layout, drawing, editing and window files share:
// the four curves as member triples, the arithmetic of the decades, the
// drawing routines both the screen and the memory-bitmap routes use.
#pragma once

#include "sounding/CDrawRPCurve.h"

#include "chart/ChartCanvas.h"
#include "platform/core/ChartMath.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

namespace soundingparts {

// Real values become logical units by truncation toward zero. Data a sounding
// should never hold (NaN, infinities, values far beyond any chart) must still
// give defined results (see chartmath).
using chartmath::ToFloat;
using chartmath::ToUnits;

// A zero divisor (a maximum abscissa whose logarithm is exactly -1, a
// maximum value of exactly -1, a zero rate) gives the infinity of the
// dividend's sign, or NaN for 0 / 0, without evaluating the division.
inline double Quotient(double a, double b)
{
    if (b == 0.0) {
        if (a > 0.0)
            return std::numeric_limits<double>::infinity();
        if (a < 0.0)
            return -std::numeric_limits<double>::infinity();
        return std::numeric_limits<double>::quiet_NaN();
    }
    return a / b;
}

// Zero, negative and NaN values have no logarithm. They are put at decade
// -45, below every positive 32-bit float, so that such a sample lands far
// off the chart's low side instead of at an infinite coordinate.
constexpr double kNoLogarithm = -45.0;

double Log10(double v);

// Decade exponents stay within those of 32-bit floats, one spare decade
// beyond each end included; this also bounds every loop over decades, even
// when a host writes wild values into the decade members.
constexpr int kDecadeLimit = 46;

inline int DecadeIndex(double decade) { return std::clamp<int>(ToUnits(decade), -kDecadeLimit, kDecadeLimit); }

inline LONG Offset(LONG a, LONG b) { return ToUnits(static_cast<double>(a) + b); }

// The square marker of side 2h centred on p; top lies above bottom.
inline CRect MarkerAround(const tagPOINT& p, float h)
{
    return CRect(ToUnits(p.x - static_cast<double>(h)), ToUnits(p.y + static_cast<double>(h)),
                 ToUnits(p.x + static_cast<double>(h)), ToUnits(p.y - static_cast<double>(h)));
}

// Strictly inside, for a rectangle whose top lies above its bottom: a point
// on an edge is outside.
inline bool HoldsStrictly(const tagRECT& r, const tagPOINT& p)
{
    return r.left < p.x && p.x < r.right && r.bottom < p.y && p.y < r.top;
}

// ---- the four curves ----

using Values = CArray<float, float&>;
using Points = CArray<CPoint, CPoint>;
using Rects = CArray<CRect, CRect>;

struct Curve {
    Values CDrawRPCurve::*values;
    Points CDrawRPCurve::*points;
    Rects CDrawRPCurve::*rects;
};

// In the order the value range folds them and the mapping computes them.
constexpr Curve kMeasuredR{&CDrawRPCurve::m_fR, &CDrawRPCurve::m_RPoints, &CDrawRPCurve::m_RRects};
constexpr Curve kMeasuredV{&CDrawRPCurve::m_fV, &CDrawRPCurve::m_VPoints, &CDrawRPCurve::m_VRects};
constexpr Curve kModelledR{&CDrawRPCurve::m_fRFwd, &CDrawRPCurve::m_RFwdPoints, &CDrawRPCurve::m_RFwdRects};
constexpr Curve kModelledV{&CDrawRPCurve::m_fVFwd, &CDrawRPCurve::m_VFwdPoints, &CDrawRPCurve::m_VFwdRects};
constexpr Curve kCurves[] = {kMeasuredR, kMeasuredV, kModelledR, kModelledV};

inline int SampleCount(const CDrawRPCurve& c) { return std::max(0, c.m_nCount); }

// Elements 0 .. n-1 of an array of the given size, as far as it reaches.
inline int Reach(const CDrawRPCurve& c, int size) { return std::min(SampleCount(c), size); }

// ---- drawing ----

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(10, 150, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct Stroke {
    Curve curve;
    COLORREF colour;
};

// Title, frame, decade grid and labels of the log-log model.
void DrawLogLogFrame(const CDrawRPCurve& c, ChartCanvas& cv);
void DrawPolylines(const CDrawRPCurve& c, ChartCanvas& cv, std::initializer_list<Stroke> strokes);
void DrawMarkers(const CDrawRPCurve& c, ChartCanvas& cv, std::initializer_list<Stroke> strokes);

}  // namespace soundingparts
