// The whole sounding chart in the order a host paints it: frame, grid,
// labels and title first, then the R and V curves, then their markers.
#pragma once

#include <functional>

class CDC;
class CDrawRPCurve;

// While a measured point is dragged, a view may paint the chart as five
// layers that, drawn in this order, give exactly the pixels of the whole
// drawing: everything below the picked curve's segments around the point
// (that curve's other segments included), those segments, everything from
// there up to the point's marker, the marker, and everything above it. Only
// the two moving layers change between the steps of a drag, so a view can
// keep the other three as images. The picked point is the chart's own pick
// (m_nSelCurve, m_nSelIndex); with nothing picked, the whole drawing is the
// bottom layer and the others are empty.
enum class SoundingLayer {
    Whole,
    BelowMovingLine,
    MovingLine,
    BelowMovingMarker,
    MovingMarker,
    AboveMovingMarker,
};

// Without modelled curves (a measured-only sounding) their polylines and
// markers are left out of every layer. overFrame, when given, draws right
// after the frame, under the curves (a host's own grid lines and labels).
void DrawSoundingChart(CDrawRPCurve& chart, CDC* dc, SoundingLayer layer = SoundingLayer::Whole,
                       bool modelled = true, const std::function<void(CDC*)>& overFrame = {});
