#include "sounding/CDrawRPCurve.h"

#include "platform/wnd/CFileDialog.h"

#include "chart/ChartMath.h"
#include "platform/wnd/CWnd.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <limits>
#include <memory>
#include <vector>


namespace {

// ---- arithmetic ----
//
// Real values become logical units by truncation toward zero. Data a sounding
// should never hold (NaN, infinities, values far beyond any chart) must still
// give defined results (see chartmath).
using chartmath::ToFloat;
using chartmath::ToUnits;

// A zero divisor (a maximum abscissa whose logarithm is exactly -1, a
// maximum value of exactly -1, a zero rate) gives the infinity of the
// dividend's sign, or NaN for 0 / 0, without evaluating the division.
double Quotient(double a, double b)
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

double Log10(double v) { return v > 0.0 ? std::log10(v) : kNoLogarithm; }

// Decade exponents stay within those of 32-bit floats, one spare decade
// beyond each end included; this also bounds every loop over decades, even
// when a host writes wild values into the decade members.
constexpr int kDecadeLimit = 46;

int DecadeIndex(double decade) { return std::clamp<int>(ToUnits(decade), -kDecadeLimit, kDecadeLimit); }

// The decade of a range end: whole decades by truncation, so the result
// depends on which side of 1 the value lies.
int DecadeOf(float v) { return std::clamp<int>(ToUnits(Log10(v)), -kDecadeLimit + 1, kDecadeLimit - 1); }

// Frame side of a decade: the truncated rate times the decade.
LONG DecadeUnits(float rate, float decade)
{
    return ToUnits(static_cast<double>(ToUnits(rate)) * ToUnits(decade));
}

LONG Offset(LONG a, LONG b) { return ToUnits(static_cast<double>(a) + b); }

// The square marker of side 2h centred on p; top lies above bottom.
CRect MarkerAround(const tagPOINT& p, float h)
{
    return CRect(ToUnits(p.x - static_cast<double>(h)), ToUnits(p.y + static_cast<double>(h)),
                 ToUnits(p.x + static_cast<double>(h)), ToUnits(p.y - static_cast<double>(h)));
}

// Strictly inside, for a rectangle whose top lies above its bottom: a point
// on an edge is outside.
bool HoldsStrictly(const tagRECT& r, const tagPOINT& p)
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

int SampleCount(const CDrawRPCurve& c) { return std::max(0, c.m_nCount); }

// Elements 0 .. n-1 of a, as far as a reaches.
int Reach(const CDrawRPCurve& c, int size) { return std::min(SampleCount(c), size); }

void Fold(const Values& a, int n, float& lo, float& hi)
{
    for (int i = 0; i < n; ++i) {
        if (a[i] < lo)
            lo = a[i];
        if (a[i] > hi)
            hi = a[i];
    }
}

// Points of every curve that has data: the abscissa and the value each on
// decades or on a linear scale. A curve of zeros keeps its points.
void MapCurves(CDrawRPCurve& c, bool logX, bool logY)
{
    for (const Curve& k : kCurves) {
        Values& values = c.*k.values;
        Points& points = c.*k.points;
        if (!c.SampleIsNotZero(values))
            continue;
        const int n = std::min({Reach(c, values.GetSize()), c.m_fX.GetSize(), points.GetSize()});
        for (int i = 0; i < n; ++i) {
            const double x = logX ? Log10(c.m_fX[i]) : c.m_fX[i];
            const double y = logY ? Log10(values[i]) : values[i];
            points[i] = CPoint(ToUnits(x * c.m_fXRate), ToUnits(y * c.m_fYRate));
        }
    }
}

// The polyline of the segments that touch point i of a curve of n points.
// The points are gathered before out is emptied, so pts may lie in out.
void NeighbourPolyline(int i, const tagPOINT* pts, int n, Points& out)
{
    CPoint keep[3];
    int k = 0;
    if (pts && i >= 0 && i < n) {
        if (i == 0) {
            keep[k++] = pts[0];
            if (n > 1)
                keep[k++] = pts[1];
        } else if (i < n - 1) {
            keep[k++] = pts[i - 1];
            keep[k++] = pts[i];
            keep[k++] = pts[i + 1];
        } else {
            keep[k++] = pts[i - 1];
            keep[k++] = pts[i];
        }
    }
    out.RemoveAll();
    for (int j = 0; j < k; ++j)
        out.Add(keep[j]);
}

// ---- drawing ----

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(10, 150, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kDecadeGrid = RGB(0, 0, 0);
constexpr COLORREF kMinorGrid = RGB(155, 155, 0);

constexpr int kTitleFont = 200;  // tenths of a point
constexpr int kLabelFont = 100;

constexpr const char* kTitleLinear = "一维垂直磁分量、视电阻率曲线图";
constexpr const char* kTitleLogLog = "垂直磁分量、视电阻率曲线图";
constexpr LONG kTitleAboveLinear = 1200;  // 12 mm above the frame
constexpr LONG kTitleAboveLogLog = 1000;
constexpr LONG kTitleRight = 500;

// Value lines of the linear value axis drawn at most, labelled ones; beyond
// that many (a huge value range or a tiny step) the lines would paint the
// frame solid, so counting stops there.
constexpr long long kMaxValueLines = 1000;

// Where a drawing lands: the surface drawn on and, for the memory bitmap,
// the window context whose mapping turns the chart's logical points into
// the bitmap's pixels. It selects the chart's own pens and fonts and, when
// done, gives the surface back the pen and font it held and deletes its own.
class Canvas {
public:
    explicit Canvas(CDC* dc, const CDC* mapping = nullptr) : m_dc(dc), m_mapping(mapping) {}
    ~Canvas()
    {
        if (m_oldPen)
            m_dc->SelectObject(m_oldPen);
        if (m_oldFont)
            m_dc->SelectObject(m_oldFont);
        if (m_pen)
            m_pen->DeleteObject();
        if (m_font)
            m_font->DeleteObject();
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // A solid pen one logical unit wide.
    void UsePen(COLORREF colour) { Select(std::make_unique<CPen>(PS_SOLID, 1, colour), m_pen, m_oldPen); }
    // A point font for this surface in the surface's default face.
    void UseFont(int tenths)
    {
        auto font = std::make_unique<CFont>();
        font->CreatePointFont(tenths, "", m_dc);
        Select(std::move(font), m_font, m_oldFont);
    }

    CPoint At(const tagPOINT& logical) const
    {
        tagPOINT p = logical;
        if (m_mapping)
            m_mapping->LPtoDP(&p);
        return p;
    }
    void Line(const tagPOINT& a, const tagPOINT& b)
    {
        m_dc->MoveTo(At(a));
        m_dc->LineTo(At(b));
    }
    void Text(const tagPOINT& at, const CString& text)
    {
        const CPoint p = At(at);
        m_dc->TextOut(p.x, p.y, text);
    }
    void Box(const tagRECT& r)
    {
        const CPoint a = At(CPoint(r.left, r.top));
        const CPoint b = At(CPoint(r.right, r.bottom));
        m_dc->Rectangle(a.x, a.y, b.x, b.y);
    }
    void Polyline(const Points& pts, int n)
    {
        std::vector<CPoint> copy;
        copy.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            copy.push_back(At(pts[i]));
        m_dc->Polyline(copy.data(), n);
    }

private:
    // The first selection of a kind remembers what the surface held; the
    // chart's previous object of the kind goes.
    template <class T>
    void Select(std::unique_ptr<T> object, std::unique_ptr<T>& own, T*& old)
    {
        T* previous = m_dc->SelectObject(object.get());
        if (!old)
            old = previous;
        if (own)
            own->DeleteObject();
        own = std::move(object);
    }

    CDC* m_dc;
    const CDC* m_mapping;
    std::unique_ptr<CPen> m_pen;
    std::unique_ptr<CFont> m_font;
    CPen* m_oldPen = nullptr;
    CFont* m_oldFont = nullptr;
};

enum class Axis { Abscissa, Value };

// A grid line across the frame at pos: upright for the abscissa, level for
// the values.
void CrossLine(const CDrawRPCurve& c, Canvas& cv, Axis axis, LONG pos)
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

// Decades from .. to, each labelled with its power of ten; the last gets no
// line, as the frame's far edge or the data's spare decade stands there.
void DrawDecades(const CDrawRPCurve& c, Canvas& cv, Axis axis, int from, int to)
{
    const double rate = RateOf(c, axis);
    for (int k = from; k <= to; ++k) {
        const LONG pos = ToUnits(k * rate);
        if (k < to)
            CrossLine(c, cv, axis, pos);
        CString label;
        label.Format("%-6.1f", std::pow(10.0, k));
        cv.Text(LabelPoint(c, axis, pos), label);
    }
}

// Lines at 2 .. 9 times each decade from .. to - 1.
void DrawMinorLines(const CDrawRPCurve& c, Canvas& cv, Axis axis, int from, int to)
{
    const double rate = RateOf(c, axis);
    for (int k = from; k < to; ++k)
        for (int j = 2; j <= 9; ++j)
            CrossLine(c, cv, axis, ToUnits(rate * std::log10(j * std::pow(10.0, k))));
}

// Title above the frame, then the label font for the rest, then the frame
// filled with the surface's brush.
void DrawTitleAndFrame(const CDrawRPCurve& c, Canvas& cv, const char* title, LONG above)
{
    cv.UseFont(kTitleFont);
    cv.Text(CPoint(Offset(c.m_rcRegion.left, kTitleRight), Offset(c.m_rcRegion.top, above)), title);
    cv.UseFont(kLabelFont);
    cv.Box(c.m_rcRegion);
}

void DrawLogLogFrame(const CDrawRPCurve& c, Canvas& cv)
{
    const int left = DecadeIndex(c.m_fXLeftDecade), right = DecadeIndex(c.m_fXRightDecade);
    const int bottom = DecadeIndex(c.m_fYBottomDecade), top = DecadeIndex(c.m_fYTopDecade);
    DrawTitleAndFrame(c, cv, kTitleLogLog, kTitleAboveLogLog);
    cv.UsePen(kDecadeGrid);
    DrawDecades(c, cv, Axis::Abscissa, left, right);
    // The bottom decade has the frame's edge for its line and no label.
    DrawDecades(c, cv, Axis::Value, bottom + 1, top);
    cv.UsePen(kMinorGrid);
    DrawMinorLines(c, cv, Axis::Abscissa, left, right);
    DrawMinorLines(c, cv, Axis::Value, bottom, top);
}

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

struct Stroke {
    Curve curve;
    COLORREF colour;
};

void DrawPolylines(const CDrawRPCurve& c, Canvas& cv, std::initializer_list<Stroke> strokes)
{
    for (const Stroke& s : strokes) {
        const Points& pts = c.*s.curve.points;
        cv.UsePen(s.colour);
        cv.Polyline(pts, Reach(c, pts.GetSize()));
    }
}

void DrawMarkers(const CDrawRPCurve& c, Canvas& cv, std::initializer_list<Stroke> strokes)
{
    for (const Stroke& s : strokes) {
        cv.UsePen(s.colour);
        for (const CRect& r : c.*s.curve.rects)
            cv.Box(r);
    }
}

// The screen drawings: logical units straight onto the surface.
template <class Draw>
void DrawOnScreen(CDC* pDC, Draw draw)
{
    if (!pDC)
        return;
    Canvas cv(pDC);
    draw(cv);
}

// The memory-bitmap drawings: the window's context gets the chart's mapping
// and converts every logical point to the window's pixels, which the memory
// context shares.
template <class Draw>
void DrawInWindowPixels(CDrawRPCurve& c, CWnd* pWnd, CDC* pMemDC, Draw draw)
{
    if (!pWnd || !pMemDC)
        return;
    CDC* wndDC = CDC::FromHandle(pWnd->GetDC());
    if (!wndDC)
        return;
    c.SetOrdinate(wndDC);
    {
        Canvas cv(pMemDC, wndDC);
        draw(cv);
    }
    pWnd->ReleaseDC(wndDC);
}

}  // namespace

// ---- construction ----

CDrawRPCurve::CDrawRPCurve()
    : m_fYTopDecade(0), m_fYBottomDecade(0), m_fXRightDecade(0), m_fXLeftDecade(0), m_fMaxY(0), m_fMinY(0),
      m_fMaxX(0), m_fMinX(0), m_lDisWidth(13000), m_lDisHeight(7000), m_fMarkHalf(60.0f), m_fXRate(0),
      m_fYRate(0), m_lOrgX(-1000), m_lOrgY(2000), m_nSelIndex(0), m_nCount(0), m_nSelCurve(0), m_nDisModel(1)
{
}

CDrawRPCurve::~CDrawRPCurve() = default;

// ---- samples ----

void CDrawRPCurve::GetData(CArray<float, float&>& x, CArray<float, float&>& r, CArray<float, float&>& v,
                           CArray<float, float&>& rFwd, CArray<float, float&>& vFwd)
{
    m_nCount = x.GetSize();
    m_fX.Copy(x);
    m_fR.Copy(r);
    m_fV.Copy(v);
    m_fRFwd.Copy(rFwd);
    m_fVFwd.Copy(vFwd);
    GetMaxMin();
    SetDisOrgRegion(m_lDisWidth, m_lDisHeight);
    CalcuDisrate(m_lDisWidth, m_lDisHeight, m_fMaxX, m_fMaxY);
    SetRegionRect();
    ValueToPt();
    SetPtRect();
}

BOOL CDrawRPCurve::SampleIsNotZero(CArray<float, float&>& a)
{
    for (const float e : a)
        if (!(e == 0.0f))  // NaN counts as data
            return TRUE;
    return FALSE;
}

// With no samples (or no first abscissa or measured V to start from) the
// ranges keep their values; there is nothing to read them from.
void CDrawRPCurve::GetMaxMin()
{
    if (SampleCount(*this) == 0 || m_fX.IsEmpty() || m_fV.IsEmpty())
        return;
    const float x0 = m_fX[0];
    const float v0 = m_fV[0];
    if (SampleIsNotZero(m_fX)) {
        float lo = x0, hi = x0;
        Fold(m_fX, Reach(*this, m_fX.GetSize()), lo, hi);
        m_fMinX = lo;
        m_fMaxX = hi;
    }
    float lo = v0, hi = v0;
    for (const Curve& k : kCurves) {
        Values& values = this->*k.values;
        if (SampleIsNotZero(values))
            Fold(values, Reach(*this, values.GetSize()), lo, hi);
    }
    m_fMinY = lo;
    m_fMaxY = hi;
}

// There is no text mode here; "r+" still refuses a file the user may not
// write, as "r+t" does. A row short of five numbers, or text where a number
// belongs, ends the reading: later slots keep what they held. Numbers beyond
// the float range read as infinities (the C library's conversion).
void CDrawRPCurve::ReadData(CString path, float* c1, float* c2, float* c3, float* c4, float* c5, int n)
{
    FILE* f = std::fopen(path, "r+");
    if (!f)
        return;
    if (c1 && c2 && c3 && c4 && c5) {
        for (int i = 0; i < n; ++i)
            if (std::fscanf(f, "%f %f %f %f %f", &c1[i], &c2[i], &c3[i], &c4[i], &c5[i]) != 5)
                break;
    }
    std::fclose(f);
}

// The rows read go nowhere: choosing a file checks that it reads, and the
// chart keeps the sounding it holds until the host hands it new samples.
// The chosen file's first 23 rows become the chart's sounding, the file's
// columns in the order GetData takes them. Rows the file does not hold read
// as zeros.
void CDrawRPCurve::OpenFile()
{
    CFileDialog dlg(TRUE, nullptr, "*.*", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFileFilter, nullptr);
    if (dlg.DoModal() != IDOK)
        return;
    float columns[5][kOpenFileRows] = {};
    ReadFileRows(dlg.GetPathName(), columns);
    CArray<float, float&> a[5];
    for (int k = 0; k < 5; ++k)
        for (float& v : columns[k])
            a[k].Add(v);
    GetData(a[0], a[1], a[2], a[3], a[4]);
}

void CDrawRPCurve::ReadFileRows(const CString& path, float (&columns)[5][kOpenFileRows])
{
    ReadData(path, columns[0], columns[1], columns[2], columns[3], columns[4], kOpenFileRows);
}

// ---- geometry ----

void CDrawRPCurve::SetOrdinate(CDC* pDC)
{
    if (!pDC)
        return;
    pDC->SetMapMode(MM_HIMETRIC);
    pDC->SetWindowOrg(Offset(m_rcRegion.left, m_lOrgX), Offset(m_rcRegion.top, m_lOrgY));
}

void CDrawRPCurve::SetDisOrgRegion(LONG& width, LONG& height)
{
    width = m_lDisWidth;
    height = m_lDisHeight;
}

void CDrawRPCurve::CalcuDisrate(LONG width, LONG height, float maxX, float maxY)
{
    if (m_nDisModel == 1) {
        CalcuLogXDisrate(width, maxX);
        CalcuYDisrate(height, maxY);
    } else if (m_nDisModel == 2) {
        CalcuLogXDisrate(width, maxX);
        CalcuLogYDisrate(height, maxY);
    }
}

void CDrawRPCurve::CalcuXDisrate(LONG width, float maxX)
{
    m_fXRate = ToFloat(Quotient(width, maxX + 1.0));
}

void CDrawRPCurve::CalcuYDisrate(LONG height, float maxY)
{
    m_fYRate = ToFloat(Quotient(height, maxY + 1.0));
}

void CDrawRPCurve::CalcuLogXDisrate(LONG width, float maxX)
{
    m_fXRate = ToFloat(Quotient(width, Log10(maxX) + 1.0));
}

void CDrawRPCurve::CalcuLogYDisrate(LONG height, float maxY)
{
    m_fYRate = ToFloat(Quotient(height, Log10(maxY) + 1.0));
}

void CDrawRPCurve::SetRegionRect()
{
    if (m_nDisModel == 1)
        SetLogXRegionRect();
    else if (m_nDisModel == 2)
        SetLogXLogYRegionRect();
}

// The frame is aligned to whole decades with the truncated rate; the value
// axis runs from 0 to 100 value units above the largest value.
void CDrawRPCurve::SetLogXRegionRect()
{
    m_fXLeftDecade = static_cast<float>(DecadeOf(m_fMinX) - 1);
    m_fXRightDecade = static_cast<float>(DecadeOf(m_fMaxX) + 1);
    m_rcRegion.left = DecadeUnits(m_fXRate, m_fXLeftDecade);
    m_rcRegion.right = DecadeUnits(m_fXRate, m_fXRightDecade);
    m_rcRegion.top = ToUnits((static_cast<double>(m_fMaxY) + 100.0) * m_fYRate);
    m_rcRegion.bottom = 0;
}

// Ranges that reach 0 or below (or are NaN) have no decades; the frame stays.
void CDrawRPCurve::SetLogXLogYRegionRect()
{
    if (!(m_fMinX > 0) || !(m_fMinY > 0))
        return;
    m_fXLeftDecade = static_cast<float>(DecadeOf(m_fMinX) - 1);
    m_fXRightDecade = static_cast<float>(DecadeOf(m_fMaxX) + 1);
    m_fYBottomDecade = static_cast<float>(DecadeOf(m_fMinY) - 1);
    m_fYTopDecade = static_cast<float>(DecadeOf(m_fMaxY) + 1);
    m_rcRegion.left = DecadeUnits(m_fXRate, m_fXLeftDecade);
    m_rcRegion.right = DecadeUnits(m_fXRate, m_fXRightDecade);
    m_rcRegion.top = DecadeUnits(m_fYRate, m_fYTopDecade);
    m_rcRegion.bottom = DecadeUnits(m_fYRate, m_fYBottomDecade);
}

void CDrawRPCurve::SetXYRegionRect() {}

void CDrawRPCurve::ValueToPt()
{
    for (const Curve& k : kCurves)
        (this->*k.points).SetSize(SampleCount(*this));
    if (m_nDisModel == 1)
        ValueLogXToPt();
    else if (m_nDisModel == 2)
        ValueLogXLogYToPt();
}

void CDrawRPCurve::ValueLogXToPt() { MapCurves(*this, true, false); }

void CDrawRPCurve::ValueLogXLogYToPt() { MapCurves(*this, true, true); }

void CDrawRPCurve::ValueXToPt() { MapCurves(*this, false, false); }

// Every curve gets its markers, around whatever points it holds.
void CDrawRPCurve::SetPtRect()
{
    const int n = SampleCount(*this);
    for (const Curve& k : kCurves) {
        const Points& points = this->*k.points;
        Rects& rects = this->*k.rects;
        rects.SetSize(n);
        for (int i = 0; i < std::min(n, points.GetSize()); ++i)
            rects[i] = MarkerAround(points[i], m_fMarkHalf);
    }
}

void CDrawRPCurve::SetDisModel()
{
    GetMaxMin();
    if (m_fMinX > 0 && m_fMinY > 0) {
        CalcuDisrate(m_lDisWidth, m_lDisHeight, m_fMaxX, m_fMaxY);
        SetRegionRect();
        ValueToPt();
        SetPtRect();
    } else {
        m_nDisModel = 1;
    }
}

void CDrawRPCurve::PtToValue(tagPOINT& point, float& value)
{
    if (m_nDisModel == 1)
        value = ToFloat(Quotient(point.y, m_fYRate));
    else if (m_nDisModel == 2)
        value = ToFloat(std::pow(10.0, Quotient(point.y, m_fYRate)));
}

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
    Canvas cv(pDC);
    const int left = DecadeIndex(m_fXLeftDecade), right = DecadeIndex(m_fXRightDecade);
    DrawTitleAndFrame(*this, cv, kTitleLinear, kTitleAboveLinear);
    DrawDecades(*this, cv, Axis::Abscissa, left, right);  // with the surface's own pen
    cv.UsePen(kMinorGrid);
    DrawMinorLines(*this, cv, Axis::Abscissa, left, right);

    // Value lines every 100 units on a small scale, every unit on a large one.
    const float step = m_fYRate < 50.0f ? ToFloat(m_fYRate * 100.0) : m_fYRate;
    if (step == 0.0f || std::isnan(step))
        return;  // no steps to count
    const LONG steps = ToUnits(Quotient(static_cast<double>(m_rcRegion.top) - m_rcRegion.bottom, step));
    if (steps < 0)
        return;
    const long long every = ValueLabelInterval(steps);
    for (long long i = 0; i <= steps && i / every <= kMaxValueLines; i += every)
        DrawYStep(pDC, static_cast<int>(i), step, m_fYRate);
}

void CDrawRPCurve::DrawYStep(CDC* pDC, int i, float step, float rate)
{
    if (!pDC)
        return;
    Canvas cv(pDC);
    const LONG y = ToUnits(static_cast<double>(i) * step);
    CrossLine(*this, cv, Axis::Value, y);
    CString label;
    label.Format("%6.1f", rate < 50.0f ? i * 100.0 : static_cast<double>(i));
    cv.Text(LabelPoint(*this, Axis::Value, y), label);
}

void CDrawRPCurve::DrawLogXLogYRegionRect(CDC* pDC)
{
    SetOrdinate(pDC);
    DrawOnScreen(pDC, [this](Canvas& cv) { DrawLogLogFrame(*this, cv); });
}

void CDrawRPCurve::DrawRCurve(CDC* pDC)
{
    DrawOnScreen(pDC, [this](Canvas& cv) { DrawPolylines(*this, cv, {{kMeasuredR, kRed}, {kModelledR, kGreen}}); });
}

void CDrawRPCurve::DrawVCurve(CDC* pDC)
{
    DrawOnScreen(pDC, [this](Canvas& cv) { DrawPolylines(*this, cv, {{kMeasuredV, kBlack}, {kModelledV, kBlue}}); });
}

void CDrawRPCurve::DrawRPtRect(CDC* pDC)
{
    DrawOnScreen(pDC, [this](Canvas& cv) { DrawMarkers(*this, cv, {{kMeasuredR, kRed}, {kModelledR, kGreen}}); });
}

void CDrawRPCurve::DrawVPtRect(CDC* pDC)
{
    DrawOnScreen(pDC, [this](Canvas& cv) { DrawMarkers(*this, cv, {{kMeasuredV, kBlack}, {kModelledV, kBlue}}); });
}

void CDrawRPCurve::DrawCurve(CDC*) {}

void CDrawRPCurve::DrawRegionRectOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](Canvas& cv) { DrawLogLogFrame(*this, cv); });
}

void CDrawRPCurve::DrawRCurveOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](Canvas& cv) {
        DrawPolylines(*this, cv, {{kMeasuredR, kBlack}, {kModelledR, kBlue}});
    });
}

// The modelled V curve has no polyline on the memory bitmap.
void CDrawRPCurve::DrawPCurveOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](Canvas& cv) { DrawPolylines(*this, cv, {{kMeasuredV, kRed}}); });
}

void CDrawRPCurve::DrawRPtRectOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](Canvas& cv) {
        DrawMarkers(*this, cv, {{kMeasuredR, kBlack}, {kModelledR, kBlue}});
    });
}

void CDrawRPCurve::DrawPPtRectOnMemDC(CWnd* pWnd, CDC* pMemDC)
{
    DrawInWindowPixels(*this, pWnd, pMemDC, [this](Canvas& cv) {
        DrawMarkers(*this, cv, {{kMeasuredV, kRed}, {kModelledV, kBlue}});
    });
}

// ---- editing ----

void CDrawRPCurve::DefineInRect(tagPOINT& point)
{
    for (int i = 0; i < SampleCount(*this); ++i) {
        if (i < m_RRects.GetSize() && HoldsStrictly(m_RRects[i], point)) {
            m_nSelIndex = i;
            m_nSelCurve = 1;
        }
        if (i < m_VRects.GetSize() && HoldsStrictly(m_VRects[i], point)) {
            m_nSelIndex = i;
            m_nSelCurve = 2;
        }
    }
}

// No bound and no snapping: the point may leave the frame and its value
// follows. A pick that names no sample of the curve (the host changed the
// samples under it) moves nothing.
BOOL CDrawRPCurve::IsMoveChange(tagPOINT& point)
{
    const Curve* curve = m_nSelCurve == 1 ? &kMeasuredR : m_nSelCurve == 2 ? &kMeasuredV : nullptr;
    if (!curve)
        return FALSE;
    Points& points = this->*curve->points;
    Rects& rects = this->*curve->rects;
    Values& values = this->*curve->values;
    const int i = m_nSelIndex;
    const int n = std::min(Reach(*this, points.GetSize()), rects.GetSize());
    if (i < 0 || i >= n)
        return FALSE;
    const CPoint to = point;
    points[i] = to;
    rects[i] = MarkerAround(to, m_fMarkHalf);
    NeighbourPolyline(i, points.GetData(), n, m_ChangePts);
    if (i < values.GetSize()) {
        float value = values[i];
        PtToValue(points[i], value);
        values[i] = value;
    }
    return TRUE;
}

void CDrawRPCurve::BackChangePtAndBorderPt(int index, tagPOINT* points, CArray<CPoint, CPoint>& out)
{
    NeighbourPolyline(index, points, SampleCount(*this), out);
}

void CDrawRPCurve::GetChangePtAndBorderPt(CArray<CPoint, CPoint>& out)
{
    if (&out == &m_ChangePts)
        return;
    out.RemoveAll();
    for (const CPoint& p : m_ChangePts)
        out.Add(p);
}

void CDrawRPCurve::DrawChangePt(CArray<CPoint, CPoint>& points, CDC* pDC)
{
    if (pDC)
        pDC->Polyline(points.GetData(), points.GetSize());
}

void CDrawRPCurve::SetTooltip(CWnd* pWnd, tagPOINT& point)
{
    CString legend = CString("黑色(红色)--实测\n") + "蓝色(绿色)--正演\n";
    if (HoldsStrictly(m_rcRegion, point)) {
        m_ToolTip.AddTool(pWnd, legend, nullptr, 0);
        m_ToolTip.SendMessage(TTM_UPDATE);
    } else {
        m_ToolTip.SendMessage(TTM_POP);
    }
}
