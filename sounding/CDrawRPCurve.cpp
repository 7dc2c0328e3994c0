// Samples and layout of the sounding chart: the value ranges, the scales,
// the frame aligned to decades, and the points and markers of the curves.
#include "sounding/CDrawRPCurve.h"

#include "sounding/SoundingChartParts.h"

#include <cmath>
#include <cstdio>

using namespace soundingparts;

namespace {

// The decade of a range end: whole decades by truncation, so the result
// depends on which side of 1 the value lies.
int DecadeOf(float v) { return std::clamp<int>(ToUnits(Log10(v)), -kDecadeLimit + 1, kDecadeLimit - 1); }

// Frame side of a decade: the truncated rate times the decade.
LONG DecadeUnits(float rate, float decade)
{
    return ToUnits(static_cast<double>(ToUnits(rate)) * ToUnits(decade));
}

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

// Rows of five numbers into the columns, up to n; a row short of five
// numbers, or text where a number belongs, ends the reading. The count of
// whole rows read comes back.
int ReadRows(const char* path, float* c1, float* c2, float* c3, float* c4, float* c5, int n)
{
    FILE* f = std::fopen(path, "r+");
    if (!f)
        return 0;
    int rows = 0;
    if (c1 && c2 && c3 && c4 && c5) {
        for (; rows < n; ++rows)
            if (std::fscanf(f, "%f %f %f %f %f", &c1[rows], &c2[rows], &c3[rows], &c4[rows], &c5[rows]) != 5)
                break;
    }
    std::fclose(f);
    return rows;
}

}  // namespace

double soundingparts::Log10(double v) { return v > 0.0 ? std::log10(v) : kNoLogarithm; }

// ---- construction ----

CDrawRPCurve::CDrawRPCurve()
    : m_fYTopDecade(0), m_fYBottomDecade(0), m_fXRightDecade(0), m_fXLeftDecade(0), m_fMaxY(0), m_fMinY(0),
      m_fMaxX(0), m_fMinX(0), m_lDisWidth(13000), m_lDisHeight(7000), m_fMarkHalf(60.0f), m_fXRate(0),
      m_fYRate(0), m_lOrgX(-1000), m_lOrgY(2000), m_nSelIndex(0), m_nCount(0), m_nSelCurve(0), m_nDisModel(1),
      m_bKeepLabelsApart(FALSE), m_bHostLabels(FALSE)
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
// belongs, ends the reading: later slots keep what they held (a row read in
// part keeps the numbers it gave). Numbers beyond the float range read as
// infinities (the C library's conversion).
void CDrawRPCurve::ReadData(CString path, float* c1, float* c2, float* c3, float* c4, float* c5, int n)
{
    ReadRows(path, c1, c2, c3, c4, c5, n);
}

int CDrawRPCurve::ReadFileRows(const CString& path, float (&columns)[5][kOpenFileRows])
{
    return ReadRows(path, columns[0], columns[1], columns[2], columns[3], columns[4], kOpenFileRows);
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

