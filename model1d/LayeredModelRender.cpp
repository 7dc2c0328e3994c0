#include "model1d/LayeredModelRender.h"

#include "chart/ChartExporter.h"
#include "model1d/CDrawRPToH.h"
#include "model1d/DrawLayeredModelChart.h"
#include "model1d/LayeredModelFigure.h"
#include "model1d/LayeredModelFile.h"

void LayeredModelRender::Load(CDrawRPToH& chart, const LayeredModel& model)
{
    CArray<float, float&> thick = model.thick;
    CArray<float, float&> res = model.res;
    chart.GetData(thick, res, model.Layers());
}

bool LayeredModelRender::LoadFile(CDrawRPToH& chart, const char* path, CString& error)
{
    LayeredModel model;
    if (!LayeredModelFile::Read(path, model, error))
        return false;
    Load(chart, model);
    return true;
}

void LayeredModelRender::Relayout(CDrawRPToH& chart)
{
    chart.GetMaxMin();
    chart.CalcuDisrate(chart.m_lDisWidth, chart.m_lDisHeight, chart.m_fMaxR, chart.m_fMaxH);
    chart.SetAreaRect();
    chart.ValueToPt();
}

bool LayeredModelRender::Render(CDrawRPToH& chart, const char* outPath, int dpi, CString& error)
{
    return ChartExporter::Export([&chart](CDC* dc) { DrawLayeredModelChart(chart, dc); }, outPath, dpi, error);
}

bool LayeredModelRender::RenderFile(const char* modelPath, const char* outPath, int dpi, CString& error)
{
    if (!ChartExporter::IsSupported(outPath)) {
        error.Format("unknown output type for %s: use .png, .svg, .pdf or .bmp", outPath ? outPath : "(none)");
        return false;
    }
    CDrawRPToH chart;
    return LoadFile(chart, modelPath, error) && Render(chart, outPath, dpi, error);
}

bool LayeredModelRender::Render(CDrawRPToH& chart, const LayeredModelFigure& figure, const char* outPath, int dpi,
                                CString& error)
{
    return ChartExporter::Export([&](CDC* dc) { DrawLayeredModelFigure(chart, dc, figure); }, outPath, dpi, error);
}

bool LayeredModelRender::RenderModel(const LayeredModel& model, const LayeredModelFigure& figure,
                                     const char* outPath, int dpi, CString& error)
{
    CDrawRPToH chart;
    figure.Prepare(chart);
    if (figure.plan)
        figure.plan->Load(chart, model);
    else
        Load(chart, model);
    return Render(chart, figure, outPath, dpi, error);
}
