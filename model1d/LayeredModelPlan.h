// How a layered model of any magnitude is handed to the chart so that it
// draws within bounds and readably: resistivities on a linear or a
// logarithmic scale and depths likewise, each brought into the chart's
// linear domain by a power of ten (or as tenths of a decade), with display
// sizes that keep the drawing about 150 mm by 100 mm whatever the values.
#pragma once

#include "platform/core/CArray.h"

class CDrawRPToH;
struct LayeredModel;

class LayeredModelPlan {
public:
    enum class Scale { Auto, Linear, Log };

    // Auto draws resistivities on decades when they span more than one, and
    // depths on decades when the layer tops span more than two.
    static constexpr double kLogResistivityDecades = 1.0;
    static constexpr double kLogDepthDecades = 2.0;
    // Chart units a decade on a logarithmic scale.
    static constexpr double kUnitsPerDecade = 10.0;
    // Target size of the plotting area (0.1 mm).
    static constexpr long kAreaWidth = 1500, kAreaHeight = 1000;

    // The plan for a model of at least one layer.
    static LayeredModelPlan For(const LayeredModel& model, Scale resistivity = Scale::Auto,
                                Scale depth = Scale::Auto);
    // Hands the model to the chart as planned and lays it out.
    void Load(CDrawRPToH& chart, const LayeredModel& model) const;
    // The chart values of the model's thicknesses and resistivities, as Load
    // hands them to the chart.
    void ChartValues(const LayeredModel& model, CArray<float, float&>& thick, CArray<float, float&>& res) const;
    // Display sizes that make the plotting area areaWidth by areaHeight
    // (0.1 mm) for a chart whose deepest layer top is chartMaxH units down.
    void SizeArea(long areaWidth, long areaHeight, double chartMaxH);

    bool logR = false, logH = false;
    // Linear: chart value = value x 10^shift. Log: chart value =
    // (log10 value - lowDecade) x kUnitsPerDecade.
    int rShift = 0, hShift = 0;
    double rLowDecade = 0, hLowDecade = 0;
    long width = 1800, height = 850;  // display sizes handed to the chart

    // The resistivity and depth a chart value stands for.
    double Resistivity(double chartValue) const;
    double Depth(double chartValue) const;
    // The chart value of a resistivity and of a depth (> 0 on a log scale).
    double ChartR(double r) const;
    double ChartH(double h) const;
};
