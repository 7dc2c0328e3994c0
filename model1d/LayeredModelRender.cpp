#include "model1d/LayeredModelRender.h"

#include "chart/ChartExporter.h"
#include "model1d/CDrawRPToH.h"
#include "model1d/DrawLayeredModelChart.h"
#include "model1d/LayeredModelFile.h"

void LayeredModelRender::Load(CDrawRPToH& chart, const LayeredModel& model)
{
    CArray<float, float&> thick = model.thick;
    CArray<float, float&> res = model.res;
    chart.GetData(thick, res, model.Layers());
}

bool LayeredModelRender::RenderFile(const char* modelPath, const char* outPath, int dpi, CString& error)
{
    if (!ChartExporter::IsSupported(outPath)) {
        error.Format("unknown output type for %s: use .png, .svg, .pdf or .bmp", outPath ? outPath : "(none)");
        return false;
    }
    LayeredModel model;
    if (!LayeredModelFile::Read(modelPath, model, error))
        return false;
    CDrawRPToH chart;
    Load(chart, model);
    return ChartExporter::Export([&chart](CDC* dc) { DrawLayeredModelChart(chart, dc); }, outPath, dpi, error);
}
