#include "axis/AxisSampleSheet.h"

#include <cstdlib>

namespace {

constexpr int kNear = 3 * AxisSampleSheet::kUnitsPerMm;
const CPoint kAxisOrigin(25 * AxisSampleSheet::kUnitsPerMm, 25 * AxisSampleSheet::kUnitsPerMm);
const CPoint kGridOrigin(160 * AxisSampleSheet::kUnitsPerMm, 25 * AxisSampleSheet::kUnitsPerMm);

bool between(int v, int a, int b)
{
    return v >= std::min(a, b) - kNear && v <= std::max(a, b) + kNear;
}

}  // namespace

AxisSampleSheet::AxisSampleSheet()
{
    // Whole-numbered ticks at a round step, titled.
    auto sample = [](CMyAxis& axis, int kind, double max, double scale, float step, const char* title) {
        axis.intil(kind, 1, kAxisOrigin.x, kAxisOrigin.y, 0, max, scale, kUnitsPerMm);
        axis.m_fTickStep = step;
        axis.m_nDecimals = 0;
        axis.m_strTitle = title;
        axis.m_bTitle = 1;
        axis.CreatAxis();
    };
    sample(m_xAxis, 1, 100, 1, 20, "距离(m)");
    sample(m_yAxis, 2, 400, 5, 100, "深度(m)");

    m_grid.intil(kGridOrigin.x, kGridOrigin.y, 0, 10, 0.125, 0, 5, 0.0625, kUnitsPerMm);
    m_grid.m_dXTickStep = 2;
    m_grid.m_dYTickStep = 1;
    m_grid.m_nXDecimals = 1;
    m_grid.m_nYDecimals = 1;
    m_grid.m_strXTitle = "X(km)";
    m_grid.m_strYTitle = "Y(km)";
    m_grid.CreatAxis();
}

AxisSampleSheet::~AxisSampleSheet() = default;

void AxisSampleSheet::Draw(CDC* pDC)
{
    if (!pDC)
        return;
    pDC->SetMapMode(MM_HIMETRIC);
    pDC->SetBkMode(TRANSPARENT);
    m_xAxis.Drawaxis(pDC);
    m_yAxis.Drawaxis(pDC);
    m_grid.DrawGridaxis(pDC);
}

AxisSampleSheet::Part AxisSampleSheet::HitTest(const CPoint& p) const
{
    if (std::abs(p.y - m_xAxis.m_ptStart.y) <= kNear && between(p.x, m_xAxis.m_ptStart.x, m_xAxis.m_ptEnd.x))
        return Part::XAxis;
    if (std::abs(p.x - m_yAxis.m_ptStart.x) <= kNear && between(p.y, m_yAxis.m_ptStart.y, m_yAxis.m_ptEnd.y))
        return Part::YAxis;
    if (between(p.x, m_grid.m_nX0, m_grid.m_nX1) && between(p.y, m_grid.m_nY0, m_grid.m_nY1))
        return Part::Grid;
    return Part::None;
}

void AxisSampleSheet::DrawSamples(CDC* pDC)
{
    AxisSampleSheet sheet;
    sheet.Draw(pDC);
}
