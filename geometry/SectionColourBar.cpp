#include "geometry/SectionColourBar.h"

#include "platform/core/ChartMath.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int kCells = 96;  // colour steps along the column

LOGFONT labelFont(int height, const char* face)
{
    LOGFONT lf{};
    lf.lfHeight = height;
    lf.lfWeight = 400;
    lf.lfPitchAndFamily = 18;
    std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
    return lf;
}

}  // namespace

SectionColourBar::SectionColourBar()
    : m_rcBar(0, 4000, 500, 0), m_nUnitsPerMm(100), m_strTitle("电阻率/Ω·m"), m_nFontHeight(350)
{
}

SectionColourBar::~SectionColourBar() = default;

void SectionColourBar::Place(int left, int top, int width, int bottom, int unitsPerMm)
{
    m_rcBar.SetRect(left, top, left + width, bottom);
    m_nUnitsPerMm = unitsPerMm;
}

CString SectionColourBar::DecadeLabel(int k)
{
    CString s;
    if (k > 6 || k < -6)
        s.Format("1e%d", k);
    else if (k >= 0)
        s.Format("%.0f", std::pow(10.0, k));
    else
        s.Format("%.*f", -k, std::pow(10.0, k));
    return s;
}

void SectionColourBar::Draw(CDC* pDC)
{
    if (!pDC)
        return;
    const CMYColor::Data& d = m_Scale.m_d;
    const double span = d.dLogMax - d.dLogMin;
    const int x0 = m_rcBar.left, x1 = m_rcBar.right;
    const int y0 = m_rcBar.bottom, y1 = m_rcBar.top;
    const int h = y1 - y0;
    if (!(span > 0) || h <= 0 || x1 <= x0)
        return;

    // The column: cells from the lowest resistivity at the bottom upwards,
    // each coloured at its middle.
    for (int i = 0; i < kCells; ++i) {
        const int a = y0 + chartmath::ToUnits(static_cast<double>(h) * i / kCells);
        const int b = y0 + chartmath::ToUnits(static_cast<double>(h) * (i + 1) / kCells);
        const double logRho = d.dLogMin + span * (i + 0.5) / kCells;
        CRect cell(x0, b, x1, a);
        pDC->FillSolidRect(&cell, m_Scale.ColourOf(std::pow(10.0, logRho)));
    }

    CPen pen(PS_SOLID, chartmath::ToUnits(0.15 * m_nUnitsPerMm), RGB(0, 0, 0));
    CPen* oldPen = pDC->SelectObject(&pen);
    const tagPOINT frame[] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
    pDC->Polyline(frame, 5);

    const int major = chartmath::ToUnits(1.5 * m_nUnitsPerMm);
    const int minor = chartmath::ToUnits(0.8 * m_nUnitsPerMm);
    auto yOf = [&](double logRho) { return y0 + chartmath::ToUnits((logRho - d.dLogMin) / span * h); };
    const bool minorTicks = h / span >= 8.0 * m_nUnitsPerMm;
    const int kLo = chartmath::ToUnits(std::ceil(d.dLogMin)), kHi = chartmath::ToUnits(std::floor(d.dLogMax));
    for (int k = kLo; k <= kHi; ++k) {
        const int y = yOf(k);
        pDC->MoveTo(x1, y);
        pDC->LineTo(x1 + major, y);
        for (int m = 2; minorTicks && m <= 9 && k < kHi; ++m) {
            const int ym = yOf(k + std::log10(static_cast<double>(m)));
            pDC->MoveTo(x1, ym);
            pDC->LineTo(x1 + minor, ym);
        }
    }
    pDC->SelectObject(oldPen);

    CFont numbers, title;
    LOGFONT lf = labelFont(m_nFontHeight, "Times New Roman");
    numbers.CreateFontIndirect(&lf);
    lf = labelFont(m_nFontHeight, "宋体");
    title.CreateFontIndirect(&lf);
    CFont* oldFont = pDC->SelectObject(&numbers);
    const COLORREF oldColour = pDC->SetTextColor(RGB(0, 0, 0));
    const UINT oldAlign = pDC->SetTextAlign(TA_LEFT | TA_BOTTOM);
    // Filling the cells set the background colour; labels go on the page as they are.
    const int oldBkMode = pDC->SetBkMode(TRANSPARENT);
    const CSize cell = pDC->GetTextExtent(CString("10"));
    for (int k = kLo; k <= kHi; ++k)
        pDC->TextOut(x1 + major + major / 2, yOf(k) - cell.cy / 2, DecadeLabel(k));
    pDC->SelectObject(&title);
    pDC->SetTextAlign(TA_CENTER | TA_BOTTOM);
    pDC->TextOut((x0 + x1) / 2, y1 + chartmath::ToUnits(2.0 * m_nUnitsPerMm), m_strTitle);
    pDC->SetTextAlign(oldAlign);
    pDC->SetBkMode(oldBkMode);
    pDC->SetTextColor(oldColour);
    pDC->SelectObject(oldFont);
}
