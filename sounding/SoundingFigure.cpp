#include "sounding/SoundingFigure.h"

#include "chart/AxisLabels.h"
#include "chart/ChartCanvas.h"
#include "chart/LabelLayout.h"
#include "chart/FigureText.h"
#include "sounding/DrawSoundingChart.h"
#include "sounding/SoundingChartParts.h"
#include "sounding/SoundingFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
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
// A magnetotelluric sounding's two curves: apparent resistivity and phase.
constexpr LegendEntry kMtEntries[] = {
    {"实测 ρa", kRed}, {"实测 φ", kBlack}, {"正演 ρa", kGreen}, {"正演 φ", kBlue}};

constexpr double kSampleMm = 8.0;   // the line of an entry
constexpr double kInnerMm = 1.5;    // between the line and the name
constexpr double kBetweenMm = 5.0;  // between entries

// The hollow marker of a sample drawn by its magnitude: a diamond twice
// the size of the square markers, in the curve's colour.
void DrawDiamond(ChartCanvas& cv, const tagPOINT& p, float half)
{
    const LONG r = ToUnits(2.0 * half);
    const CPoint pts[] = {CPoint(Offset(p.x, -r), p.y), CPoint(p.x, Offset(p.y, r)), CPoint(Offset(p.x, r), p.y),
                          CPoint(p.x, Offset(p.y, -r)), CPoint(Offset(p.x, -r), p.y)};
    cv.dc()->Polyline(pts, 5);
}

// One row of entries centred under the frame, its top at top: each a short
// stretch of the curve's line with a marker on it, as the chart draws them.
// Without modelled curves only the measured ones are named; with samples
// drawn by magnitude, their hollow marker is named last.
void DrawLegend(const CDrawRPCurve& chart, CDC* dc, LONG top, bool modelled, bool magnitudes, bool mt)
{
    ChartCanvas cv(dc);
    cv.UsePointFont(FigureText::kTitleTenths);
    const double mm = FigureText::UnitsPerMm(dc);
    const auto units = [mm](double v) { return static_cast<LONG>(v * mm); };
    std::vector<LegendEntry> entries;
    for (const LegendEntry& e : mt ? kMtEntries : kEntries)
        if (modelled || e.colour == kRed || e.colour == kBlack)
            entries.push_back(e);
    if (magnitudes)
        entries.push_back({"负值 (取绝对值)", kBlack});
    std::vector<LONG> widths;
    LONG height = 0, total = 0;
    for (const LegendEntry& e : entries) {
        const CSize ext = dc->GetTextExtent(CString(e.name));
        widths.push_back(std::abs(ext.cx));
        height = std::max<LONG>(height, std::abs(ext.cy));
        total += units(kSampleMm + kInnerMm) + widths.back();
    }
    total += units(kBetweenMm) * static_cast<LONG>(entries.size() - 1);
    const CRect& frame = chart.m_rcRegion;
    LONG x = (frame.left + frame.right) / 2 - total / 2;
    const LONG mid = top - height / 2;
    const UINT align = dc->SetTextAlign(TA_LEFT | TA_TOP);
    for (size_t i = 0; i < entries.size(); ++i) {
        cv.UsePen(entries[i].colour);
        const LONG end = x + units(kSampleMm);
        if (magnitudes && i + 1 == entries.size()) {
            DrawDiamond(cv, CPoint((x + end) / 2, mid), chart.m_fMarkHalf);
        } else {
            cv.Line(CPoint(x, mid), CPoint(end, mid));
            cv.Box(MarkerAround(CPoint((x + end) / 2, mid), chart.m_fMarkHalf));
        }
        dc->TextOut(end + units(kInnerMm), top, CString(entries[i].name));
        x = end + units(kInnerMm) + widths[i] + units(kBetweenMm);
    }
    dc->SetTextAlign(align);
}

constexpr COLORREF kValueLine = RGB(155, 155, 0);  // the chart's minor grid
constexpr COLORREF kZeroLine = RGB(0, 0, 0);
constexpr double kLabelGapMm = 1.0;

// Both axes' labels of a planned figure, in the units the plan shows, kept
// from printing over each other: abscissa labels centred under the frame,
// value labels right of it centred on their lines (raised above the line
// where that clashes). The linear view's value lines come with their labels.
void DrawPlannedAxes(const CDrawRPCurve& c, CDC* dc, const SoundingPlan& plan)
{
    if (c.m_nCount < 1 || (c.m_nDisModel != 1 && c.m_nDisModel != 2))
        return;
    ChartCanvas cv(dc);
    cv.UsePointFont(FigureText::kTitleTenths);
    const double mm = FigureText::UnitsPerMm(dc);
    const LONG gap = ToUnits(kLabelGapMm * mm);
    const CRect& f = c.m_rcRegion;
    LabelLayout apart(dc, ToUnits(0.5 * mm));
    const UINT align = dc->SetTextAlign(TA_LEFT | TA_TOP);

    // Abscissa: every decade, and 2 and 5 times each when fewer than four
    // decades are labelled.
    dc->SetTextAlign(TA_CENTER | TA_TOP);
    const int left = DecadeIndex(c.m_fXLeftDecade), right = DecadeIndex(c.m_fXRightDecade);
    const auto xLabel = [&](double decade, const CString& text) {
        // The frame is laid out with the truncated rate: a decade line may
        // stand a unit a decade beyond its edge.
        LONG x = ToUnits(decade * c.m_fXRate);
        const LONG slack = kDecadeLimit + 1;
        if (x < f.left - slack || x > f.right + slack)
            return;
        x = std::clamp(x, f.left, f.right);
        if (const auto at = apart.Place(text, {CPoint(x, Offset(f.bottom, -gap))}))
            cv.Text(*at, text);
    };
    for (int k = left; k <= right; ++k)
        xLabel(k, AxisLabels::Decade(plan.DisplayDecade(k)));
    if (right - left + 1 < 4)
        for (int k = left; k < right; ++k)
            for (int j : {2, 5})
                xLabel(k + std::log10(static_cast<double>(j)), AxisLabels::Decade(plan.DisplayDecade(k), j));

    // Values: right of the frame, the text's middle on the line.
    dc->SetTextAlign(TA_LEFT | TA_TOP);
    const auto yLabel = [&](LONG y, const CString& text) {
        const CRect box = apart.BoxAt(text, CPoint(0, 0));
        const LONG h = box.top - box.bottom;
        const CPoint middle(Offset(f.right, gap), Offset(y, h / 2));
        const CPoint raised(middle.x, Offset(y, h + gap));
        if (const auto at = apart.Place(text, {middle, raised}))
            cv.Text(*at, text);
    };
    if (c.m_nDisModel == 2) {
        const int bottom = DecadeIndex(c.m_fYBottomDecade), top = DecadeIndex(c.m_fYTopDecade);
        const auto label = [&](double decade, const CString& text) {
            const LONG y = ToUnits(decade * c.m_fYRate);
            const LONG slack = kDecadeLimit + 1;
            if (y >= f.bottom - slack && y <= f.top + slack)
                yLabel(std::clamp(y, f.bottom, f.top), text);
        };
        for (int k = bottom; k <= top; ++k)
            label(k, AxisLabels::Decade(k - plan.yShift));
        if (top - bottom + 1 < 4)
            for (int k = bottom; k < top; ++k)
                for (int j : {2, 5})
                    label(k + std::log10(static_cast<double>(j)), AxisLabels::Decade(k - plan.yShift, j));
    } else if (c.m_fYRate > 0) {
        // The labels' values at the frame's bottom and top edges.
        const double unit = std::pow(10.0, plan.yUnit), shift = std::pow(10.0, plan.yShift);
        const double lo = plan.yOffset / unit;
        const double hi = (f.top / static_cast<double>(c.m_fYRate) / shift + plan.yOffset) / unit;
        const double step = AxisLabels::NiceStep(lo, hi, 4);
        if (step > 0) {
            const long long first = static_cast<long long>(std::ceil(lo / step - 1e-9));
            const long long last = static_cast<long long>(std::floor(hi / step + 1e-9));
            for (long long m = first; m <= last && m - first < 1000; ++m) {
                const double value = static_cast<double>(m) * step;
                const LONG y = ToUnits(plan.ChartValueOfLabel(value) * c.m_fYRate);
                if (y < f.bottom || y > f.top)
                    continue;
                // Zero is drawn black where values below it are shown.
                cv.UsePen(m == 0 && plan.yOffset < 0 ? kZeroLine : kValueLine);
                if (y > f.bottom)
                    cv.Line(CPoint(f.left, y), CPoint(f.right, y));
                yLabel(y, AxisLabels::Linear(value, step));
            }
        }
    }
    dc->SetTextAlign(align);
}

// The samples a log-log figure draws by their magnitude, marked hollow.
void DrawMagnitudeMarkers(const CDrawRPCurve& c, CDC* dc, const SoundingPlan& plan)
{
    if (c.m_nDisModel != 2)
        return;
    ChartCanvas cv(dc);
    constexpr Stroke kStrokes[] = {{kMeasuredR, kRed}, {kMeasuredV, kBlack}, {kModelledR, kGreen}, {kModelledV, kBlue}};
    for (int k = 0; k < 4; ++k) {
        const Points& pts = c.*kStrokes[k].curve.points;
        cv.UsePen(kStrokes[k].colour);
        for (int i : plan.negativeRows[k])
            if (i < pts.GetSize())
                DrawDiamond(cv, pts[i], c.m_fMarkHalf);
    }
}

// The caption above the chart's title, in 12 points, its bottom 1 mm
// above the title's top (the title stands 12 mm above the frame in the
// linear view, 10 mm in the log-log view).
void DrawCaption(const CDrawRPCurve& c, CDC* dc, const CString& caption)
{
    ChartCanvas cv(dc);
    cv.UsePointFont(120);
    const double mm = FigureText::UnitsPerMm(dc);
    const LONG titleTop = Offset(c.m_rcRegion.top, c.m_nDisModel == 2 ? 1000 : 1200);
    const UINT align = dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
    cv.Text(CPoint(Offset(c.m_rcRegion.left, 500), Offset(titleTop, ToUnits(mm))), caption);
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

std::string SoundingFigure::LineOf(const std::string& station)
{
    const size_t dash = station.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 >= station.size())
        return {};
    return station.substr(0, dash);
}

CString SoundingFigure::StationCaption(const std::string& station, double x)
{
    CString s;
    s.Format("测站 %s", station.c_str());
    const std::string line = LineOf(station);
    if (!line.empty())
        s.AppendFormat("   测线 %s", line.c_str());
    if (std::isfinite(x))
        s.AppendFormat("   x = %g m", x);
    return s;
}

SoundingFigure SoundingFigure::For(const SoundingTable& table, SoundingPlan::View view)
{
    SoundingFigure figure;
    figure.plan = SoundingPlan::For(table, view);
    figure.abscissaTitle = figure.plan->abscissaTitle;
    figure.valueTitle = figure.plan->valueTitle;
    return figure;
}

void DrawSoundingFigure(CDrawRPCurve& chart, CDC* dc, const SoundingFigure& figure, SoundingLayer layer)
{
    if (!dc)
        return;
    const SoundingPlan* plan = figure.plan ? &*figure.plan : nullptr;
    chart.m_bKeepLabelsApart = figure.keepLabelsApart ? TRUE : FALSE;
    chart.m_bHostLabels = plan ? TRUE : FALSE;
    const bool modelled = plan ? plan->modelled : figure.modelled;
    std::function<void(CDC*)> axes;
    if (plan)
        axes = [&chart, plan](CDC* d) { DrawPlannedAxes(chart, d, *plan); };
    DrawSoundingChart(chart, dc, layer, modelled, axes);
    if (layer != SoundingLayer::Whole && layer != SoundingLayer::AboveMovingMarker)
        return;
    if (plan)
        DrawMagnitudeMarkers(chart, dc, *plan);
    if (!figure.caption.IsEmpty())
        DrawCaption(chart, dc, figure.caption);
    // What the frame drew (title, grid, labels) is what the titles keep
    // clear of; the curves stay inside the frame.
    const CRect drawn = FigureText::DrawnBox(dc, [&chart, plan](CDC* probe) {
        chart.DrawRegionRect(probe);
        if (plan)
            DrawPlannedAxes(chart, probe, *plan);
    });
    const CRect& frame = chart.m_rcRegion;
    const CRect below(frame.left, frame.bottom, frame.right, std::min(drawn.top, drawn.bottom));
    const CRect title = FigureText::TitleBelow(dc, frame, below, figure.abscissaTitle);
    if (figure.legend) {
        const LONG gap = static_cast<LONG>(FigureText::kGapMm * FigureText::UnitsPerMm(dc));
        const bool mt = plan && (plan->quantity == SoundingPlan::Quantity::Frequency ||
                                 plan->quantity == SoundingPlan::Quantity::Period);
        DrawLegend(chart, dc, std::min(title.top, title.bottom) - gap, modelled,
                   plan && plan->negatives && chart.m_nDisModel == 2, mt);
    }
    FigureText::TitleRight(dc, frame, drawn, figure.valueTitle);
}
