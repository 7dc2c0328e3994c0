#include "sounding/SoundingRender.h"

#include "chart/ChartExporter.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingFile.h"

#include <algorithm>

int SoundingRender::Load(CDrawRPCurve& chart, const SoundingTable& table, int model)
{
    SoundingTable t = table;
    chart.m_nDisModel = 1;
    chart.GetData(t.x, t.r, t.v, t.rFwd, t.vFwd);
    if (model == 2 && chart.m_nCount > 0) {
        chart.m_nDisModel = model;
        chart.SetDisModel();
    }
    return chart.m_nDisModel;
}

bool SoundingRender::Check(const SoundingTable& t, int model, const char* name, CString& error)
{
    if (t.Rows() < 1) {
        error.Format("%s: no samples", name);
        return false;
    }
    for (int i = 0; i < t.Rows(); ++i) {
        if (!(t.x[i] > 0)) {
            error.Format("%s: row %d: the abscissa must be positive", name, i + 1);
            return false;
        }
        if (model == 2 && !(t.r[i] > 0 && t.v[i] > 0 && t.rFwd[i] > 0 && t.vFwd[i] > 0)) {
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

bool SoundingRender::LoadFile(CDrawRPCurve& chart, const char* path, int maxRows, int model, CString& error)
{
    SoundingTable t;
    CString e;
    if (!SoundingFile::Read(path, maxRows, t, e)) {
        error.Format("%s: %s", path, e.GetString());
        return false;
    }
    if (!Check(t, model, path, error))
        return false;
    Load(chart, t, model);
    return true;
}

bool SoundingRender::Render(CDrawRPCurve& chart, const char* outPath, int dpi, CString& error)
{
    return ChartExporter::Export([&chart](CDC* dc) { DrawSoundingChart(chart, dc); }, outPath, dpi, error);
}
