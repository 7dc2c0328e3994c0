#include "LayeredModelChart.h"

#include "PyArrays.h"
#include "PyErrors.h"

#include "model1d/LayeredModelRender.h"

namespace pytarnex {

LayeredModelChart::LayeredModelChart(const LayeredModel& model, bool plain)
{
    CString error;
    if (!LayeredModelFile::Check(model, error))
        RaiseValueError(error.str());
    if (!plain)
        m_figure = LayeredModelFigure::For(model);
    m_figure.Prepare(m_chart);
    if (m_figure.plan)
        m_figure.plan->Load(m_chart, model);
    else
        LayeredModelRender::Load(m_chart, model);
    m_layers = model.Layers();
}

LayeredModel LayeredModelChart::ModelOf(pybind11::handle thickness, pybind11::handle resistivity)
{
    LayeredModel m;
    m.thick = FloatColumn(thickness, "thickness");
    m.res = FloatColumn(resistivity, "resistivity");
    if (m.res.GetSize() < 1)
        RaiseValueError("resistivity is empty: a model has at least the half-space");
    if (m.thick.GetSize() != m.res.GetSize() - 1)
        RaiseValueError("thickness has " + std::to_string(m.thick.GetSize()) + " values, a model of " +
                        std::to_string(m.res.GetSize()) + " layers takes " + std::to_string(m.res.GetSize() - 1) +
                        " (the half-space has none)");
    CString error;
    if (!LayeredModelFile::Check(m, error))
        RaiseValueError(error.str());
    return m;
}

std::unique_ptr<LayeredModelChart> LayeredModelChart::FromArrays(const ArrayLike& thickness,
                                                                 const ArrayLike& resistivity, bool plain)
{
    return std::make_unique<LayeredModelChart>(ModelOf(thickness, resistivity), plain);
}

std::unique_ptr<LayeredModelChart> LayeredModelChart::FromFile(const std::filesystem::path& path, bool plain)
{
    CheckReadable(path);
    LayeredModel m;
    CString error;
    if (!LayeredModelFile::Read(path.c_str(), m, error))
        RaiseValueError(error.str());
    return std::make_unique<LayeredModelChart>(m, plain);
}

void LayeredModelChart::Draw(CDC* dc) { DrawLayeredModelFigure(m_chart, dc, m_figure); }

}  // namespace pytarnex
