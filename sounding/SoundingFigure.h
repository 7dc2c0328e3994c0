// The sounding chart as the apps show and export it: the chart with its axis
// labels kept apart, a legend of its four curves, and its axes' titles.
#pragma once

#include "platform/core/CString.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingPlan.h"

#include <optional>

#include <string>

class CDC;
class CDrawRPCurve;

struct SoundingFigure {
    // A TEM sounding: apparent resistivity and the coil's normalised voltage
    // (the vertical magnetic component) against the time after turn-off.
    static constexpr const char* kTimeTitle = "时间 t (ms)";
    static constexpr const char* kValueTitle = "视电阻率 R (Ω·m)、垂直磁分量 V (μV/A)";

    bool keepLabelsApart = true;  // the chart's m_bKeepLabelsApart
    bool legend = true;
    // False for a measured-only sounding: no modelled curves or legend
    // entries (a plan says so itself).
    bool modelled = true;
    // Empty titles are left out.
    CString abscissaTitle = kTimeTitle;
    CString valueTitle = kValueTitle;
    // A line above the chart's title saying what the chart is of (a survey
    // station, its line and position); empty: none.
    CString caption;
    // The caption for a survey station: its name, the line the name carries
    // before its first '-' ("L01-003" is on line L01), and its position
    // along the line when known (not NaN).
    static CString StationCaption(const std::string& station, double x);
    // The survey line a station's name carries, empty when none.
    static std::string LineOf(const std::string& station);

    // The abscissa's title for a file whose header line is given: a first
    // column named with a unit of time or frequency ("time_ms", "t(s)",
    // "freq_Hz") gives the title in that quantity and unit, another name is
    // taken as it stands, and no header gives kTimeTitle.
    static CString AbscissaTitleFor(const std::string& header);

    // The sounding as a plan handed it to the chart (SoundingPlan::Load):
    // the figure then labels both axes itself in the units the plan shows
    // (decades as plain digits or powers of ten, linear values every 1, 2
    // or 5 times a power of ten, at least four labels an axis), draws
    // samples below zero with a hollow marker in the log-log view, leaves
    // out modelled curves the sounding does not have, and takes the plan's
    // axis titles.
    std::optional<SoundingPlan> plan;
    // A figure for a table: its plan in the view asked for, and its titles.
    static SoundingFigure For(const SoundingTable& table, SoundingPlan::View view);
};

// The chart as DrawSoundingChart draws it, then the abscissa's title under
// its labels, the legend under that, and the value axis's title right of
// the value labels, reading upwards. Drawn in layers (a drag's passes), the
// titles and legend come with the top layer, as they come last in the whole.
void DrawSoundingFigure(CDrawRPCurve& chart, CDC* dc, const SoundingFigure& figure,
                        SoundingLayer layer = SoundingLayer::Whole);
