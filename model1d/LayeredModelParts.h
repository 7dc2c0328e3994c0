// What the layered model chart's drawing and window files share: colours,
// fonts and tick lengths, and the tick, staircase and title routines that
// the screen and the memory-bitmap drawings both use.
#pragma once

#include "chart/ChartCanvas.h"
#include "platform/core/CRect.h"

namespace modelparts {

constexpr COLORREF kOutlineColour = RGB(0, 0, 255);
constexpr COLORREF kMinorTickColour = RGB(150, 150, 0);
constexpr COLORREF kMajorTickColour = RGB(0, 0, 0);
constexpr int kLabelTenths = 100;  // tenths of a point
constexpr int kMinorTickLen = 20;  // 2 mm
constexpr int kMajorTickLen = 25;  // 2.5 mm

// The two scales: resistivity along the area's bottom edge, depth along
// its right edge.
enum class Scale { Resistivity, Depth };

// A tick reaches from the edge into the area; the label hangs at the edge.
void DrawTick(ChartCanvas& c, const CRect& area, Scale s, int pos, int len, const char* label);
// The staircase: each layer's side at its resistivity from its top to the
// next layer's top, joined across at the interface; the half-space's side
// runs down to bottom. Points already in the surface's units.
void DrawStaircase(CDC* dc, const CPoint* p, int n, int bottom);
// The chart's title at a point in the surface's units, in its own font.
void WriteTitle(CDC* dc, CPoint at);

}  // namespace modelparts
