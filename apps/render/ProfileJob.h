// The profile part of tarnex-render: reads a profile file (or the bundled
// line) and writes its profile panel.
#pragma once

#include "RenderOptions.h"

#include "profile/ProfileFile.h"

#include <string>

class ProfileJob {
public:
    // Reads and checks the file; false with a one-line message.
    bool Prepare(const RenderOptions& opt, std::string& error);
    // Draws the panel into opt.output; false with a one-line message, and
    // the output file then left as it was.
    bool Render(const RenderOptions& opt, std::string& error);

private:
    ProfileTable m_table;
};
