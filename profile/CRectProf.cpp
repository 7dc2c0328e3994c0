#include "profile/CRectProf.h"

#include <algorithm>
#include <cstdint>

namespace {

int difference(int a, int b)
{
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) - b, INT32_MIN, INT32_MAX));
}

}  // namespace

CRectProf::CRectProf()
    : m_nOrgX(0), m_nOrgY(0), m_nWidth(100), m_nHeight(100), m_nUnitsPerMm(1), m_dXScale(1.0), m_dYScale(1.0),
      m_dXMin(0.0), m_dXMax(100.0), m_dYMin(0.0), m_dYMax(100.0)
{
}

CRectProf::~CRectProf() = default;

void CRectProf::IntRect(int left, int top, int right, int bottom, int unitsPerMm)
{
    m_rcPanel = CRect(left, top, right, bottom);
    m_rcPanel.NormalizeRect();
    m_nOrgX = left;
    m_nOrgY = bottom;
    m_nWidth = difference(right, left);
    m_nHeight = difference(top, bottom);
    m_nUnitsPerMm = unitsPerMm;
    // Until Reset, values are logical coordinates and the axes span the panel.
    Reset(left, right, bottom, top);
}

void CRectProf::Reset(double xMin, double xMax, double yMin, double yMax)
{
    m_dXMin = xMin;
    m_dXMax = xMax;
    m_dYMin = yMin;
    m_dYMax = yMax;
    m_dXScale = (xMax - xMin) * m_nUnitsPerMm / m_nWidth;
    m_dYScale = (yMax - yMin) * m_nUnitsPerMm / m_nHeight;
    AddXaxis();
}

void CRectProf::AddXaxis()
{
    m_XAxis.intil(1, 1, m_nOrgX, m_nOrgY, m_dXMin, m_dXMax, m_dXScale, m_nUnitsPerMm);
    m_YAxis.intil(2, 1, m_nOrgX, m_nOrgY, m_dYMin, m_dYMax, m_dYScale, m_nUnitsPerMm);
}

void CRectProf::Add_a_prof(const double* xs, const double* ys, int n)
{
    CMyProf prof;
    prof.CreatLine(m_dXMin, m_dYMin, m_dXScale, m_dYScale, m_XAxis.m_ptStart.x, m_XAxis.m_ptStart.y, xs, ys, n,
                   m_nUnitsPerMm);
    m_Profs.Add(prof);
}

template <class T>
void CRectProf::setProf(int index, const T* xs, const T* ys, int n)
{
    if (index < 0 || index >= kMaxProfiles)
        return;
    CMyProf prof;
    if (index < m_Profs.GetSize()) {
        const CMyProf& old = m_Profs[index];
        prof.m_crColor = old.m_crColor;
        prof.m_fWidth = old.m_fWidth;
        prof.m_nStyle = old.m_nStyle;
        prof.m_nMapMode = old.m_nMapMode;
        prof.m_fUnitsPerMm = old.m_fUnitsPerMm;
    }
    prof.CreatLine(m_dXMin, m_dYMin, m_dXScale, m_dYScale, m_XAxis.m_ptStart.x, m_XAxis.m_ptStart.y, xs, ys, n,
                   m_nUnitsPerMm);
    if (index >= m_Profs.GetSize())
        m_Profs.SetSize(index + 1);
    m_Profs[index].Copy(prof);
}

void CRectProf::Set_a_prof(int index, const double* xs, const double* ys, int n) { setProf(index, xs, ys, n); }
void CRectProf::Set_a_prof(int index, const float* xs, const float* ys, int n) { setProf(index, xs, ys, n); }

void CRectProf::adjustAll(const CPoint& origin)
{
    for (CMyProf& p : m_Profs)
        p.Adjust(m_dXMin, m_dYMin, m_dXScale, m_dYScale, origin.x, origin.y, m_nUnitsPerMm);
}

// The axis keeps single precision; the panel widens it back to double. The
// values are taken whether or not the user confirmed the dialog.
void CRectProf::FollowXAxis()
{
    m_dXMin = m_XAxis.m_fMin;
    m_dXMax = m_XAxis.m_fMax;
    m_dXScale = m_XAxis.m_fScale;
    adjustAll(m_XAxis.m_ptStart);
}

void CRectProf::FollowYAxis()
{
    m_dYMin = m_YAxis.m_fMin;
    m_dYMax = m_YAxis.m_fMax;
    m_dYScale = m_YAxis.m_fScale;
    adjustAll(m_YAxis.m_ptStart);
}

void CRectProf::DrawAll(CDC* pDC)
{
    if (!pDC)
        return;
    for (CMyProf& p : m_Profs)
        p.DrawProfile(pDC);
    m_XAxis.Drawaxis(pDC);
    m_YAxis.Drawaxis(pDC);
}

void CRectProf::DrawRect(CDC* pDC)
{
    if (!pDC)
        return;
    CBrush brush;
    brush.CreateSolidBrush(RGB(0, 255, 0));
    CDC* out = pDC->m_hDC ? pDC->m_hDC : pDC;
    out->FillRect(&m_rcPanel, &brush);
    brush.DeleteObject();
}

BOOL CRectProf::IsinPolyRect(tagPOINT pt) { return m_rcPanel.PtInRect(pt) ? TRUE : FALSE; }
