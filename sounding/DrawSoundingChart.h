// The whole sounding chart in the order a host paints it: frame, grid,
// labels and title first, then the R and V curves, then their markers.
#pragma once

class CDC;
class CDrawRPCurve;

void DrawSoundingChart(CDrawRPCurve& chart, CDC* dc);
