#include "model1d/DrawLayeredModelChart.h"

#include "model1d/CDrawRPToH.h"

void DrawLayeredModelChart(CDrawRPToH& chart, CDC* dc)
{
    chart.DrawOrdinate(dc);
    chart.DrawCurve(dc);
}
