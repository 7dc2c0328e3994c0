#include "RenderJob.h"

#include "axis/AxisSampleSheet.h"
#include "chart/ChartExporter.h"
#include "model1d/CDrawRPToH.h"
#include "model1d/DrawLayeredModelChart.h"
#include "model1d/LayeredModelRender.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

std::string RenderJob::BundledData(const char* name)
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const fs::path installed = exe.parent_path().parent_path() / "share" / "tarnex" / name;
        if (fs::exists(installed, ec))
            return installed.string();
    }
    return (fs::path(TARNEX_DATA_DIR) / name).string();
}

bool RenderJob::Prepare(std::string& error)
{
    switch (m_opt.chart) {
    case RenderOptions::Chart::Sounding: return PrepareSounding(error);
    case RenderOptions::Chart::LayeredModel: return PrepareModel(error);
    case RenderOptions::Chart::Axes: return true;
    case RenderOptions::Chart::Profile: return m_profile.Prepare(m_opt, error);
    }
    return false;
}

bool RenderJob::Render(std::string& error)
{
    switch (m_opt.chart) {
    case RenderOptions::Chart::Sounding: return RenderSounding(error);
    case RenderOptions::Chart::LayeredModel: return RenderModel(error);
    case RenderOptions::Chart::Profile: return m_profile.Render(m_opt, error);
    case RenderOptions::Chart::Axes: {
        CString e;
        if (ChartExporter::Export(&AxisSampleSheet::DrawSamples, m_opt.output.c_str(), m_opt.dpi, e))
            return true;
        error = e.str();
        return false;
    }
    }
    return false;
}

bool RenderJob::PrepareModel(std::string& error)
{
    const std::string input = m_opt.input.empty() ? BundledData("layered-model.txt") : m_opt.input;
    CString err;
    if (!LayeredModelFile::Read(input.c_str(), m_model, err)) {
        error = err.str();
        return false;
    }
    return true;
}

bool RenderJob::RenderModel(std::string& error)
{
    CDrawRPToH chart;
    LayeredModelRender::Load(chart, m_model);
    CString e;
    if (!ChartExporter::Export([&](CDC* dc) { DrawLayeredModelChart(chart, dc); }, m_opt.output.c_str(), m_opt.dpi,
                               e)) {
        error = e.str();
        return false;
    }
    return true;
}

bool RenderJob::PrepareSounding(std::string& error)
{
    const std::string input = m_opt.input.empty() ? BundledData("sounding.dat") : m_opt.input;
    SoundingTable& t = m_table;
    CString err;
    if (!SoundingFile::Read(input.c_str(), m_opt.rows, t, err)) {
        error = input + ": " + err.str();
        return false;
    }
    // The abscissa is drawn on decades: every value must be positive. The
    // log-log model needs positive values on every curve as well.
    for (int i = 0; i < t.Rows(); ++i) {
        if (!(t.x[i] > 0)) {
            error = input + ": row " + std::to_string(i + 1) + ": the abscissa must be positive";
            return false;
        }
        if (m_opt.model == 2 && !(t.r[i] > 0 && t.v[i] > 0 && t.rFwd[i] > 0 && t.vFwd[i] > 0)) {
            error = input + ": row " + std::to_string(i + 1) + ": model 2 draws values on decades, all must be positive";
            return false;
        }
    }

    float maxX = t.x[0];
    for (int i = 1; i < t.Rows(); ++i)
        maxX = std::max(maxX, t.x[i]);
    if (!(maxX > 0.1f)) {
        error = input + ": the largest abscissa must exceed 0.1 to span a decade";
        return false;
    }
    return true;
}

bool RenderJob::RenderSounding(std::string& error)
{
    SoundingTable& t = m_table;
    CDrawRPCurve chart;
    chart.GetData(t.x, t.r, t.v, t.rFwd, t.vFwd);
    if (m_opt.model == 2) {
        chart.m_nDisModel = 2;
        chart.SetDisModel();
    }
    CString e;
    if (!ChartExporter::Export([&](CDC* dc) { DrawSoundingChart(chart, dc); }, m_opt.output.c_str(), m_opt.dpi, e)) {
        error = e.str();
        return false;
    }
    return true;
}
