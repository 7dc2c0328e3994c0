#include "chart/AxisLabels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

CString AxisLabels::Superscript(int k)
{
    static const char* const kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string digits = std::to_string(std::abs(static_cast<long long>(k)));
    std::string out = k < 0 ? "⁻" : "";
    for (char d : digits)
        out += kDigits[d - '0'];
    return CString(out.c_str());
}

CString AxisLabels::Decade(int k, int j)
{
    CString s;
    if (k >= kPlainLow && k <= kPlainHigh) {
        s.Format("%.*f", k < 0 ? -k : 0, j * std::pow(10.0, k));
        return s;
    }
    CString power("10");
    power += Superscript(k);
    if (j == 1)
        return power;
    s.Format("%d×", j);
    s += power;
    return s;
}

double AxisLabels::NiceStep(double lo, double hi, int minLabels)
{
    const double span = hi - lo;
    if (!(span > 0) || !std::isfinite(span) || minLabels < 2)
        return 0.0;
    // Start from a step that surely gives too few labels and go down the
    // 5, 2, 1 ladder until enough multiples fall inside.
    double power = std::pow(10.0, std::ceil(std::log10(span)));
    for (int guard = 0; guard < 64; ++guard) {
        for (double m : {5.0, 2.0, 1.0}) {
            const double step = m * power / 10.0;
            const double count = std::floor(hi / step + 1e-9) - std::ceil(lo / step - 1e-9) + 1;
            if (count >= minLabels)
                return step;
        }
        power /= 10.0;
    }
    return 0.0;
}

CString AxisLabels::Linear(double v, double step)
{
    int decimals = 0;
    if (step > 0 && std::isfinite(step))
        decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    decimals = std::min(decimals, 12);
    if (std::fabs(v) < step * 1e-6)
        v = 0.0;
    CString s;
    s.Format("%.*f", decimals, v);
    return s;
}
