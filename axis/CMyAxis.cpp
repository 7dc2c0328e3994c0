#include "axis/CMyAxis.h"

#include "axis/AxisArithmetic.h"
#include "axis/AxisDefaults.h"
#include "axis/BoundedNumber.h"
#include "chart/ChartCanvas.h"
#include "platform/core/ChartMath.h"
#include "chart/TickGenerator.h"

#include <algorithm>

using axisarith::AddClamped;


CMyAxis::CMyAxis()
    : m_strTitle("Y"), m_bTitle(0), m_crTitle(0), m_fLength(10.0f), m_fLineWidth(0.1f), m_nKind(2),
      m_nDirection(1), m_fMin(0.0f), m_fMax(10.0f), m_fScale(1.0f), m_nUnitsPerMm(1), m_dOffset(0.0),
      m_nOrgX(0), m_nOrgY(0), m_fLabelAngle(0.0f), m_nTickDir(2), m_fTickLineWidth(0.1f),
      m_fTickStart(0.0f), m_nTickCount(2), m_bLabels(1), m_nDecimals(2), m_crLabel(0)
{
    intifontsize(m_lfTitle);
    intifontsize(m_lfLabel);
    m_fTickStep = static_cast<float>((static_cast<double>(m_fMax) - m_fMin) * static_cast<double>(0.33333334f));
    m_fTickLength = static_cast<float>(m_fLength * 0.02);
}

CMyAxis::CMyAxis(const CMyAxis& other) = default;
CMyAxis& CMyAxis::operator=(const CMyAxis& other) = default;
CMyAxis::~CMyAxis() = default;

void CMyAxis::intifontsize(LOGFONT& lf) { axisdefaults::DefaultAxisFont(lf); }

void CMyAxis::intil(int kind, int direction, int orgX, int orgY, double min, double max, double scale,
                    int unitsPerMm)
{
    m_fMin = static_cast<float>(min);
    m_fMax = static_cast<float>(max);
    m_fScale = static_cast<float>(scale);
    m_nKind = kind;
    m_nDirection = direction;
    m_nOrgX = orgX;
    m_nOrgY = orgY;
    m_nUnitsPerMm = unitsPerMm;
    const double r = max - min;
    m_fLength = static_cast<float>(r / m_fScale);
    m_fTickStep = static_cast<float>(r * static_cast<double>(0.33333334f));
    m_fTickLength = static_cast<float>(m_fLength * 0.02);
    CreatAxis();
}

void CMyAxis::setminmaxv(double min, double max)
{
    m_fMin = static_cast<float>(min);
    m_fMax = static_cast<float>(max);
    const float r = static_cast<float>(max - min);
    m_fScale = static_cast<float>(static_cast<double>(r) / m_fLength);
    m_fTickStart = m_fMin;
    // The count of the previous layout counts ticks, not intervals.
    m_fTickStep = static_cast<float>(static_cast<double>(r) / m_nTickCount);
    CreatAxis();
}

void CMyAxis::CreatAxis()
{
    m_ptStart = CPoint(m_nOrgX, m_nOrgY);
    m_dOffset = m_nDirection < 0 ? -1.0 * m_fLength : 0.0;
    const int offset = chartmath::ToUnits(m_nUnitsPerMm * m_dOffset);
    const int length = chartmath::ToUnits(m_nUnitsPerMm * static_cast<double>(m_fLength));
    if (m_nKind == 1) {
        m_ptStart.x = AddClamped(m_nOrgX, offset);
        m_ptEnd = CPoint(AddClamped(m_ptStart.x, length), m_nOrgY);
    } else {
        m_ptStart.y = AddClamped(m_nOrgY, offset);
        m_ptEnd = CPoint(m_nOrgX, AddClamped(m_ptStart.y, length));
    }
    CreatStickMark();
}

void CMyAxis::CreatStickMark()
{
    if (m_fTickStart < m_fMin)
        m_fTickStart = m_fMin;
    else if (m_fTickStart > m_fMax)
        m_fTickStart = m_fMax;
    m_nTickCount = TickGenerator::CountFor((static_cast<double>(m_fMax) - m_fTickStart) / m_fTickStep);
    m_Labels.RemoveAll();
    m_TickPos.RemoveAll();
    for (int i = 0; i < m_nTickCount; ++i) {
        const double v = i * static_cast<double>(m_fTickStep) + m_fTickStart;
        m_Labels.Add(BoundedNumber::Format(v, m_nDecimals, BoundedNumber::kLabelChars));
        const float stored = static_cast<float>(v);
        m_TickPos.Add(chartmath::ToUnits((static_cast<double>(stored) - m_fMin) / m_fScale * m_nUnitsPerMm));
    }
}

void CMyAxis::Drawaxis(CDC* pDC)
{
    if (!pDC || (m_ptStart == m_ptEnd && m_TickPos.IsEmpty()))
        return;
    CPen axisPen(PS_SOLID, chartmath::ToUnits(m_nUnitsPerMm * static_cast<double>(m_fLineWidth)), RGB(0, 0, 0));
    CPen* old = pDC->SelectObject(&axisPen);
    pDC->MoveTo(m_ptStart);
    pDC->LineTo(m_ptEnd);
    pDC->SelectObject(old);
    if (m_TickPos.GetSize() >= 1 && m_nTickDir >= 0) {
        CPen tickPen(PS_SOLID, chartmath::ToUnits(m_nUnitsPerMm * static_cast<double>(m_fTickLineWidth)), RGB(0, 0, 0));
        old = pDC->SelectObject(&tickPen);
        DrawStick(pDC);
        pDC->SelectObject(old);
        if (m_bLabels == 1)
            DrawStickText(pDC);
        if (m_bTitle == 1)
            DrawTitle(pDC);
        tickPen.DeleteObject();
    }
    axisPen.DeleteObject();
}

int CMyAxis::signedTickLength() const
{
    if (m_nTickDir == 1)
        return chartmath::ToUnits(m_nUnitsPerMm * static_cast<double>(m_fTickLength));
    if (m_nTickDir == 2)
        return chartmath::ToUnits(-m_nUnitsPerMm * static_cast<double>(m_fTickLength));
    return 0;
}

void CMyAxis::DrawStick(CDC* pDC)
{
    if (!pDC || (m_nTickDir != 1 && m_nTickDir != 2))
        return;
    const int L = signedTickLength();
    for (int i = 0; i < m_TickPos.GetSize(); ++i) {
        const int pos = m_TickPos[i];
        if (m_nKind == 1) {
            const int x = AddClamped(m_ptStart.x, pos);
            pDC->MoveTo(x, m_ptStart.y);
            pDC->LineTo(x, AddClamped(m_ptStart.y, L));
        } else {
            const int y = AddClamped(m_ptStart.y, pos);
            pDC->MoveTo(m_ptStart.x, y);
            pDC->LineTo(AddClamped(m_ptStart.x, L), y);
        }
    }
}

void CMyAxis::DrawTitle(CDC* pDC)
{
    if (!pDC)
        return;
    ChartCanvas text(pDC);
    text.UseFont(m_lfTitle);
    text.UseTextColor(m_crTitle);
    const int half = text.TextHeight(m_strTitle) / 2;
    if (m_nKind == 1) {
        pDC->SetTextAlign(TA_BASELINE | TA_LEFT);
        if (m_nDirection > 0)
            pDC->TextOut(m_ptEnd.x + half, m_ptEnd.y - half / 2, m_strTitle);
        else
            pDC->TextOut(m_ptStart.x - half, m_ptEnd.y - 2 * half, m_strTitle);
    } else if (m_nKind == 2) {
        pDC->SetTextAlign(TA_BOTTOM | TA_CENTER);
        if (m_nDirection > 0)
            pDC->TextOut(m_ptEnd.x, m_ptEnd.y + half, m_strTitle);
        else
            pDC->TextOut(m_ptEnd.x, m_ptStart.y - 3 * half, m_strTitle);
    }
}

namespace {

struct LabelPlacement {
    UINT align;
    int dx;
    int dy;
};

// Where a label sits against its tick, from the label angle (escapement),
// the axis kind and the tick direction. Angles other than 0 and 90 degrees
// turn around the anchor horizontal labels use, without offsets, so a tilted
// label still starts at its tick.
LabelPlacement placeLabel(LONG escapement, int kind, int tickDir, int h)
{
    const bool upright = escapement == 900;
    const bool known = escapement == 0 || upright;
    LabelPlacement p{TA_TOP | TA_CENTER, 0, 0};
    if (!upright) {
        if (kind == 1) {
            if (tickDir == 0)
                p = {TA_TOP | TA_CENTER, 0, -(h / 4)};
            else if (tickDir == 1)
                p = {TA_BOTTOM | TA_CENTER, 0, 0};
            else
                p = {TA_TOP | TA_CENTER, 0, 0};
        } else {
            if (tickDir == 0)
                p = {TA_BOTTOM | TA_RIGHT, -(h / 4), h / 2};
            else if (tickDir == 1)
                p = {TA_BOTTOM | TA_LEFT, (h / 2) / 2, h / 2};
            else
                p = {TA_BOTTOM | TA_RIGHT, 0, h / 2};
        }
    } else if (kind == 1) {
        if (tickDir == 0)
            p = {TA_BOTTOM | TA_LEFT, h / 2, 0};
        else if (tickDir == 1)
            p = {TA_BOTTOM | TA_RIGHT, h / 2, 0};
        else
            p = {TA_BOTTOM | TA_LEFT, h / 2, -((h / 2) / 2)};
    } else {
        p = {tickDir == 1 ? TA_BOTTOM | TA_CENTER : TA_TOP | TA_CENTER, 0, 0};
    }
    if (!known)
        p.dx = p.dy = 0;
    return p;
}

}  // namespace

void CMyAxis::DrawStickText(CDC* pDC)
{
    if (!pDC)
        return;
    const int L = signedTickLength();
    ChartCanvas text(pDC);
    text.UseFont(m_lfLabel);
    text.UseTextColor(m_crLabel);
    // One measurement, of the first label, serves every label.
    const int h = m_Labels.GetSize() > 0 ? text.TextHeight(m_Labels[0]) : 0;
    const LabelPlacement p = placeLabel(m_lfLabel.lfEscapement, m_nKind, m_nTickDir, h);
    const int n = std::min(m_TickPos.GetSize(), m_Labels.GetSize());
    if (m_nKind == 1 || m_nKind == 2) {
        for (int i = 0; i < n; ++i) {
            pDC->SetTextAlign(p.align);
            if (m_nKind == 1)
                pDC->TextOut(AddClamped(m_ptStart.x, m_TickPos[i]) - p.dx, m_ptStart.y + p.dy + L, m_Labels[i]);
            else
                pDC->TextOut(m_ptStart.x + p.dx + L, AddClamped(m_ptStart.y, m_TickPos[i]) - p.dy, m_Labels[i]);
        }
    }
}
