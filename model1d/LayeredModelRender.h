// Loads a layered model into the chart, lays it out again after an edit, and
// renders it to an image or document: the one glue of hosts, apps and tests.
#pragma once

#include "platform/core/CString.h"

class CDrawRPToH;
struct LayeredModel;
struct LayeredModelFigure;

class LayeredModelRender {
public:
    // Loads the model into the chart and runs its mapping.
    static void Load(CDrawRPToH& chart, const LayeredModel& model);
    // Reads the model file and loads it; the chart is left as it was on failure.
    static bool LoadFile(CDrawRPToH& chart, const char* path, CString& error);
    // After an edit changed the chart's values: ranges, scales, area and
    // points again, for the layers the chart holds.
    static void Relayout(CDrawRPToH& chart);
    // The chart the way it is: title, frame, scales and outline, to outPath
    // (.png, .bmp, .svg or .pdf); a failed write leaves the file as it was.
    static bool Render(CDrawRPToH& chart, const char* outPath, int dpi, CString& error);
    // The chart as a figure (DrawLayeredModelFigure): axis titles as the
    // figure says. The figure's layout option belongs on the chart before
    // it is loaded (LayeredModelFigure::Prepare).
    static bool Render(CDrawRPToH& chart, const LayeredModelFigure& figure, const char* outPath, int dpi,
                       CString& error);
    // One model to one file, as the render command draws it, on a chart of
    // its own prepared for the figure.
    static bool RenderModel(const LayeredModel& model, const LayeredModelFigure& figure, const char* outPath,
                            int dpi, CString& error);
    // Reads the model file and writes its chart to outPath (.png, .bmp,
    // .svg or .pdf). False with a one-line message on bad input or a failed
    // write; the output file then is left as it was.
    static bool RenderFile(const char* modelPath, const char* outPath, int dpi, CString& error);
};
