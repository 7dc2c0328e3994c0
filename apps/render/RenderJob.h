// One run of tarnex-render: load the data the options name, lay the chart
// out, and write it to the output file.
#pragma once

#include "ProfileJob.h"
#include "RenderOptions.h"

#include "model1d/LayeredModelFile.h"
#include "sounding/SoundingFile.h"

#include <string>

class RenderJob {
public:
    explicit RenderJob(const RenderOptions& options) : m_opt(options) {}

    // Reads and checks the input; needs no display or font. False with a
    // one-line message.
    bool Prepare(std::string& error);
    // Draws and writes the output; needs a QGuiApplication. False with a
    // one-line message; the output file is then left untouched.
    bool Render(std::string& error);

    // Path of a bundled data file: beside an installed binary
    // (../share/tarnex/NAME), else in the source tree's data folder.
    static std::string BundledData(const char* name);

private:
    bool PrepareSounding(std::string& error);
    bool PrepareModel(std::string& error);
    bool RenderSounding(std::string& error);
    bool RenderModel(std::string& error);

    RenderOptions m_opt;
    ProfileJob m_profile;
    SoundingTable m_table;
    LayeredModel m_model;
};
