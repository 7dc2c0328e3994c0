#include "profile/CMyProf.h"

#include "platform/core/ChartMath.h"

#include <algorithm>
#include <cstdint>

namespace {

// A value's place on paper, in logical units from the origin: truncated
// toward zero first, then offset, as the panel's arithmetic requires. The sum
// saturates instead of wrapping past the 32-bit range.
LONG place(double v, double vMin, double scale, double unitsPerMm, int org)
{
    const long long p = static_cast<long long>(chartmath::ToUnits((v - vMin) / scale * unitsPerMm)) + org;
    return static_cast<LONG>(std::clamp<long long>(p, INT32_MIN, INT32_MAX));
}

}  // namespace

CMyProf::CMyProf() : m_crColor(0), m_fWidth(0.1f), m_nStyle(PS_SOLID), m_nMapMode(MM_TEXT), m_fUnitsPerMm(1.0f) {}

CMyProf::CMyProf(const CMyProf& other) : CMyProf() { Copy(other); }

CMyProf& CMyProf::operator=(const CMyProf& other)
{
    Copy(other);
    return *this;
}

CMyProf::~CMyProf() = default;

void CMyProf::Copy(const CMyProf& other)
{
    if (this == &other)
        return;
    m_crColor = other.m_crColor;
    m_fWidth = other.m_fWidth;
    m_nStyle = other.m_nStyle;
    m_nMapMode = other.m_nMapMode;
    m_fUnitsPerMm = other.m_fUnitsPerMm;
    m_ptLine.Copy(other.m_ptLine);
    m_xValue.Copy(other.m_xValue);
    m_yValue.Copy(other.m_yValue);
}

void CMyProf::RemoveAll()
{
    m_ptLine.RemoveAll();
    m_xValue.RemoveAll();
    m_yValue.RemoveAll();
}

float CMyProf::UnitsPerMmOf(int mapMode)
{
    switch (mapMode) {
    case MM_HIMETRIC: return 100.0f;
    case MM_LOMETRIC: return 10.0f;
    case MM_LOENGLISH: return 3.9370079f;
    case MM_HIENGLISH: return 39.370079f;
    case MM_TWIPS: return 56.692913f;
    default: return 1.0f;
    }
}

void CMyProf::DrawReady(CDC* pDC)
{
    if (!pDC)
        return;
    const CDC* attrib = pDC->m_hAttribDC ? pDC->m_hAttribDC : pDC;
    m_nMapMode = attrib->GetMapMode();
    m_fUnitsPerMm = UnitsPerMmOf(m_nMapMode);
}

template <class T>
void CMyProf::createLine(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, const T* xs,
                         const T* ys, int n, int unitsPerMm)
{
    RemoveAll();
    m_fUnitsPerMm = static_cast<float>(unitsPerMm);
    if (n <= 0 || !xs || !ys)
        return;
    m_ptLine.SetSize(n);
    m_xValue.SetSize(n);
    m_yValue.SetSize(n);
    for (int i = 0; i < n; ++i) {
        m_xValue[i] = static_cast<double>(xs[i]);
        m_yValue[i] = static_cast<double>(ys[i]);
    }
    Adjust(xMin, yMin, xScale, yScale, xOrg, yOrg, unitsPerMm);
}

void CMyProf::CreatLine(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, const double* xs,
                        const double* ys, int n, int unitsPerMm)
{
    createLine(xMin, yMin, xScale, yScale, xOrg, yOrg, xs, ys, n, unitsPerMm);
}

void CMyProf::CreatLine(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, const float* xs,
                        const float* ys, int n, int unitsPerMm)
{
    createLine(xMin, yMin, xScale, yScale, xOrg, yOrg, xs, ys, n, unitsPerMm);
}

void CMyProf::Adjust(double xMin, double yMin, double xScale, double yScale, int xOrg, int yOrg, int unitsPerMm)
{
    m_fUnitsPerMm = static_cast<float>(unitsPerMm);
    const double k = m_fUnitsPerMm;
    const int n = std::min(m_xValue.GetSize(), m_yValue.GetSize());
    m_ptLine.SetSize(n);
    for (int i = 0; i < n; ++i) {
        m_ptLine[i].x = place(m_xValue[i], xMin, xScale, k, xOrg);
        m_ptLine[i].y = place(m_yValue[i], yMin, yScale, k, yOrg);
    }
}

void CMyProf::DrawProfile(CDC* pDC)
{
    if (!pDC || m_ptLine.IsEmpty())
        return;
    CPen pen;
    const LONG width = chartmath::ToUnits(static_cast<double>(m_fUnitsPerMm) * m_fWidth);
    // A style outside the five draws solid rather than with whatever pen the
    // surface happens to hold.
    if (!pen.CreatePen(m_nStyle >= PS_SOLID && m_nStyle <= PS_DASHDOTDOT ? m_nStyle : PS_SOLID,
                       std::max<LONG>(width, 0), m_crColor))
        return;
    CPen* old = pDC->SelectObject(&pen);
    CDC* out = pDC->m_hDC ? pDC->m_hDC : pDC;
    out->Polyline(m_ptLine.GetData(), m_ptLine.GetSize());
    if (old)
        pDC->SelectObject(old);
    pen.DeleteObject();
}
