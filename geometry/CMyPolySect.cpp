#include "geometry/CMyPolySect.h"

// Members the table leaves unset are given zero here rather than left
// indeterminate; IntPolyRect sets them before any use.
CMyPolySect::CMyPolySect()
    : m_nLeft(0), m_nBottom(0), m_nWidth(100), m_nHeight(100), m_nDrawOpt1(0), m_nDrawOpt2(1), m_nUnitsPerMm(0),
      m_dXScale(0), m_dYScale(0), m_dXMin(0), m_dXMax(0), m_dYMin(0), m_dYMax(0)
{
}

CMyPolySect::CMyPolySect(CMyPolySect& src)
    : m_XAxis(src.m_XAxis), m_YAxis(src.m_YAxis), m_rcSect(src.m_rcSect), m_nLeft(src.m_nLeft),
      m_nBottom(src.m_nBottom), m_nWidth(src.m_nWidth), m_nHeight(src.m_nHeight), m_nDrawOpt1(src.m_nDrawOpt1),
      m_nDrawOpt2(src.m_nDrawOpt2), m_nUnitsPerMm(src.m_nUnitsPerMm), m_dXScale(src.m_dXScale),
      m_dYScale(src.m_dYScale), m_dXMin(src.m_dXMin), m_dXMax(src.m_dXMax), m_dYMin(src.m_dYMin),
      m_dYMax(src.m_dYMax)
{
    m_Model = src.m_Model;
}

CMyPolySect::~CMyPolySect() = default;

void CMyPolySect::IntPolyRect(int left, int top, int right, int bottom, int unitsPerMm)
{
    m_rcSect.SetRect(left, top, right, bottom);
    m_rcSect.NormalizeRect();
    m_nLeft = left;
    m_nBottom = bottom;
    m_nWidth = right - left;
    m_nHeight = top - bottom;
    m_nUnitsPerMm = unitsPerMm;
    m_dXMin = left;
    m_dXMax = right;
    m_dYMin = bottom;
    m_dYMax = top;
    m_dXScale = (m_dXMax - m_dXMin) / m_nWidth * unitsPerMm;
    m_dYScale = (m_dYMax - m_dYMin) / m_nHeight * unitsPerMm;
    AddXaxis();
}

void CMyPolySect::Reset(int drawOpt1, int drawOpt2, double xMin, double xMax, double yMin, double yMax)
{
    m_dXMin = xMin;
    m_dXMax = xMax;
    m_dYMin = yMin;
    m_dYMax = yMax;
    m_nDrawOpt1 = drawOpt1;
    m_nDrawOpt2 = drawOpt2;
    // One scale for both axes keeps the section at true scale.
    const double s = (xMax - xMin) * m_nUnitsPerMm / m_nWidth;
    m_dXScale = s;
    m_dYScale = s;
    AddXaxis();
}

void CMyPolySect::Creat_model(TMOD2D& model) { m_Model = model; }

BOOL CMyPolySect::IsinPolyRect(POINT pt) { return m_rcSect.PtInRect(pt) ? TRUE : FALSE; }

void CMyPolySect::AddXaxis()
{
    const int orgY = m_nBottom + m_nHeight;
    m_XAxis.intil(1, 1, m_nLeft, orgY, m_dXMin, m_dXMax, m_dXScale, m_nUnitsPerMm);
    m_XAxis.m_nTickDir = 1;
    // Pointing down from the origin, the vertical axis ends there and its
    // minimum lies one axis length below.
    m_YAxis.intil(2, -1, m_nLeft, orgY, m_dYMin, m_dYMax, m_dYScale, m_nUnitsPerMm);
    m_YAxis.m_nTickDir = 2;
}

void CMyPolySect::DrawAll(CDC* pDC)
{
    if (!pDC)
        return;
    m_XAxis.Drawaxis(pDC);
    m_YAxis.Drawaxis(pDC);
    m_Model.draw_filled_model(m_nDrawOpt1, m_nDrawOpt2, m_XAxis.m_ptStart.x, m_YAxis.m_ptStart.y, m_dXMin, m_dYMin,
                              m_dXScale, m_dYScale, static_cast<double>(m_nUnitsPerMm), pDC);
}
