// ∫₀^∞ f(λ) J1(λr) dλ at one offset r by a digital linear filter: f sampled
// at λᵢ = bᵢ/r, the integral (1/r) Σ f(λᵢ) wᵢ.
#pragma once

#include "em1d/DigitalFilter.h"

#include <span>
#include <vector>

namespace em1d {

class HankelTransform {
public:
    // column: the filter's weight column of J1.
    HankelTransform(const DigitalFilter& filter, int column, double r);

    // Where f is to be sampled, λᵢ in 1/m, ascending.
    std::span<const double> abscissae() const { return lambda_; }
    int size() const { return static_cast<int>(lambda_.size()); }
    // The integral from f at the abscissae.
    double integrate(std::span<const double> f) const;

private:
    std::vector<double> lambda_;
    std::vector<double> weight_;  // wᵢ/r
};

} // namespace em1d
