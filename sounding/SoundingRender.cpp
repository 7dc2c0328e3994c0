#include "sounding/SoundingRender.h"

#include "chart/ChartExporter.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"

#include <algorithm>
#include <cmath>

int SoundingRender::Load(CDrawRPCurve& chart, const SoundingTable& table, int model)
{
    SoundingTable t = table;
    // A measured-only sounding has no modelled columns: the chart, which
    // needs all five, holds the measured ones in their place (the figure
    // does not draw them).
    if (t.rFwd.GetSize() < t.Rows())
        t.rFwd = t.r;
    if (t.vFwd.GetSize() < t.Rows())
        t.vFwd = t.v;
    chart.m_nDisModel = 1;
    chart.GetData(t.x, t.r, t.v, t.rFwd, t.vFwd);
    if (model == 2 && chart.m_nCount > 0) {
        chart.m_nDisModel = model;
        chart.SetDisModel();
    }
    return chart.m_nDisModel;
}

int SoundingRender::ReadableModel(const SoundingTable& t, int model, CString& note)
{
    note.Empty();
    if (model != 1 || t.Rows() < 1)
        return model;
    float maxY = t.r[0];
    bool positive = true;
    for (const auto* column : {&t.r, &t.v, &t.rFwd, &t.vFwd}) {
        // A measured-only sounding has no modelled columns to look at.
        if (column->GetSize() < t.Rows())
            continue;
        for (int i = 0; i < t.Rows(); ++i) {
            const float v = (*column)[i];
            maxY = std::max(maxY, v);
            positive = positive && v > 0;
        }
    }
    const double stretch = maxY > -1.0f ? (maxY + 100.0) / (maxY + 1.0) : HUGE_VAL;
    if (stretch <= kMaxLinearStretch)
        return model;
    if (positive) {
        note.Format("the values reach only %g: the linear view would be %.0f times its height, so the log-log "
                    "view (model 2) is drawn",
                    static_cast<double>(maxY), stretch);
        return 2;
    }
    if (std::isfinite(stretch))
        note.Format("the values reach only %g and some are not positive, so the log-log view cannot show them: "
                    "the linear view is drawn %.0f times its height",
                    static_cast<double>(maxY), stretch);
    else
        note.Format("the values reach only %g: the linear view has no height to draw them in",
                    static_cast<double>(maxY));
    return model;
}

bool SoundingRender::Check(const SoundingTable& t, int model, const char* name, CString& error)
{
    if (t.Rows() < 1) {
        error.Format("%s: no samples", name);
        return false;
    }
    // A measured-only sounding has no modelled values to check.
    const bool modelled = t.rFwd.GetSize() >= t.Rows() && t.vFwd.GetSize() >= t.Rows();
    for (int i = 0; i < t.Rows(); ++i) {
        if (!(t.x[i] > 0)) {
            error.Format("%s: row %d: the abscissa must be positive", name, i + 1);
            return false;
        }
        if (model == 2 && !(t.r[i] > 0 && t.v[i] > 0 && (!modelled || (t.rFwd[i] > 0 && t.vFwd[i] > 0)))) {
            error.Format("%s: row %d: model 2 draws values on decades, all must be positive", name, i + 1);
            return false;
        }
    }
    float maxX = t.x[0];
    for (int i = 1; i < t.Rows(); ++i)
        maxX = std::max(maxX, t.x[i]);
    if (!(maxX > 0.1f)) {
        error.Format("%s: the largest abscissa must exceed 0.1 to span a decade", name);
        return false;
    }
    return true;
}

bool SoundingRender::CheckFigure(const SoundingTable& t, const char* name, CString& error)
{
    if (t.Rows() < 1) {
        error.Format("%s: no samples", name);
        return false;
    }
    for (int i = 0; i < t.Rows(); ++i)
        if (!(t.x[i] > 0)) {
            error.Format("%s: row %d: the abscissa must be positive", name, i + 1);
            return false;
        }
    return true;
}

bool SoundingRender::LoadFile(CDrawRPCurve& chart, const char* path, int maxRows, int model, CString& error)
{
    SoundingTable t;
    if (!SoundingFile::Read(path, maxRows, t, error))
        return false;
    if (!Check(t, model, path, error))
        return false;
    Load(chart, t, model);
    return true;
}

bool SoundingRender::Render(CDrawRPCurve& chart, const char* outPath, int dpi, CString& error)
{
    return ChartExporter::Export([&chart](CDC* dc) { DrawSoundingChart(chart, dc); }, outPath, dpi, error);
}

bool SoundingRender::Render(CDrawRPCurve& chart, const SoundingFigure& figure, const char* outPath, int dpi,
                            CString& error)
{
    return ChartExporter::Export([&](CDC* dc) { DrawSoundingFigure(chart, dc, figure); }, outPath, dpi, error);
}

bool SoundingRender::RenderFigure(const SoundingTable& table, const SoundingFigure& figure, const char* outPath,
                                  int dpi, CString& error)
{
    CDrawRPCurve chart;
    if (figure.plan)
        figure.plan->Load(chart, table);
    else
        Load(chart, table, 1);
    return Render(chart, figure, outPath, dpi, error);
}

bool SoundingRender::RenderTable(const SoundingTable& table, int model, const SoundingFigure& figure,
                                 const char* outPath, int dpi, CString& error)
{
    CDrawRPCurve chart;
    Load(chart, table, model);
    return Render(chart, figure, outPath, dpi, error);
}
