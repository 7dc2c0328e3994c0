#include "axis/CMyGridAxis.h"

#include "axis/AxisArithmetic.h"
#include "axis/AxisDefaults.h"
#include "axis/BoundedNumber.h"
#include "chart/ChartCanvas.h"
#include "platform/core/ChartMath.h"
#include "chart/TickGenerator.h"

#include <algorithm>

using axisarith::AddClamped;


// The members of one direction, so that x and y share every routine.
struct CMyGridAxis::Side {
    double& min;
    double& max;
    double& scale;
    double& length;
    double& tickStart;
    double& tickStep;
    int& tickCount;
    double& tickLength;
    int& decimals;
    CArray<int, int>& pos;
    CStringArray& labels;
    int& bLabels;
    int& bTitle;
    double& gridWidth;
    double& lineWidth;
    LOGFONT& lfLabel;
    COLORREF& crLabel;
    LOGFONT& lfTitle;
    COLORREF& crTitle;
    CString& title;
};

CMyGridAxis::Side CMyGridAxis::side(int which)
{
    if (which == 1)
        return {m_dXMin, m_dXMax, m_dXScale, m_dXLength, m_dXTickStart, m_dXTickStep, m_nXTickCount,
                m_dXTickLength, m_nXDecimals, m_XTickPos, m_XLabels, m_bXLabels, m_bXTitle, m_dXGridWidth,
                m_dXLineWidth, m_lfXLabel, m_crXLabel, m_lfXTitle, m_crXTitle, m_strXTitle};
    return {m_dYMin, m_dYMax, m_dYScale, m_dYLength, m_dYTickStart, m_dYTickStep, m_nYTickCount,
            m_dYTickLength, m_nYDecimals, m_YTickPos, m_YLabels, m_bYLabels, m_bYTitle, m_dYGridWidth,
            m_dYLineWidth, m_lfYLabel, m_crYLabel, m_lfYTitle, m_crYTitle, m_strYTitle};
}

CMyGridAxis::CMyGridAxis()
    : m_nX0(0), m_nY0(0), m_nX1(0), m_nY1(0), m_nXMid(5), m_nYMid(5), m_strXTitle("X"), m_strYTitle("Y"),
      m_bXTitle(1), m_bYTitle(1), m_crXTitle(0), m_crYTitle(0), m_dXLength(10.0), m_dYLength(10.0),
      m_dXLineWidth(static_cast<double>(0.1f)), m_dYLineWidth(static_cast<double>(0.1f)), m_dXMin(0.0),
      m_dYMin(0.0), m_dXMax(10.0), m_dYMax(10.0), m_dXScale(1.0), m_dYScale(1.0), m_dUnitsPerMm(1.0),
      m_nOrgX(0), m_nOrgY(0), m_dXGridWidth(0.1), m_dYGridWidth(0.1), m_dXTickStart(0.0), m_dYTickStart(0.0),
      m_dXTickStep(10.0 * 0.3333333333333333), m_dYTickStep(10.0 * 0.3333333333333333), m_nXTickCount(3),
      m_nYTickCount(3), m_dXTickLength(0.2), m_dYTickLength(0.2), m_bXLabels(1), m_bYLabels(1),
      m_nXDecimals(2), m_nYDecimals(2), m_crXLabel(0), m_crYLabel(0)
{
    intifontsize(m_lfXTitle);
    intifontsize(m_lfYTitle);
    intifontsize(m_lfXLabel);
    intifontsize(m_lfYLabel);
}

CMyGridAxis::CMyGridAxis(const CMyGridAxis& other) = default;
CMyGridAxis& CMyGridAxis::operator=(const CMyGridAxis& other) = default;
CMyGridAxis::~CMyGridAxis() = default;

void CMyGridAxis::intifontsize(LOGFONT& lf) { axisdefaults::DefaultAxisFont(lf); }

void CMyGridAxis::intil(int orgX, int orgY, double xMin, double xMax, double xScale, double yMin, double yMax,
                        double yScale, double unitsPerMm)
{
    m_nOrgX = orgX;
    m_nOrgY = orgY;
    m_dXMin = xMin;
    m_dXMax = xMax;
    m_dXScale = xScale;
    m_dYMin = yMin;
    m_dYMax = yMax;
    m_dYScale = yScale;
    m_dUnitsPerMm = unitsPerMm;
    for (int which : {1, 2}) {
        Side s = side(which);
        const double r = s.max - s.min;
        s.length = r / s.scale;
        s.tickStep = r * 0.3333333333333333;
        s.tickLength = s.length * 0.02;
    }
    CreatAxis();
}

void CMyGridAxis::ResetGridAxisMM()
{
    for (int which : {1, 2}) {
        Side s = side(which);
        s.scale = (s.max - s.min) / s.length;
        // Divided by the overhang, as hosts of this axis have always had it.
        s.tickStep = (s.max - s.min) / s.tickLength;
    }
    CreatAxis();
}

void CMyGridAxis::Resetorg(int orgX, int orgY)
{
    m_nOrgX = orgX;
    m_nOrgY = orgY;
    CreatAxis();
}

void CMyGridAxis::CreatAxis()
{
    m_nX0 = m_nOrgX;
    m_nY0 = m_nOrgY;
    m_nX1 = AddClamped(m_nOrgX, chartmath::ToUnits(m_dXLength * m_dUnitsPerMm));
    m_nY1 = AddClamped(m_nOrgY, chartmath::ToUnits(m_dYLength * m_dUnitsPerMm));
    m_nXMid = static_cast<int>((static_cast<long long>(m_nX0) + m_nX1) / 2);
    m_nYMid = static_cast<int>((static_cast<long long>(m_nY1) + m_nY0) / 2);
    CreatStickMark();
}

void CMyGridAxis::Adjust_Axis_Scale(double scale)
{
    m_dXScale = m_dYScale = scale;
    m_dXLength = (m_dXMax - m_dXMin) / scale;
    m_dYLength = (m_dYMax - m_dYMin) / scale;
    CreatAxis();
}

void CMyGridAxis::CreatStickMark()
{
    for (int which : {1, 2}) {
        Side s = side(which);
        s.tickStart = s.min;
        s.tickCount = TickGenerator::CountFor((s.max - s.tickStart) / s.tickStep);
        s.labels.RemoveAll();
        s.pos.RemoveAll();
        for (int i = 0; i < s.tickCount; ++i) {
            const double v = i * s.tickStep + s.tickStart;
            s.labels.Add(BoundedNumber::Format(v, s.decimals, BoundedNumber::kLabelChars));
            s.pos.Add(chartmath::ToUnits((v - s.min) / s.scale * m_dUnitsPerMm));
        }
    }
}

void CMyGridAxis::DrawGridaxis(CDC* pDC)
{
    if (!pDC || (m_nX0 == m_nX1 && m_nY0 == m_nY1 && m_XTickPos.IsEmpty() && m_YTickPos.IsEmpty()))
        return;
    Draw_xaux_gaxis(pDC);
    Draw_yaux_gaxis(pDC);
    Draw_x_gaxis(pDC);
    Draw_y_gaxis(pDC);
}

void CMyGridAxis::Draw_x_gaxis(CDC* pDC) { drawEdges(1, pDC); }
void CMyGridAxis::Draw_y_gaxis(CDC* pDC) { drawEdges(2, pDC); }

// The two edges that run along one direction: x gives the bottom and top
// edges, y the left and right ones.
void CMyGridAxis::drawEdges(int which, CDC* pDC)
{
    if (!pDC)
        return;
    CPen pen(PS_SOLID, chartmath::ToUnits(m_dUnitsPerMm * side(which).lineWidth), RGB(0, 0, 0));
    CPen* old = pDC->SelectObject(&pen);
    if (which == 1) {
        pDC->MoveTo(m_nX0, m_nY0);
        pDC->LineTo(m_nX1, m_nY0);
        pDC->MoveTo(m_nX0, m_nY1);
        pDC->LineTo(m_nX1, m_nY1);
    } else {
        pDC->MoveTo(m_nX0, m_nY0);
        pDC->LineTo(m_nX0, m_nY1);
        pDC->MoveTo(m_nX1, m_nY0);
        pDC->LineTo(m_nX1, m_nY1);
    }
    pDC->SelectObject(old);
    pen.DeleteObject();
}

void CMyGridAxis::Draw_xaux_gaxis(CDC* pDC) { drawGrid(1, pDC); }
void CMyGridAxis::Draw_yaux_gaxis(CDC* pDC) { drawGrid(2, pDC); }

void CMyGridAxis::drawGrid(int which, CDC* pDC)
{
    Side s = side(which);
    if (!pDC || s.pos.GetSize() < 1 || s.bLabels != 1)
        return;
    CPen grey(PS_SOLID, chartmath::ToUnits(s.gridWidth * m_dUnitsPerMm), RGB(169, 169, 169));
    CPen* old = pDC->SelectObject(&grey);
    DrawStick(which, pDC);
    pDC->SelectObject(old);
    DrawStickText(which, pDC);
    if (s.bTitle == 1)
        DrawTitle(which, pDC);
    grey.DeleteObject();
}

void CMyGridAxis::DrawStick(int which, CDC* pDC)
{
    if (!pDC)
        return;
    const bool x = which == 1;
    Side s = side(x ? 1 : 2);
    const int e = chartmath::ToUnits(s.tickLength * m_dUnitsPerMm * -1.0);
    for (int i = 0; i < s.pos.GetSize(); ++i) {
        const int at = AddClamped(x ? m_nX0 : m_nY0, s.pos[i]);
        if (x) {
            pDC->MoveTo(at, AddClamped(m_nY0, e));
            pDC->LineTo(at, m_nY1);
        } else {
            pDC->MoveTo(AddClamped(m_nX0, e), at);
            pDC->LineTo(m_nX1, at);
        }
    }
}

void CMyGridAxis::DrawStickText(int which, CDC* pDC)
{
    if (!pDC || (which != 1 && which != 2))
        return;
    Side s = side(which);
    const int e = chartmath::ToUnits(s.tickLength * m_dUnitsPerMm * -1.0);
    ChartCanvas text(pDC);
    text.UseFont(s.lfLabel);
    text.UseTextColor(s.crLabel);
    const int half = which == 2 && s.labels.GetSize() > 0 ? text.TextHeight(s.labels[0]) / 2 : 0;
    const int n = std::min(s.pos.GetSize(), s.labels.GetSize());
    for (int i = 0; i < n; ++i) {
        if (which == 1) {
            pDC->SetTextAlign(TA_TOP | TA_CENTER);
            pDC->TextOut(AddClamped(m_nX0, s.pos[i]), AddClamped(m_nY0, e), s.labels[i]);
        } else {
            pDC->SetTextAlign(TA_BOTTOM | TA_RIGHT);
            pDC->TextOut(AddClamped(m_nX0, e), AddClamped(m_nY0, s.pos[i]) - half, s.labels[i]);
        }
    }
}

void CMyGridAxis::DrawTitle(int which, CDC* pDC)
{
    if (!pDC || (which != 1 && which != 2))
        return;
    Side s = side(which);
    ChartCanvas text(pDC);
    text.UseFont(s.lfTitle);
    text.UseTextColor(s.crTitle);
    const int half = text.TextHeight(s.title) / 2;
    if (which == 1) {
        pDC->SetTextAlign(TA_BASELINE | TA_LEFT);
        pDC->TextOut(m_nX1 + half, m_nY0 - half / 2, s.title);
    } else {
        pDC->SetTextAlign(TA_BOTTOM | TA_CENTER);
        pDC->TextOut(m_nX0, m_nY1 + half, s.title);
    }
}
