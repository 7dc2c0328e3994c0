#include "model1d/LayeredModelFigure.h"

#include "chart/FigureText.h"
#include "model1d/CDrawRPToH.h"
#include "model1d/DrawLayeredModelChart.h"

#include <algorithm>

void LayeredModelFigure::Prepare(CDrawRPToH& chart) const
{
    chart.m_bResistivityHeadroom = headroom ? TRUE : FALSE;
    chart.m_bKeepLabelsApart = keepLabelsApart ? TRUE : FALSE;
}

void DrawLayeredModelFigure(CDrawRPToH& chart, CDC* dc, const LayeredModelFigure& figure)
{
    if (!dc)
        return;
    DrawLayeredModelChart(chart, dc);
    const CRect drawn = FigureText::DrawnBox(dc, [&chart](CDC* probe) { chart.DrawOrdinate(probe); });
    const CRect& area = chart.m_rcArea;
    const CRect below(area.left, area.bottom, area.right, std::min(drawn.top, drawn.bottom));
    FigureText::TitleBelow(dc, area, below, figure.resistivityTitle);
    FigureText::TitleRight(dc, area, drawn, figure.depthTitle);
}
