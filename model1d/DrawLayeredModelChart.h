// The whole layered model chart in the order a host paints it: title, frame
// and both scales first, then the staircase outline of the model.
#pragma once

class CDC;
class CDrawRPToH;

void DrawLayeredModelChart(CDrawRPToH& chart, CDC* dc);
