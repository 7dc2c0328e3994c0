// Axis titles around a chart's frame, placed clear of the labels the chart
// drew there: one piece for every chart a host shows or exports as a figure.
#pragma once

#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <functional>

class CDC;

class FigureText {
public:
    // Titles are set in the size of the charts' own axis labels.
    static constexpr int kTitleTenths = 100;
    // Room between a title and what it keeps clear of.
    static constexpr double kGapMm = 1.5;

    // Logical units of the surface's mapping in one millimetre.
    static double UnitsPerMm(const CDC* dc);
    // The box, in the logical units draw works in, of everything draw puts
    // on a surface of dc's resolution; draw sets its own mapping. Top above
    // bottom on surfaces whose y grows upwards, as the charts' are.
    static CRect DrawnBox(const CDC* dc, const std::function<void(CDC*)>& draw);
    // A title centred under frame, below the box clear; returns the box it
    // covers (clear itself when the text is empty). The charts' y grows upwards.
    static CRect TitleBelow(CDC* dc, const CRect& frame, const CRect& clear, const CString& text);
    // A title reading upwards, centred on frame's height, right of clear.
    static CRect TitleRight(CDC* dc, const CRect& frame, const CRect& clear, const CString& text);
};
