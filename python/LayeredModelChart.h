// A layered-model chart (resistivity against depth) made from numpy columns
// or a model file, drawn as the render command draws it: on the scales that
// suit the model (resistivity on decades when it spans more than one), or
// in the chart class's own linear layout when asked for plainly.
#pragma once

#include "ArrayLike.h"
#include "Chart.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFigure.h"
#include "model1d/LayeredModelFile.h"

#include <memory>

namespace pytarnex {

class LayeredModelChart : public Chart {
public:
    // Checks the model against the rules of the model file (ValueError with
    // the library's message) and lays the chart out.
    LayeredModelChart(const LayeredModel& model, bool plain);
    static std::unique_ptr<LayeredModelChart> FromArrays(const ArrayLike& thickness, const ArrayLike& resistivity,
                                                         bool plain);
    static std::unique_ptr<LayeredModelChart> FromFile(const std::filesystem::path& path, bool plain);

    // A model from numpy columns, checked: thickness has one value fewer
    // than resistivity (the half-space has none).
    static LayeredModel ModelOf(pybind11::handle thickness, pybind11::handle resistivity);
    int Layers() const { return m_layers; }
    bool Plain() const { return !m_figure.plan; }
    // Whether resistivity is drawn on decades.
    bool LogResistivity() const { return m_figure.plan && m_figure.plan->logR; }
    bool LogDepth() const { return m_figure.plan && m_figure.plan->logH; }

protected:
    void Draw(CDC* dc) override;

private:
    CDrawRPToH m_chart;
    LayeredModelFigure m_figure;
    int m_layers = 0;
};

}  // namespace pytarnex
