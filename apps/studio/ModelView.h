// The layered model chart in a window: a press picks a layer side, a drag
// moves it sideways, the release stores the new resistivity. The view keeps
// the model in ohm-metres and metres and hands the chart its values as a
// plan lays them out (on decades for a wide range), filling the pane.
#pragma once

#include "ChartView.h"

#include "model1d/CDrawRPToH.h"
#include "model1d/LayeredModelFigure.h"
#include "model1d/LayeredModelFile.h"

#include <cmath>
#include <functional>
#include <vector>

class ModelView : public ChartView {
public:
    explicit ModelView(QWidget* parent = nullptr);

    void SetModel(const LayeredModel& model);
    // The model with its edits, in ohm-metres and metres: a value never
    // edited comes back exactly as it was read.
    const LayeredModel& Model() const { return m_model; }
    int Layers() const { return m_model.Layers(); }
    // The chart holds the values as the plan maps them (Plan()), not in
    // ohm-metres when the plan draws decades.
    CDrawRPToH& Chart() { return m_chart; }
    const LayeredModelPlan& Plan() const { return *m_figure.plan; }
    // How resistivities are scaled: Auto takes decades for a range wider
    // than one. Re-plans the chart.
    void SetResistivityScale(LayeredModelPlan::Scale scale);
    LayeredModelPlan::Scale ResistivityScale() const { return m_rScale; }
    void Draw(CDC* dc) override;

    // Safe edits (ModelViewEdit.cpp): the layer whose side a user clicked
    // last stays selected for the arrow keys (-1 none).
    bool SetValue(EditField field, int index, float value) override;
    int SelectedLayer() const { return m_selLayer; }
    void Select(int layer);
    // Asks for the exact resistivity of a layer and records the change.
    void EditValue(int layer);
    // Plan, ranges, scales and area again for the values as they are now:
    // only on loading and when the user asks, so a drag never moves the axes.
    void Rescale();
    // Whether some corner of the outline lies outside the plotting area: a
    // model not made by dragging (an inversion's) may leave the scales.
    bool OutlineLeavesFrame() const;
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
    void ShapeTo(QSize widgetPx) override;
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
    // The chart's values again from the model, with the scales as they are.
    void settle();
    // A plan for the model as it is now, handed to the chart and shaped.
    void replan();
    // Rates, area and points again for the pane's shape, the ranges kept.
    void layOut();
    // The resistivity a side standing at abscissa x gives its layer.
    float resistivityAt(LONG x) const;

    CDrawRPToH m_chart;
    // The plan, axis titles and room right of the largest resistivity, on
    // screen and in exports.
    LayeredModelFigure m_figure;
    LayeredModelPlan::Scale m_rScale = LayeredModelPlan::Scale::Auto;
    // In ohm-metres and metres, with the file's text, so that a save keeps
    // what was not edited.
    LayeredModel m_model;
    // The pane the chart was last shaped for (widget pixels); empty: none.
    QSize m_shape;
    int m_selLayer = -1;
    float m_dragBefore = 0;
    bool m_moved = false;  // a press without a move only selects
    double m_doi = std::nan("");
    void drawInvestigationDepth(CDC* dc);
};
