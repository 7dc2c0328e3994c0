// The section part of tarnex-render: reads a 2-D polygon model file (or the
// bundled sample) and writes its section at true scale with a colour bar.
#pragma once

#include "RenderOptions.h"

#include "morvel/TMOD2D.h"

#include <string>

class SectionJob {
public:
    // Reads and checks the model; false with a one-line message.
    bool Prepare(const RenderOptions& opt, std::string& error);
    // Draws the section into opt.output; false with a one-line message, the
    // output file then left as it was.
    bool Render(const RenderOptions& opt, std::string& error);

private:
    std::string m_input;
    TMOD2D m_model;
};
