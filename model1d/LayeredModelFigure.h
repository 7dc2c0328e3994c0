// The layered model chart as the apps show and export it: the chart with
// room right of its largest resistivity, its labels kept apart, and titles
// on both of its axes.
#pragma once

#include "model1d/LayeredModelPlan.h"
#include "platform/core/CString.h"

#include <optional>

class CDC;
class CDrawRPToH;
struct LayeredModel;

struct LayeredModelFigure {
    static constexpr const char* kResistivityTitle = "电阻率 ρ (Ω·m)";
    static constexpr const char* kDepthTitle = "深度 h (m)";

    // The chart's m_bResistivityHeadroom; it shapes the layout, so it is
    // given to the chart before the model is loaded (Prepare).
    bool headroom = true;
    bool keepLabelsApart = true;  // the chart's m_bKeepLabelsApart
    // Empty titles are left out.
    CString resistivityTitle = kResistivityTitle;
    CString depthTitle = kDepthTitle;

    // Sets the chart's options that its layout depends on.
    void Prepare(CDrawRPToH& chart) const;

    // The model as a plan handed it to the chart (LayeredModelPlan::Load):
    // the figure then ticks and labels both scales itself, on decades where
    // the plan draws them so, in ohm-metres and metres; the titles say so.
    std::optional<LayeredModelPlan> plan;
    static LayeredModelFigure For(const LayeredModel& model,
                                  LayeredModelPlan::Scale resistivity = LayeredModelPlan::Scale::Auto,
                                  LayeredModelPlan::Scale depth = LayeredModelPlan::Scale::Auto);
};

// The chart as DrawLayeredModelChart draws it, then the resistivity title
// under the scale along the bottom edge and the depth title right of the
// scale along the right edge, reading upwards.
void DrawLayeredModelFigure(CDrawRPToH& chart, CDC* dc, const LayeredModelFigure& figure);
