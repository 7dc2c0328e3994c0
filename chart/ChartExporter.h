// Writes whatever a drawing routine draws to a PNG, BMP, SVG or PDF file,
// on a page sized to hold the whole drawing with a margin. The file appears
// whole or not at all.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/core/CString.h"

#include <functional>
#include <string>
#include <vector>

class ChartExporter {
public:
    using DrawFn = std::function<void(CDC*)>;

    static constexpr double kMarginMm = 5.0;

    // The output type follows the file name's ending (.png, .bmp, .svg,
    // .pdf, any case). draw is called twice: once to measure, once to draw.
    // False with a one-line message when the type is unknown, nothing is
    // drawn, the page would be too large, or the file cannot be written.
    static bool Export(const DrawFn& draw, const char* path, int dpi, CString& error);
    // The types Export writes, by their file endings in lower case without
    // the dot: "png", "svg", "pdf", "bmp".
    static const std::vector<std::string>& Formats();
    // The file Export would write, in bytes, for a writer of the caller's
    // own; path gives the type and names the file in messages. With
    // checkWritable, fails before drawing when path cannot be written.
    static bool Encode(const DrawFn& draw, const char* path, int dpi, std::string& bytes, CString& error,
                       bool checkWritable = false);
    // True when the file name ends in a type Export writes.
    static bool IsSupported(const char* path);
    // The page Export would make at dpi: its size in pixels, and the shift
    // of the viewport origin that puts the drawing inside the margin. False
    // with a one-line message when nothing is drawn or the page is too large.
    static bool Layout(const DrawFn& draw, int dpi, CSize& pixels, CPoint& shift, CString& error);
};
