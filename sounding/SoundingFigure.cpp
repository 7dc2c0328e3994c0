#include "sounding/SoundingFigure.h"

#include "chart/ChartCanvas.h"
#include "chart/FigureText.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingChartParts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <vector>

using namespace soundingparts;

namespace {

struct LegendEntry {
    const char* name;
    COLORREF colour;
};

// Names and screen colours of the four curves, in the order the legend tip
// of the chart names them: measured first.
constexpr LegendEntry kEntries[] = {
    {"实测 R", kRed}, {"实测 V", kBlack}, {"正演 R", kGreen}, {"正演 V", kBlue}};

constexpr double kSampleMm = 8.0;   // the line of an entry
constexpr double kInnerMm = 1.5;    // between the line and the name
constexpr double kBetweenMm = 5.0;  // between entries

// One row of entries centred under the frame, its top at top: each a short
// stretch of the curve's line with a marker on it, as the chart draws them.
void DrawLegend(const CDrawRPCurve& chart, CDC* dc, LONG top)
{
    ChartCanvas cv(dc);
    cv.UsePointFont(FigureText::kTitleTenths);
    const double mm = FigureText::UnitsPerMm(dc);
    const auto units = [mm](double v) { return static_cast<LONG>(v * mm); };
    std::vector<LONG> widths;
    LONG height = 0, total = 0;
    for (const LegendEntry& e : kEntries) {
        const CSize ext = dc->GetTextExtent(CString(e.name));
        widths.push_back(std::abs(ext.cx));
        height = std::max<LONG>(height, std::abs(ext.cy));
        total += units(kSampleMm + kInnerMm) + widths.back();
    }
    total += units(kBetweenMm) * static_cast<LONG>(std::size(kEntries) - 1);
    const CRect& frame = chart.m_rcRegion;
    LONG x = (frame.left + frame.right) / 2 - total / 2;
    const LONG mid = top - height / 2;
    const UINT align = dc->SetTextAlign(TA_LEFT | TA_TOP);
    for (size_t i = 0; i < std::size(kEntries); ++i) {
        cv.UsePen(kEntries[i].colour);
        const LONG end = x + units(kSampleMm);
        cv.Line(CPoint(x, mid), CPoint(end, mid));
        cv.Box(MarkerAround(CPoint((x + end) / 2, mid), chart.m_fMarkHalf));
        dc->TextOut(end + units(kInnerMm), top, CString(kEntries[i].name));
        x = end + units(kInnerMm) + widths[i] + units(kBetweenMm);
    }
    dc->SetTextAlign(align);
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

CString SoundingFigure::AbscissaTitleFor(const std::string& header)
{
    const size_t start = header.find_first_not_of(" \t");
    if (start == std::string::npos)
        return kTimeTitle;
    const std::string name = header.substr(start, header.find_first_of(" \t,", start) - start);
    // The unit is the name's last run of letters: "time_ms", "t(ms)", "f[Hz]".
    const std::string low = lower(name);
    size_t end = low.size();
    while (end > 0 && !std::isalpha(static_cast<unsigned char>(low[end - 1])))
        --end;
    size_t begin = end;
    while (begin > 0 && std::isalpha(static_cast<unsigned char>(low[begin - 1])))
        --begin;
    const std::string unit = low.substr(begin, end - begin);
    const bool micro = unit == "us" || (unit == "s" && begin >= 2 && low.compare(begin - 2, 2, "\xce\xbc") == 0);
    if (begin > 0 || unit.size() < name.size()) {
        if (unit == "ms")
            return "时间 t (ms)";
        if (micro)
            return "时间 t (μs)";
        if (unit == "s")
            return "时间 t (s)";
        if (unit == "hz")
            return "频率 f (Hz)";
        if (unit == "khz")
            return "频率 f (kHz)";
    }
    return CString(name.c_str());
}

void DrawSoundingFigure(CDrawRPCurve& chart, CDC* dc, const SoundingFigure& figure, SoundingLayer layer)
{
    if (!dc)
        return;
    chart.m_bKeepLabelsApart = figure.keepLabelsApart ? TRUE : FALSE;
    DrawSoundingChart(chart, dc, layer);
    if (layer != SoundingLayer::Whole && layer != SoundingLayer::AboveMovingMarker)
        return;
    // What the frame drew (title, grid, labels) is what the titles keep
    // clear of; the curves stay inside the frame.
    const CRect drawn = FigureText::DrawnBox(dc, [&chart](CDC* probe) { chart.DrawRegionRect(probe); });
    const CRect& frame = chart.m_rcRegion;
    const CRect below(frame.left, frame.bottom, frame.right, std::min(drawn.top, drawn.bottom));
    const CRect title = FigureText::TitleBelow(dc, frame, below, figure.abscissaTitle);
    if (figure.legend) {
        const LONG gap = static_cast<LONG>(FigureText::kGapMm * FigureText::UnitsPerMm(dc));
        DrawLegend(chart, dc, std::min(title.top, title.bottom) - gap);
    }
    FigureText::TitleRight(dc, frame, drawn, figure.valueTitle);
}
