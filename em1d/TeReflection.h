// The kernel of the layered earth: the TE-mode reflection coefficient seen
// from the air, r_TE(λ, ω) = (λ − Y₁)/(λ + Y₁), where Y₁ comes from the
// layers' admittances by recursion from the half-space upwards.
#pragma once

#include "em1d/LayeredEarth.h"

#include <span>
#include <vector>

namespace em1d {

class TeReflection {
public:
    explicit TeReflection(const LayeredEarth& earth);

    // r_TE at the pairs (lambda[p] in 1/m, omega[p] in rad/s), quasi-static
    // (displacement currents neglected), time dependence e^{iωt}. The four
    // spans have one length; lambda > 0, omega > 0.
    void evaluate(std::span<const double> lambda, std::span<const double> omega,
                  std::span<double> re, std::span<double> im) const;

private:
    // μ0σ of every layer, the half-space last, and the thickness above it;
    // layers of zero thickness are left out (they change nothing).
    std::vector<double> mu0Sigma_;
    std::vector<double> thickness_;
};

} // namespace em1d
