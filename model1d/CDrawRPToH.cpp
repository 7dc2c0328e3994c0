// Model data, mapping, side editing and drawing of the layered model chart.
#include "model1d/CDrawRPToH.h"

#include "platform/core/ChartMath.h"
#include "chart/LabelLayout.h"
#include "chart/TickGenerator.h"
#include "model1d/LayeredModelParts.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

using namespace modelparts;

namespace {

const char* const kTitle = "一维地电模型";
constexpr int kTitleTenths = 200;
// Room kept between labels kept apart: 0.5 mm.
constexpr int kLabelGap = 5;
// Half-width of the band around a side in which a press picks it: 1 mm.
constexpr long long kSideReach = 10;

// Conversion to logical units truncates toward zero, defined for NaN and
// values beyond the int range (see chartmath).
using chartmath::ToUnits;

}  // namespace

void modelparts::DrawTick(ChartCanvas& c, const CRect& area, Scale s, int pos, int len, const char* label)
{
    const CPoint edge = s == Scale::Resistivity ? CPoint(pos, area.bottom) : CPoint(area.right, pos);
    const CPoint inner = s == Scale::Resistivity ? CPoint(pos, area.bottom + len) : CPoint(area.right - len, pos);
    c.Line(inner, edge);
    if (label)
        c.Text(edge, CString(label));
}

void modelparts::DrawStaircase(CDC* dc, const CPoint* p, int n, int bottom)
{
    if (n < 1)
        return;
    for (int i = 0; i + 1 < n; ++i) {
        dc->MoveTo(p[i]);
        dc->LineTo(p[i].x, p[i + 1].y);
        dc->LineTo(p[i + 1]);
    }
    dc->MoveTo(p[n - 1]);
    dc->LineTo(p[n - 1].x, bottom);
}

void modelparts::WriteTitle(CDC* dc, CPoint at)
{
    ChartCanvas cv(dc);
    cv.UsePointFont(kTitleTenths);
    dc->TextOut(at.x, at.y, CString(kTitle));
}

CDrawRPToH::CDrawRPToH() = default;

CDrawRPToH::~CDrawRPToH()
{
    m_PPoints.RemoveAll();
    m_RPoints.RemoveAll();
    m_RSides.RemoveAll();
    m_PSides.RemoveAll();
    m_fR.RemoveAll();
    m_fP.RemoveAll();
    m_fH.RemoveAll();
    m_fThick.RemoveAll();
}

// ---- model data and mapping ----

void CDrawRPToH::fillDepths()
{
    if (m_nLayer < 1)
        return;
    m_fH[0] = 0.0f;
    for (int i = 1; i < m_nLayer; ++i)
        m_fH[i] = m_fThick[i - 1] + m_fH[i - 1];
}

void CDrawRPToH::SetRPToHData(CArray<float, float&>& param, CArray<float, float&>& p, int n)
{
    n = std::max(n, 0);
    m_nLayer = n;
    m_fThick.SetSize(n);
    m_fH.SetSize(n);
    m_fR.SetSize(n);
    m_fP.SetSize(n);
    if (n < 1)
        return;
    for (int i = 0; i <= n - 2; ++i) {
        m_fThick[i] = param[i];
        m_fR[i] = param[n - 1 + i];
        m_fP[i] = p[i];
    }
    m_fR[n - 1] = param[2 * n - 2];
    m_fP[n - 1] = p[n - 1];
    fillDepths();
}

void CDrawRPToH::SetRVToHData(CArray<float, float&>& thick, CArray<float, float&>& res, int n)
{
    n = std::max(n, 0);
    m_nLayer = n;
    m_fH.SetSize(n);
    m_fP.SetSize(n);
    m_fThick.Copy(thick);
    m_fR.Copy(res);
    fillDepths();
}

void CDrawRPToH::GetData(CArray<float, float&>& thick, CArray<float, float&>& res, int n)
{
    SetRVToHData(thick, res, n);
    GetMaxMin();
    SetDisRegion(m_lDisWidth, m_lDisHeight);
    CalcuDisrate(m_lDisWidth, m_lDisHeight, m_fMaxR, m_fMaxH);
    SetAreaRect();
    ValueToPt();
}

BOOL CDrawRPToH::SampleIsNotZero(CArray<float, float&>& a)
{
    for (const float v : a) {
        if (v > 0.0f || v < 0.0f)
            return TRUE;
    }
    return FALSE;
}

void CDrawRPToH::GetMaxMin()
{
    // A range over zeros only (one layer has but the depth 0) keeps its
    // previous values; the scan covers the model's layers, not the array.
    // A value that is not a number is passed over, so one bad layer cannot
    // make the whole range (and every scale after it) not a number.
    const auto scan = [this](CArray<float, float&>& a, float& lo, float& hi) {
        if (!SampleIsNotZero(a) || m_nLayer < 1)
            return;
        bool found = false;
        for (int i = 0; i < m_nLayer; ++i) {
            const float v = a[i];
            if (std::isnan(v))
                continue;
            if (!found)
                lo = hi = v;
            found = true;
            if (v < lo)
                lo = v;
            if (v > hi)
                hi = v;
        }
    };
    scan(m_fH, m_fMinH, m_fMaxH);
    scan(m_fR, m_fMinR, m_fMaxR);
}

void CDrawRPToH::SetDisRegion(LONG& width, LONG& height)
{
    width = m_lDisWidth;
    height = m_lDisHeight;
}

double CDrawRPToH::scaleMaxR(double maxR) const
{
    return m_bResistivityHeadroom && maxR > 0 ? maxR * (1.0 + kHeadroom) : maxR;
}

void CDrawRPToH::CalcuDisrate(LONG width, LONG height, float maxR, float maxH)
{
    // A divisor of zero (a maximum between -2 and -1, which the model never
    // holds) leaves the rate at 0: nothing is scaled, and nothing is stored
    // by an edit, rather than an infinite scale.
    const double rUnits = std::trunc(scaleMaxR(maxR)) + 1.0;
    const double hUnits = std::trunc(static_cast<double>(maxH)) + 1.0;
    m_fRRate = rUnits != 0.0 ? chartmath::ToFloat(width / rUnits) : 0.0f;
    m_fHRate = hUnits != 0.0 ? chartmath::ToFloat(-(height / hUnits)) : 0.0f;
    // Stretch the abscissa tenfold when a resistivity unit is under 0.5 mm.
    if (m_fRRate < 5.0f)
        m_fRRate = chartmath::ToFloat(m_fRRate * 10.0);
}

void CDrawRPToH::SetAreaRect()
{
    m_nRScale = ToUnits(std::trunc(scaleMaxR(m_fMaxR)) + 1.0);
    m_nHScale = ToUnits(std::trunc(static_cast<double>(m_fMaxH)) + 5.0);
    m_rcArea.SetRect(0, 0, ToUnits(static_cast<double>(m_nRScale) * m_fRRate),
                     ToUnits(static_cast<double>(m_nHScale) * m_fHRate));
}

void CDrawRPToH::ValueToPt()
{
    const int n = std::max(m_nLayer, 0);
    m_RPoints.SetSize(n + 1);
    m_PPoints.SetSize(n + 1);
    if (n >= 1 && SampleIsNotZero(m_fR)) {
        for (int i = 0; i < n; ++i) {
            m_RPoints[i] = CPoint(ToUnits(static_cast<double>(m_fR[i]) * m_fRRate),
                                  ToUnits(static_cast<double>(m_fH[i]) * m_fHRate));
        }
        m_RPoints[n] = CPoint(ToUnits(static_cast<double>(m_fR[n - 1]) * m_fRRate), m_rcArea.bottom);
    }
    m_RSides.SetSize(n + 1);
    m_PSides.SetSize(n + 1);
    if (n < 1)
        return;
    for (int i = 0; i < n; ++i)
        Create_Sides(m_RSides[i], m_RPoints[i], m_RPoints[i + 1]);
    // The half-space appears twice: as side n-1 and again as side n.
    Create_Sides(m_RSides[n], m_RPoints[n - 1], m_RPoints[n]);
}

void CDrawRPToH::SetOrg(CDC* pDC)
{
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetWindowOrg(-100, 150);
}

// ---- side editing ----

void CDrawRPToH::Create_Sides(tagside& side, tagPOINT p1, tagPOINT p2)
{
    side.x1 = p1.x;
    side.y1 = p1.y;
    side.x2 = p1.x;
    side.y2 = p2.y;
}

BOOL CDrawRPToH::IsPtInPSide(tagPOINT& pt, tagside& side)
{
    // Strictly within 1 mm of the side's line and strictly nearer than the
    // side's length to both of its ends; 64-bit squares hold any int distance.
    const double h = std::fabs(static_cast<double>(side.y2) - side.y1);
    const long long dx = static_cast<long long>(pt.x) - side.x1;
    if (std::llabs(dx) >= kSideReach)
        return FALSE;
    const long long dy1 = static_cast<long long>(pt.y) - side.y1;
    if (std::sqrt(static_cast<double>(dy1 * dy1 + dx * dx)) >= h)
        return FALSE;
    const long long dx2 = static_cast<long long>(pt.x) - side.x2;
    const long long dy2 = static_cast<long long>(pt.y) - side.y2;
    if (std::sqrt(static_cast<double>(dx2 * dx2 + dy2 * dy2)) >= h)
        return FALSE;
    return TRUE;
}

BOOL CDrawRPToH::IsPtInRSide(tagPOINT& pt, tagside& side) { return IsPtInPSide(pt, side); }

void CDrawRPToH::DefinePtInside(tagPOINT& pt)
{
    // The last hit wins: P sides over resistivity sides, deeper over shallower.
    const int lastR = std::min(m_nLayer, m_RSides.GetSize() - 1);
    for (int i = 0; i <= lastR; ++i) {
        if (IsPtInRSide(pt, m_RSides[i])) {
            m_bInSide = TRUE;
            m_bRSide = TRUE;
            m_nSideIndex = i;
        }
    }
    const int lastP = std::min(m_nLayer, m_PSides.GetSize() - 1);
    for (int i = 0; i <= lastP; ++i) {
        if (IsPtInPSide(pt, m_PSides[i])) {
            m_bInSide = TRUE;
            m_bPSide = TRUE;
            m_nSideIndex = i;
        }
    }
}

void CDrawRPToH::moveOutlineSide(CArray<CPoint, CPoint>& pts, CArray<tagside, tagside&>& sides, int k, int x)
{
    const int n = m_nLayer;
    // Side n is the half-space's second copy: it moves the last layer's point.
    const int point = k < n ? k : n - 1;
    if (point < 0 || point + 1 >= pts.GetSize() || k >= sides.GetSize())
        return;
    pts[point].x = x;
    Create_Sides(sides[k], pts[point], pts[point + 1]);
}

void CDrawRPToH::MoveSide(tagPOINT& pt)
{
    const int k = m_nSideIndex;
    if (k < 0 || k > m_nLayer)
        return;
    if (m_bRSide == 1)
        moveOutlineSide(m_RPoints, m_RSides, k, pt.x);
    if (m_bPSide == 1)
        moveOutlineSide(m_PPoints, m_PSides, k, pt.x);
}

void CDrawRPToH::SaveChangeValue(tagPOINT& pt)
{
    if (m_nSideIndex < m_nLayer + 1)
        SetChangeValue(static_cast<float>(pt.x));
}

void CDrawRPToH::SetChangeValue(float x)
{
    const int n = m_nLayer;
    const int k = m_nSideIndex;
    if (m_bRSide != 1 || m_fRRate == 0.0f || k < 0 || k > n)
        return;
    const int layer = k < n ? k : n - 1;
    if (layer < 0 || layer >= m_fR.GetSize())
        return;
    // A tiny rate may carry the quotient beyond the float range: infinity then.
    m_fR[layer] = chartmath::ToFloat(static_cast<double>(x) / m_fRRate);
}

// ---- drawing ----

void CDrawRPToH::TextOutTitle(CRect rc, CDC* pDC)
{
    WriteTitle(pDC, CPoint(rc.left + 50, rc.top + 100));
}

void CDrawRPToH::DrawOrdinate(CDC* pDC)
{
    SetOrg(pDC);
    TextOutTitle(m_rcArea, pDC);
    CPen minor(PS_SOLID, 1, kMinorTickColour);
    CPen major(PS_SOLID, 1, kMajorTickColour);
    ChartCanvas canvas(pDC);
    canvas.UsePointFont(kLabelTenths);
    pDC->Rectangle(&m_rcArea);
    if (m_bHostScales)
        return;
    canvas.Select(&minor);
    std::optional<LabelLayout> apart;
    if (m_bKeepLabelsApart)
        apart.emplace(pDC, kLabelGap);
    // A unit at least 2 mm long is ticked singly, a shorter one every ten;
    // every fifth tick is long and labelled with the value it marks.
    const auto scale = [&](Scale s, double step, double valueStep, int span) {
        if (step == 0.0)
            return;
        const TickGenerator ticks(0.0, step, TickGenerator::CountFor(span / step), 5);
        char label[64];
        ticks.ForEach([&](int i, LONG pos, bool labelled) {
            canvas.Select(&minor);
            DrawTick(canvas, m_rcArea, s, pos, kMinorTickLen, nullptr);
            if (labelled) {
                canvas.Select(&major);
                std::snprintf(label, sizeof label, "%-6.1f", i * valueStep);
                if (!apart) {
                    DrawTick(canvas, m_rcArea, s, pos, kMajorTickLen, label);
                    return;
                }
                DrawTick(canvas, m_rcArea, s, pos, kMajorTickLen, nullptr);
                const CPoint at = s == Scale::Resistivity ? CPoint(pos, m_rcArea.bottom) : CPoint(m_rcArea.right, pos);
                const CRect box = apart->BoxAt(label, at);
                const CPoint raised(at.x, ToUnits(static_cast<double>(at.y) + (box.top - box.bottom) + kLabelGap));
                const auto place = s == Scale::Depth ? apart->Place(label, {at, raised}) : apart->Place(label, {at});
                if (place)
                    canvas.Text(*place, CString(label));
            }
        });
    };
    const bool fineR = m_fRRate >= 20.0f;
    scale(Scale::Resistivity, fineR ? m_fRRate : m_fRRate * 10.0, fineR ? 1.0 : 10.0,
          m_rcArea.right - m_rcArea.left);
    const bool fineH = m_fHRate <= -20.0f;
    scale(Scale::Depth, fineH ? m_fHRate : m_fHRate * 10.0, fineH ? 1.0 : 10.0, m_rcArea.bottom - m_rcArea.top);
}

void CDrawRPToH::DrawCurve(CDC* pDC)
{
    SetOrg(pDC);
    ChartCanvas canvas(pDC);
    canvas.UsePen(kOutlineColour);
    const int n = std::min(m_nLayer, m_RPoints.GetSize());
    DrawStaircase(pDC, m_RPoints.GetData(), n, m_rcArea.bottom);
}
