// The layered model chart in a window: a press picks a layer side, a drag
// moves it sideways, the release stores the new resistivity and lays the
// chart out again.
#pragma once

#include "ChartView.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFigure.h"

#include <memory>
#include <string>

struct LayeredModel;

class ModelView : public ChartView {
public:
    explicit ModelView(QWidget* parent = nullptr);

    void SetModel(const LayeredModel& model);
    // The model as the chart holds it now, edits included.
    LayeredModel Model() const;
    CDrawRPToH& Chart() { return m_chart; }
    void Draw(CDC* dc) override;

protected:
    void ApplyMapping(CDC* dc) override;
    void Press(CPoint p) override;
    void Drag(CPoint p) override;
    void Release(CPoint p) override;

private:
    void remap();

    CDrawRPToH m_chart;
    // Axis titles and room right of the largest resistivity, on screen and in exports.
    LayeredModelFigure m_figure;
    // The file's text, so that a save keeps what was not edited.
    std::shared_ptr<const std::string> m_source;
};
