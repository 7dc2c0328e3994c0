// One run of tarnex-render: load the data the options name, lay the chart
// out, and write it to the output file.
#pragma once

#include "ProfileJob.h"
#include "SectionJob.h"
#include "RenderOptions.h"

#include "model1d/LayeredModelFile.h"
#include "sounding/SoundingFigure.h"
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
    // A remark for the user about how the data is drawn (empty: none).
    const std::string& Note() const noexcept { return m_note; }
    // "misfit: X %" when a model drives the modelled curves (empty: none).
    const std::string& Misfit() const noexcept { return m_misfit; }

private:
    bool InputPath(const char* sample, std::string& path, std::string& error) const;
    bool PrepareSounding(std::string& error);
    bool PrepareModel(std::string& error);
    // The model's response into the sounding's modelled columns (--forward).
    bool PrepareForward(const std::string& input, std::string& error);
    bool RenderSounding(CString& error);
    bool RenderModel(CString& error);

    RenderOptions m_opt;
    ProfileJob m_profile;
    SectionJob m_section;
    SoundingTable m_table;
    LayeredModel m_model;
    int m_displayModel = 1;
    SoundingFigure m_figure;
    std::string m_note;
    std::string m_misfit;
};
