// The layered model chart in a window: a press picks a layer side, a drag
// moves it sideways, the release stores the new resistivity and lays the
// chart out again.
#pragma once

#include "ChartView.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFigure.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct LayeredModel;

class ModelView : public ChartView {
public:
    explicit ModelView(QWidget* parent = nullptr);

    void SetModel(const LayeredModel& model);
    // The model as the chart holds it now, edits included.
    LayeredModel Model() const;
    CDrawRPToH& Chart() { return m_chart; }
    void Draw(CDC* dc) override;

    // Safe edits (ModelViewEdit.cpp): the layer whose side a user clicked
    // last stays selected for the arrow keys (-1 none).
    bool SetValue(EditField field, int index, float value) override;
    int SelectedLayer() const { return m_selLayer; }
    void Select(int layer);
    // Asks for the exact resistivity of a layer and records the change.
    void EditValue(int layer);
    // Ranges, scales and area again for the values as they are now: only
    // on loading and when the user asks, so a drag never moves the axes.
    void Rescale();
    // While a side is dragged: the layer and the resistivity it would get,
    // at every step (live modelling follows the drag).
    std::function<void(int layer, float resistivity)> onDragValue;
    // The depth of investigation of the current response, in m, marked as a
    // dashed line with its value (ModelViewForward.cpp); NaN: none.
    void SetInvestigationDepth(double metres);
    double InvestigationDepth() const { return m_doi; }
    // The depth of investigation by the inversion's rule (half the diffusion
    // depth, 0.5·1262·√(ρa·t) m, t in s) at the latest usable gate, ρa the
    // modelled apparent resistivity there (ohm-m); NaN when no gate has a
    // positive finite ρa.
    static double DepthOfInvestigation(const std::vector<double>& timesMs, const std::vector<double>& rhoApparent,
                                       const std::vector<char>& masked);

protected:
    void ApplyMapping(CDC* dc) override;
    void Press(CPoint p) override;
    void Drag(CPoint p) override;
    void Release(CPoint p) override;
    void Hover(CPoint p) override;
    void CancelDrag() override;
    void DoubleClick(CPoint p) override;
    bool Nudge(int dx, int dy, bool repeat) override;
    bool EditSelected() override;
    void DrawOverlay(CDC* dc) override;

private:
    // The layer of the side under p, or -1; leaves no hit flags behind.
    int layerAt(CPoint p);
    void clearHit();
    // The outline again from the values, with the scales as they are.
    void settle();

    CDrawRPToH m_chart;
    // Axis titles and room right of the largest resistivity, on screen and in exports.
    LayeredModelFigure m_figure;
    // The file's text, so that a save keeps what was not edited.
    std::shared_ptr<const std::string> m_source;
    int m_selLayer = -1;
    float m_dragBefore = 0;
    bool m_moved = false;  // a press without a move only selects
    double m_doi = std::nan("");
    void drawInvestigationDepth(CDC* dc);
};
