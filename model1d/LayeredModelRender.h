// Loads a layered model into the chart, and renders a model file to an image
// or document, for command-line and batch hosts.
#pragma once

#include "platform/core/CString.h"

class CDrawRPToH;
struct LayeredModel;

class LayeredModelRender {
public:
    // Loads the model into the chart and runs its mapping.
    static void Load(CDrawRPToH& chart, const LayeredModel& model);
    // Reads the model file and writes its chart to outPath (.png, .bmp,
    // .svg or .pdf). False with a one-line message on bad input or a failed
    // write; the output file then is left as it was.
    static bool RenderFile(const char* modelPath, const char* outPath, int dpi, CString& error);
};
