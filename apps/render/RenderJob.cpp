#include "RenderJob.h"

#include "axis/AxisSampleSheet.h"
#include "chart/BundledData.h"
#include "chart/ChartExporter.h"
#include "platform/core/AtomicFile.h"
#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFigure.h"
#include "model1d/LayeredModelRender.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFigure.h"
#include "sounding/SoundingRender.h"

bool RenderJob::Prepare(std::string& error)
{
    // A bad output is found before the input is read and measured.
    CString e;
    if (!ChartExporter::IsSupported(m_opt.output.c_str())) {
        error = "unknown output type for " + m_opt.output + ": use .png, .svg, .pdf or .bmp";
        return false;
    }
    if (!AtomicFile::CheckWritable(m_opt.output.c_str(), e)) {
        error = e.str();
        return false;
    }
    switch (m_opt.chart) {
    case RenderOptions::Chart::Sounding: return PrepareSounding(error);
    case RenderOptions::Chart::LayeredModel: return PrepareModel(error);
    case RenderOptions::Chart::Axes: return true;
    case RenderOptions::Chart::Profile: return m_profile.Prepare(m_opt, error);
    case RenderOptions::Chart::Section: return m_section.Prepare(m_opt, error);
    }
    return false;
}

bool RenderJob::Render(std::string& error)
{
    CString e;
    bool ok = false;
    switch (m_opt.chart) {
    case RenderOptions::Chart::Sounding: ok = RenderSounding(e); break;
    case RenderOptions::Chart::LayeredModel: ok = RenderModel(e); break;
    case RenderOptions::Chart::Profile: return m_profile.Render(m_opt, error);
    case RenderOptions::Chart::Section: return m_section.Render(m_opt, error);
    case RenderOptions::Chart::Axes:
        ok = ChartExporter::Export(&AxisSampleSheet::DrawSamples, m_opt.output.c_str(), m_opt.dpi, e);
        break;
    }
    if (!ok)
        error = e.str();
    return ok;
}

// The input the options name, or the bundled sample.
bool RenderJob::InputPath(const char* sample, std::string& path, std::string& error) const
{
    if (!m_opt.input.empty()) {
        path = m_opt.input;
        return true;
    }
    path = BundledData::Path(sample).str();
    if (path.empty())
        error = std::string("the bundled sample ") + sample + " is not installed";
    return !path.empty();
}

bool RenderJob::PrepareModel(std::string& error)
{
    std::string input;
    if (!InputPath("layered-model.txt", input, error))
        return false;
    CString err;
    if (!LayeredModelFile::Read(input.c_str(), m_model, err)) {
        error = err.str();
        return false;
    }
    return true;
}

bool RenderJob::RenderModel(CString& error)
{
    if (m_opt.plain) {
        CDrawRPToH chart;
        LayeredModelRender::Load(chart, m_model);
        return LayeredModelRender::Render(chart, m_opt.output.c_str(), m_opt.dpi, error);
    }
    return LayeredModelRender::RenderModel(m_model, LayeredModelFigure::For(m_model), m_opt.output.c_str(), m_opt.dpi,
                                           error);
}

bool RenderJob::PrepareSounding(std::string& error)
{
    std::string input;
    if (!InputPath("sounding.dat", input, error))
        return false;
    CString err;
    const auto layout = m_opt.stream ? SoundingFile::Layout::Stream : SoundingFile::Layout::Lines;
    if (!SoundingFile::Read(input.c_str(), m_opt.rows, m_table, err, layout)) {
        error = err.str();
        return false;
    }
    if (m_opt.forward.Given() && !PrepareForward(input, error))
        return false;
    m_table.source.reset();  // nothing is saved: the numbers are enough
    CString note;
    if (m_opt.plain) {
        // The chart alone takes the data as it stands, in the model asked for.
        m_displayModel = SoundingRender::ReadableModel(m_table, m_opt.model == 0 ? 1 : m_opt.model, note);
        m_note = note.str();
        if (!SoundingRender::Check(m_table, m_displayModel, input.c_str(), err)) {
            error = err.str();
            return false;
        }
        return true;
    }
    if (!SoundingRender::CheckFigure(m_table, input.c_str(), err)) {
        error = err.str();
        return false;
    }
    m_figure = SoundingFigure::For(m_table, RenderOptions::ViewOf(m_opt.model));
    m_note = m_figure.plan->note.str();
    return true;
}

bool RenderJob::PrepareForward(const std::string& input, std::string& error)
{
    em1d::TemSystem system;
    const std::string_view text = m_table.source ? std::string_view(*m_table.source) : std::string_view();
    if (!m_opt.forward.System(text, input, system, error))
        return false;
    LayeredModel model;
    CString err;
    if (!LayeredModelFile::Read(m_opt.forward.model.c_str(), model, err)) {
        error = err.str();
        return false;
    }
    double misfit = 0;
    if (!ForwardOption::Apply(m_table, model, system, input, misfit, error))
        return false;
    m_misfit = ForwardOption::MisfitLine(misfit);
    return true;
}

bool RenderJob::RenderSounding(CString& error)
{
    if (m_opt.plain) {
        CDrawRPCurve chart;
        SoundingRender::Load(chart, m_table, m_displayModel);
        return SoundingRender::Render(chart, m_opt.output.c_str(), m_opt.dpi, error);
    }
    return SoundingRender::RenderFigure(m_table, m_figure, m_opt.output.c_str(), m_opt.dpi, error);
}
