#include "sounding/SoundingPlan.h"

#include "chart/AxisLabels.h"
#include "platform/core/ColumnUnits.h"
#include "sounding/CDrawRPCurve.h"
#include "sounding/SoundingFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace {

constexpr const char* kMicro = "μ";

// A power of ten as a unit prefix, or empty where none is named.
std::string Prefix(int power)
{
    switch (power) {
    case 0: return "";
    case -3: return "m";
    case -6: return kMicro;
    case -9: return "n";
    case 3: return "k";
    default: return "?";
    }
}

double Pow10(int k) { return std::pow(10.0, k); }

// The float the chart will hold of v x 10^k.
float Scaled(double v, int k) { return static_cast<float>(v * Pow10(k)); }

// The exponent k that brings the positive value v to (0.1, 1] as a float,
// so that the chart's lowest decade is that of the data.
int ShiftIntoFirstDecade(double v)
{
    int k = -static_cast<int>(std::ceil(std::log10(v)));
    while (!(Scaled(v, k) > 0.1f))
        ++k;
    return k;
}

// Decades of the chart's frame for a range held as floats: the left (or
// bottom) and right (or top) decade as the chart truncates them.
int LowDecade(float v) { return static_cast<int>(std::trunc(std::log10(static_cast<double>(v)))) - 1; }
int HighDecade(float v) { return static_cast<int>(std::trunc(std::log10(static_cast<double>(v)))) + 1; }

}  // namespace

double SoundingPlan::ChartValueOfLabel(double label) const
{
    return (label * Pow10(yUnit) - yOffset) * Pow10(yShift);
}

float SoundingPlan::ChartAbscissa(double file) const { return Scaled(file, xShift); }

double SoundingPlan::FileAbscissa(double chart) const { return chart * Pow10(-xShift); }

float SoundingPlan::ChartValue(double file) const
{
    return model == 2 ? Scaled(std::fabs(file), yShift) : Scaled(file - yOffset, yShift);
}

double SoundingPlan::FileValue(double chart, bool negative) const
{
    const double v = chart * Pow10(-yShift);
    return model == 2 ? (negative ? -v : v) : v + yOffset;
}

double SoundingPlan::ShownAbscissa(double file) const { return file * Pow10(xDisplay); }

double SoundingPlan::ShownValue(double file) const { return model == 2 ? file : file * Pow10(-yUnit); }

SoundingPlan SoundingPlan::For(const SoundingTable& t, View view)
{
    SoundingPlan p;
    const int n = t.Rows();
    p.modelled = t.columns >= 5 && t.rFwd.GetSize() >= n && t.vFwd.GetSize() >= n;
    if (n < 1)
        return p;

    // ---- abscissa ----
    const Abscissa a = AbscissaOf(t.header);
    p.quantity = a.quantity;
    double minX = HUGE_VAL, maxX = 0;
    for (int i = 0; i < n; ++i) {
        minX = std::min<double>(minX, t.x[i]);
        maxX = std::max<double>(maxX, t.x[i]);
    }
    if (!(minX > 0) || !std::isfinite(maxX))
        return p;  // refused before a plan is made
    int unitPower = a.power;  // the unit shown, relative to s or Hz
    if (a.quantity == Quantity::Time) {
        // The unit of s, ms and µs that puts the data's geometric middle
        // nearest to 30 (labels from about 1 to 1000).
        const double mid = (std::log10(minX) + std::log10(maxX)) / 2 + a.power;
        double best = HUGE_VAL;
        for (int d : {0, -3, -6}) {
            const double off = std::fabs(mid - d - 1.5);
            if (off < best - 1e-9) {
                best = off;
                unitPower = d;
            }
        }
    }
    p.xDisplay = a.power - unitPower;
    p.xShift = ShiftIntoFirstDecade(minX);
    const float cMinX = Scaled(minX, p.xShift), cMaxX = std::max(cMinX, Scaled(maxX, p.xShift));
    const int xDecades = HighDecade(cMaxX) - LowDecade(cMinX);
    const double widthMm = std::clamp(kWidthPerDecadeMm * xDecades, kMinWidthMm, kMaxWidthMm);
    p.width = std::max(1L, static_cast<long>(widthMm * 100 * (std::log10(static_cast<double>(cMaxX)) + 1) / xDecades));
    switch (a.quantity) {
    case Quantity::Time: p.xSymbol = "t"; p.xUnit.Format("%ss", Prefix(unitPower).c_str()); break;
    case Quantity::Frequency: p.xSymbol = "f"; p.xUnit.Format("%sHz", Prefix(unitPower).c_str()); break;
    case Quantity::Period: p.xSymbol = "T"; p.xUnit.Format("%ss", Prefix(unitPower).c_str()); break;
    case Quantity::Other: p.xSymbol = CString(a.name.c_str()); break;
    }
    switch (a.quantity) {
    case Quantity::Time: p.abscissaTitle.Format("时间 t (%s)", p.xUnit.GetString()); break;
    case Quantity::Frequency: p.abscissaTitle.Format("频率 f (%s)", p.xUnit.GetString()); break;
    case Quantity::Period: p.abscissaTitle.Format("周期 T (%s)", p.xUnit.GetString()); break;
    case Quantity::Other: p.abscissaTitle = CString(a.name.c_str()); break;
    }

    // ---- values ----
    const CArray<float, float&>* curves[4] = {&t.r, &t.v, &t.rFwd, &t.vFwd};
    const int curveCount = p.modelled ? 4 : 2;
    double minA = HUGE_VAL, maxA = 0, minV = HUGE_VAL, maxV = -HUGE_VAL;
    bool zero = false;
    for (int c = 0; c < curveCount; ++c)
        for (int i = 0; i < n && i < curves[c]->GetSize(); ++i) {
            const double v = (*curves[c])[i];
            minV = std::min(minV, v);
            maxV = std::max(maxV, v);
            if (v == 0) {
                zero = true;
                continue;
            }
            minA = std::min(minA, std::fabs(v));
            maxA = std::max(maxA, std::fabs(v));
            if (v < 0) {
                p.negatives = true;
                p.negativeRows[c].push_back(i);
            }
        }
    const bool anyNonZero = maxA > 0;
    const double spread = anyNonZero ? std::log10(maxA / minA) : 0;
    bool logLog = view == View::LogLog || (view == View::Auto && anyNonZero && !zero && spread > kLogLogDecades);
    if (logLog && (zero || !anyNonZero)) {
        p.note = "some values are 0, which the log-log view cannot show: the linear view is drawn";
        logLog = false;
    }

    // The units of the value axis: R in ohm-metres, V in the unit its
    // column names (microvolts per ampere when it names none).
    const ColumnUnits::Voltage vUnit = ColumnUnits::VoltageOf(t.header);
    const int vPower = vUnit.power;
    const std::string vBase = vUnit.perAmpere ? "V/A" : "V";
    // In frequency or period the sounding is magnetotelluric: apparent
    // resistivity and the impedance's phase in degrees.
    const bool mt = p.quantity == Quantity::Frequency || p.quantity == Quantity::Period;

    if (logLog) {
        p.model = 2;
        p.yShift = ShiftIntoFirstDecade(minA);
        const float cMin = Scaled(minA, p.yShift), cMax = std::max(cMin, Scaled(maxA, p.yShift));
        const int yDecades = HighDecade(cMax) - LowDecade(cMin);
        const double heightMm = std::clamp(kHeightPerDecadeMm * yDecades, kMinHeightMm, kMaxHeightMm);
        p.height = std::max(1L, static_cast<long>(heightMm * 100 * (std::log10(static_cast<double>(cMax)) + 1) / yDecades));
        p.rUnit = "Ω·m";
        if (mt) {
            p.vUnit = "°";
            p.valueTitle.Format("视电阻率 ρa (%s)、相位 φ (%s)", p.rUnit.GetString(), p.vUnit.GetString());
        } else {
            p.vUnit.Format("%s%s", Prefix(vPower).c_str(), vBase.c_str());
            p.valueTitle.Format("视电阻率 R (%s)、垂直磁分量 V (%s)", p.rUnit.GetString(), p.vUnit.GetString());
        }
        if (p.negatives)
            p.valueTitle += "，负值取绝对值";
        return p;
    }

    p.model = 1;
    p.yOffset = std::min(0.0, minV);
    const double top = std::max(0.0, maxV) - p.yOffset;
    // Values from 0 to the top as 1000 ... 10000 chart units: the linear
    // frame's 100 units of headroom then add at most a tenth.
    p.yShift = top > 0 ? 3 - static_cast<int>(std::floor(std::log10(top))) : 0;
    const double cMax = static_cast<double>(Scaled(top, p.yShift));
    p.height = std::max(1L, static_cast<long>(kLinearHeightMm * 100 * (cMax + 1) / (cMax + 100)));
    // Labels in the file's units from 0.1 to 10000; beyond, in steps of a
    // thousand, with the factor named in the title.
    const double biggest = std::max(std::fabs(minV), std::fabs(maxV));
    if (biggest > 0 && (biggest < 0.1 || biggest >= 10000))
        p.yUnit = 3 * static_cast<int>(std::floor(std::log10(biggest) / 3));
    CString r, v;
    if (p.yUnit == 0)
        r = "Ω·m";
    else
        r.Format("×10%s Ω·m", AxisLabels::Superscript(p.yUnit).GetString());
    const int shown = vPower + p.yUnit;
    if (mt && p.yUnit == 0)
        v = "°";
    else if (mt)
        v.Format("×10%s °", AxisLabels::Superscript(p.yUnit).GetString());
    else if (shown == 0 || shown == -3 || shown == -6 || shown == -9)
        v.Format("%s%s", Prefix(shown).c_str(), vBase.c_str());
    else
        v.Format("×10%s %s%s", AxisLabels::Superscript(p.yUnit).GetString(), Prefix(vPower).c_str(), vBase.c_str());
    p.rUnit = r;
    p.vUnit = v;
    if (mt)
        p.valueTitle.Format("视电阻率 ρa (%s)、相位 φ (%s)", r.GetString(), v.GetString());
    else
        p.valueTitle.Format("视电阻率 R (%s)、垂直磁分量 V (%s)", r.GetString(), v.GetString());
    return p;
}

SoundingPlan SoundingPlan::Common(const SoundingTable& all, View view)
{
    SoundingPlan p = For(all, view);
    if (all.Rows() < 1)
        return p;
    CDrawRPCurve chart;
    p.Load(chart, all);
    p.common = true;
    p.minX = chart.m_fMinX;
    p.maxX = chart.m_fMaxX;
    p.minY = chart.m_fMinY;
    p.maxY = chart.m_fMaxY;
    return p;
}

void SoundingPlan::Load(CDrawRPCurve& chart, const SoundingTable& t) const
{
    const int n = t.Rows();
    CArray<float, float&> x, cols[4];
    x.SetSize(n);
    const CArray<float, float&>* src[4] = {&t.r, &t.v, modelled ? &t.rFwd : &t.r, modelled ? &t.vFwd : &t.v};
    for (auto& c : cols)
        c.SetSize(n);
    for (int i = 0; i < n; ++i) {
        x[i] = ChartAbscissa(t.x[i]);
        for (int c = 0; c < 4; ++c)
            cols[c][i] = ChartValue(i < src[c]->GetSize() ? (*src[c])[i] : 0.0);
    }
    chart.m_lDisWidth = width;
    chart.m_lDisHeight = height;
    chart.m_nDisModel = 1;
    chart.GetData(x, cols[0], cols[1], cols[2], cols[3]);
    if (model == 2 && chart.m_nCount > 0) {
        chart.m_nDisModel = 2;
        chart.SetDisModel();
    }
    if (common && chart.m_nCount > 0) {
        // The survey's ranges instead of this sounding's, then the rest of
        // the layout in the chart's own order.
        chart.m_fMinX = minX;
        chart.m_fMaxX = maxX;
        chart.m_fMinY = minY;
        chart.m_fMaxY = maxY;
        chart.CalcuDisrate(chart.m_lDisWidth, chart.m_lDisHeight, chart.m_fMaxX, chart.m_fMaxY);
        chart.SetRegionRect();
        chart.ValueToPt();
        chart.SetPtRect();
    }
}
