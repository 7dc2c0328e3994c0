// Drawing of the sounding chart on a surface that carries its mapping: the
// frame and grid of either model, the curves and their markers.
#include "sounding/CDrawRPCurve.h"

#include "chart/LabelLayout.h"
#include "chart/TickGenerator.h"
#include "sounding/SoundingChartParts.h"

#include <cmath>
#include <optional>

using namespace soundingparts;

namespace {

constexpr COLORREF kDecadeGrid = RGB(0, 0, 0);
constexpr COLORREF kMinorGrid = RGB(155, 155, 0);

constexpr int kTitleFont = 200;  // tenths of a point
constexpr int kLabelFont = 100;

constexpr const char* kTitleLinear = "一维垂直磁分量、视电阻率曲线图";
constexpr const char* kTitleLogLog = "垂直磁分量、视电阻率曲线图";
constexpr LONG kTitleAboveLinear = 1200;  // 12 mm above the frame
constexpr LONG kTitleAboveLogLog = 1000;
constexpr LONG kTitleRight = 500;

enum class Axis { Abscissa, Value };

// A grid line across the frame at pos: upright for the abscissa, level for
// the values.
void CrossLine(const CDrawRPCurve& c, ChartCanvas& cv, Axis axis, LONG pos)
{
    const CRect& r = c.m_rcRegion;
    if (axis == Axis::Abscissa)
        cv.Line(CPoint(pos, r.bottom), CPoint(pos, r.top));
    else
        cv.Line(CPoint(r.left, pos), CPoint(r.right, pos));
}

// Labels hang from the frame's bottom edge under abscissa lines and from
// its right edge beside value lines.
CPoint LabelPoint(const CDrawRPCurve& c, Axis axis, LONG pos)
{
    return axis == Axis::Abscissa ? CPoint(pos, c.m_rcRegion.bottom) : CPoint(c.m_rcRegion.right, pos);
}

float RateOf(const CDrawRPCurve& c, Axis axis) { return axis == Axis::Abscissa ? c.m_fXRate : c.m_fYRate; }

// Labels kept apart keep this much room between them: 0.5 mm.
constexpr int kLabelGap = 50;

// Writes a label at its place, or, with labels kept apart, where it clears
// the labels before it: a value label may rise to sit above its line, an
// abscissa label has no other place and is left out.
void DrawLabel(ChartCanvas& cv, LabelLayout* apart, Axis axis, CPoint at, const CString& label)
{
    if (!apart) {
        cv.Text(at, label);
        return;
    }
    std::optional<CPoint> place;
    if (axis == Axis::Value) {
        const CRect box = apart->BoxAt(label, at);
        const CPoint raised(at.x, Offset(at.y, box.top - box.bottom + kLabelGap));
        place = apart->Place(label, {at, raised});
    } else {
        place = apart->Place(label, {at});
    }
    if (place)
        cv.Text(*place, label);
}

// Decades from .. to, each labelled with its power of ten; the last gets no
// line, as the frame's far edge or the data's spare decade stands there.
void DrawDecades(const CDrawRPCurve& c, ChartCanvas& cv, Axis axis, int from, int to, LabelLayout* apart)
{
    const double rate = RateOf(c, axis);
    for (int k = from; k <= to; ++k) {
        const LONG pos = ToUnits(k * rate);
        if (k < to)
            CrossLine(c, cv, axis, pos);
        CString label;
        if (c.m_bHostLabels)
            continue;
        label.Format("%-6.1f", std::pow(10.0, k));
        DrawLabel(cv, apart, axis, LabelPoint(c, axis, pos), label);
    }
}

// Lines at 2 .. 9 times each decade from .. to - 1.
// One labelled value line of the linear value axis: every 100 value units
// on a small scale, every unit on a large one.
void DrawValueStep(const CDrawRPCurve& c, ChartCanvas& cv, int i, float step, float rate, LabelLayout* apart)
{
    const LONG y = ToUnits(static_cast<double>(i) * step);
    CrossLine(c, cv, Axis::Value, y);
    CString label;
    label.Format("%6.1f", rate < 50.0f ? i * 100.0 : static_cast<double>(i));
    DrawLabel(cv, apart, Axis::Value, LabelPoint(c, Axis::Value, y), label);
}

void DrawMinorLines(const CDrawRPCurve& c, ChartCanvas& cv, Axis axis, int from, int to)
{
    const double rate = RateOf(c, axis);
    for (int k = from; k < to; ++k)
        for (int j = 2; j <= 9; ++j)
            CrossLine(c, cv, axis, ToUnits(rate * std::log10(j * std::pow(10.0, k))));
}

// Title above the frame, then the label font for the rest, then the frame
// filled with the surface's brush.
void DrawTitleAndFrame(const CDrawRPCurve& c, ChartCanvas& cv, const char* title, LONG above)
{
    cv.UsePointFont(kTitleFont);
    cv.Text(CPoint(Offset(c.m_rcRegion.left, kTitleRight), Offset(c.m_rcRegion.top, above)), title);
    cv.UsePointFont(kLabelFont);
    cv.Box(c.m_rcRegion);
}

}  // namespace

void soundingparts::DrawLogLogFrame(const CDrawRPCurve& c, ChartCanvas& cv)
{
    const int left = DecadeIndex(c.m_fXLeftDecade), right = DecadeIndex(c.m_fXRightDecade);
    const int bottom = DecadeIndex(c.m_fYBottomDecade), top = DecadeIndex(c.m_fYTopDecade);
    DrawTitleAndFrame(c, cv, kTitleLogLog, kTitleAboveLogLog);
    cv.UsePen(kDecadeGrid);
    // Label boxes are measured in the units drawn in: the screen route only.
    std::optional<LabelLayout> apart;
    if (c.m_bKeepLabelsApart && !cv.Converts())
        apart.emplace(cv.dc(), kLabelGap);
    LabelLayout* labels = apart ? &*apart : nullptr;
    DrawDecades(c, cv, Axis::Abscissa, left, right, labels);
    // The bottom decade has the frame's edge for its line and no label.
    DrawDecades(c, cv, Axis::Value, bottom + 1, top, labels);
    cv.UsePen(kMinorGrid);
    DrawMinorLines(c, cv, Axis::Abscissa, left, right);
    DrawMinorLines(c, cv, Axis::Value, bottom, top);
}

namespace {

// Label interval of the value lines: the more steps, the fewer labels.
long long ValueLabelInterval(LONG steps)
{
    if (steps > 80)
        return 80;
    if (steps >= 60)
        return 40;
    if (steps >= 50)
        return 30;
    if (steps >= 40)
        return 20;
    if (steps >= 30)
        return 10;
    return 5;
}

}  // namespace

void soundingparts::DrawPolylines(const CDrawRPCurve& c, ChartCanvas& cv, std::initializer_list<Stroke> strokes)
{
    for (const Stroke& s : strokes) {
        const Points& pts = c.*s.curve.points;
        cv.UsePen(s.colour);
        cv.Polyline(pts, Reach(c, pts.GetSize()));
    }
}

void soundingparts::DrawMarkers(const CDrawRPCurve& c, ChartCanvas& cv, std::initializer_list<Stroke> strokes)
{
    for (const Stroke& s : strokes) {
        cv.UsePen(s.colour);
        for (const CRect& r : c.*s.curve.rects)
            cv.Box(r);
    }
}

namespace {

// The screen drawings: logical units straight onto the surface.
template <class Draw>
void DrawOnScreen(CDC* pDC, Draw draw)
{
    if (!pDC)
        return;
    ChartCanvas cv(pDC);
    draw(cv);
}

}  // namespace

// ---- drawing ----

void CDrawRPCurve::DrawRegionRect(CDC* pDC)
{
    if (m_nDisModel == 1)
        DrawLogXAndYRegionRect(pDC);
    else if (m_nDisModel == 2)
        DrawLogXLogYRegionRect(pDC);
}

void CDrawRPCurve::DrawLogXAndYRegionRect(CDC* pDC)
{
    if (!pDC)
        return;
    SetOrdinate(pDC);
    ChartCanvas cv(pDC);
    const int left = DecadeIndex(m_fXLeftDecade), right = DecadeIndex(m_fXRightDecade);
    DrawTitleAndFrame(*this, cv, kTitleLinear, kTitleAboveLinear);
    std::optional<LabelLayout> apart;
    if (m_bKeepLabelsApart)
        apart.emplace(pDC, kLabelGap);
    LabelLayout* labels = apart ? &*apart : nullptr;
    DrawDecades(*this, cv, Axis::Abscissa, left, right, labels);  // with the surface's own pen
    cv.UsePen(kMinorGrid);
    DrawMinorLines(*this, cv, Axis::Abscissa, left, right);

    if (m_bHostLabels)
        return;  // the host draws the value lines and labels
    // Value lines every 100 units on a small scale, every unit on a large one.
    const float step = m_fYRate < 50.0f ? ToFloat(m_fYRate * 100.0) : m_fYRate;
    if (step == 0.0f || std::isnan(step))
        return;  // no steps to count
    const LONG steps = ToUnits(Quotient(static_cast<double>(m_rcRegion.top) - m_rcRegion.bottom, step));
    if (steps < 0)
        return;
    // Only the labelled lines are drawn: every k-th step, up to the top.
    const long long every = ValueLabelInterval(steps);
    const TickGenerator lines(0.0, static_cast<double>(step) * every, TickGenerator::Capped(steps / every + 1));
    lines.ForEach([&](int k, LONG, bool) {
        if (labels)
            DrawValueStep(*this, cv, static_cast<int>(k * every), step, m_fYRate, labels);
        else
            DrawYStep(pDC, static_cast<int>(k * every), step, m_fYRate);
    });
}

void CDrawRPCurve::DrawYStep(CDC* pDC, int i, float step, float rate)
{
    if (!pDC)
        return;
    ChartCanvas cv(pDC);
    DrawValueStep(*this, cv, i, step, rate, nullptr);
}

void CDrawRPCurve::DrawLogXLogYRegionRect(CDC* pDC)
{
    SetOrdinate(pDC);
    DrawOnScreen(pDC, [this](ChartCanvas& cv) { DrawLogLogFrame(*this, cv); });
}

void CDrawRPCurve::DrawRCurve(CDC* pDC)
{
    DrawOnScreen(pDC, [this](ChartCanvas& cv) { DrawPolylines(*this, cv, {{kMeasuredR, kRed}, {kModelledR, kGreen}}); });
}

void CDrawRPCurve::DrawVCurve(CDC* pDC)
{
    DrawOnScreen(pDC, [this](ChartCanvas& cv) { DrawPolylines(*this, cv, {{kMeasuredV, kBlack}, {kModelledV, kBlue}}); });
}

void CDrawRPCurve::DrawRPtRect(CDC* pDC)
{
    DrawOnScreen(pDC, [this](ChartCanvas& cv) { DrawMarkers(*this, cv, {{kMeasuredR, kRed}, {kModelledR, kGreen}}); });
}

void CDrawRPCurve::DrawVPtRect(CDC* pDC)
{
    DrawOnScreen(pDC, [this](ChartCanvas& cv) { DrawMarkers(*this, cv, {{kMeasuredV, kBlack}, {kModelledV, kBlue}}); });
}

void CDrawRPCurve::DrawCurve(CDC*) {}

