// The central-loop response of a uniform half-space in closed form (Ward and
// Hohmann 1988), the yardstick of the TEM tests.
#pragma once

#include <cmath>
#include <numbers>

namespace em1d::test {

inline constexpr double kMu0 = 4.0e-7 * std::numbers::pi;

// B_z at the centre of a loop of radius a (m) carrying 1 A, t in s, rho in ohm-m.
inline double halfSpaceBz(double rho, double t, double a)
{
    const double x = std::sqrt(kMu0 / (4 * rho * t)) * a;
    return kMu0 / (2 * a)
        * (3 * std::exp(-x * x) / (std::sqrt(std::numbers::pi) * x) + (1 - 1.5 / (x * x)) * std::erf(x));
}

inline double halfSpaceDBzDt(double rho, double t, double a)
{
    const double x = std::sqrt(kMu0 / (4 * rho * t)) * a;
    return -(rho / (a * a * a))
        * (3 * std::erf(x) - 2 / std::sqrt(std::numbers::pi) * x * (3 + 2 * x * x) * std::exp(-x * x));
}

} // namespace em1d::test
