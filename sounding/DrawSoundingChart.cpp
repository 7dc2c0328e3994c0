#include "sounding/DrawSoundingChart.h"

#include "sounding/CDrawRPCurve.h"

void DrawSoundingChart(CDrawRPCurve& chart, CDC* dc)
{
    chart.DrawRegionRect(dc);
    chart.DrawRCurve(dc);
    chart.DrawVCurve(dc);
    chart.DrawRPtRect(dc);
    chart.DrawVPtRect(dc);
}
