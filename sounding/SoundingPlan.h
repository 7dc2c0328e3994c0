// How a sounding of any magnitude is handed to the chart so that it draws
// readably: a power of ten per axis brings the data into the chart's domain
// (whose scales start at 0.1 and grow with the maximum), the display sizes
// keep the figure within bounds, and the units the labels are read in are
// named. The chart class is untouched; only what it is given changes.
#pragma once

#include "platform/core/CArray.h"
#include "platform/core/ColumnUnits.h"
#include "platform/core/CString.h"

#include <string>
#include <vector>

class CDrawRPCurve;
struct SoundingTable;

class SoundingPlan {
public:
    enum class View { Auto, Linear, LogLog };
    // What the abscissa holds, read from the header's first column.
    using Quantity = ColumnUnits::Quantity;

    // The log-log view is chosen by Auto when the values' magnitudes span
    // more than this many decades.
    static constexpr double kLogLogDecades = 2.0;
    // Bounds of the frame in millimetres, whatever the data: 30 mm a
    // decade of abscissa, 18 mm a decade of values, within these limits.
    static constexpr double kMinWidthMm = 130, kMaxWidthMm = 250, kWidthPerDecadeMm = 30;
    static constexpr double kMinHeightMm = 80, kMaxHeightMm = 150, kHeightPerDecadeMm = 18;
    static constexpr double kLinearHeightMm = 90;

    // The plan for a table (positive abscissae, at least one row); the
    // view asked for is kept unless the data cannot take it (the log-log
    // view with a value of exactly 0), which note then says.
    static SoundingPlan For(const SoundingTable& table, View view);
    // Hands the table to the chart as planned and lays it out.
    void Load(CDrawRPCurve& chart, const SoundingTable& table) const;

    // Common axes for many soundings (a survey drawn on one scale): the plan
    // is made for all their rows together, and every chart it loads is laid
    // out for the ranges of them all, not its own.
    static SoundingPlan Common(const SoundingTable& allRows, View view);
    bool common = false;
    // The ranges in chart units that a common plan lays every chart out for.
    float minX = 0, maxX = 0, minY = 0, maxY = 0;

    // The chart's display model: 1 linear values, 2 log-log.
    int model = 1;
    Quantity quantity = Quantity::Time;
    bool modelled = true;   // the table has modelled curves to draw
    bool negatives = false; // some value is below zero
    // Chart abscissa = file abscissa x 10^xShift; the labels show the
    // abscissa in its display unit, file value x 10^xDisplay.
    int xShift = 0;
    int xDisplay = 0;
    // Chart value = (file value - yOffset) x 10^yShift in the linear view,
    // |file value| x 10^yShift in the log-log view. Labels of the linear view
    // read file value / 10^yUnit.
    int yShift = 0;
    double yOffset = 0;
    int yUnit = 0;
    // Display sizes handed to the chart (logical units, 0.01 mm).
    long width = 13000, height = 7000;
    CString abscissaTitle;
    CString valueTitle;
    CString note;
    // Per curve (measured R, measured V, modelled R, modelled V), the rows
    // whose value is below zero: drawn by magnitude with a hollow marker in
    // the log-log view.
    std::vector<int> negativeRows[4];

    // The abscissa's display value of chart decade k is 10^(k - xShift + xDisplay).
    int DisplayDecade(int k) const { return k - xShift + xDisplay; }
    // The chart's value (unscaled by its rate) of a label value of the
    // linear view, and the label value of a file value.
    double ChartValueOfLabel(double label) const;

    // A file's numbers as the chart holds them, and back: a chart abscissa
    // or value to the file's units. A log-log chart value is a magnitude;
    // negative gives the file value its sign back.
    float ChartAbscissa(double file) const;
    double FileAbscissa(double chart) const;
    float ChartValue(double file) const;
    double FileValue(double chart, bool negative) const;
    // A file's numbers in the units the labels are read in (the abscissa
    // in xUnit, values in rUnit or vUnit), for read-outs beside the chart.
    double ShownAbscissa(double file) const;
    double ShownValue(double file) const;
    // The abscissa's symbol ("t", "f", "T" or the column's name) and the
    // units of the labels: "ms", "Ω·m", "μV/A", "×10³ V/A".
    CString xSymbol, xUnit, rUnit, vUnit;

    // The quantity, its symbol and the unit's power relative to seconds or
    // hertz of a header's first column: "t(s)", "time_ms", "freq_Hz", "T_s".
    using Abscissa = ColumnUnits::Abscissa;
    static Abscissa AbscissaOf(const std::string& header) { return ColumnUnits::AbscissaOf(header); }
};
