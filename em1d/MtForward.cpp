#include "em1d/MtForward.h"

#include "em1d/ModelError.h"
#include "em1d/NumberText.h"
#include "em1d/PhysicalConstants.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <string>

namespace em1d {

MtResponse MtForward::compute(const LayeredEarth& earth, std::span<const double> periodsS)
{
    using Complex = std::complex<double>;
    const auto& rho = earth.resistivity();
    const auto& h = earth.thickness();
    MtResponse out;
    for (std::size_t p = 0; p < periodsS.size(); ++p) {
        const double period = periodsS[p];
        if (!std::isfinite(period) || period < kMinPeriodS || period > kMaxPeriodS)
            throw ModelError("period " + std::to_string(p + 1) + ": " + formatNumber(period) + " s is outside "
                             + formatNumber(kMinPeriodS) + " .. " + formatNumber(kMaxPeriodS) + " s");
        const double omega = 2 * std::numbers::pi / period;
        const Complex iwm(0, omega * kMu0);
        // Impedances scaled by 1/√(ωμ0), so that |Z|² is ρa directly and no
        // product of large numbers overflows: ζ = √(iρ).
        Complex z = std::sqrt(Complex(0, rho.back()));
        for (std::size_t j = h.size(); j-- > 0;) {
            if (h[j] == 0)
                continue;
            const Complex zj = std::sqrt(Complex(0, rho[j]));
            const Complex kj = std::sqrt(iwm / rho[j]);
            // tanh(k h) as (1 − e)/(1 + e), e = e^{−2kh}: no overflow for thick layers.
            const Complex e = std::exp(-2.0 * kj * h[j]);
            z = zj * (z * (1.0 + e) + zj * (1.0 - e)) / (zj * (1.0 + e) + z * (1.0 - e));
        }
        out.rhoApparent.push_back(std::norm(z));
        out.phaseDeg.push_back(std::arg(z) * 180.0 / std::numbers::pi);
    }
    return out;
}

} // namespace em1d
