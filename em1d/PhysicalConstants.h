// Constants of the modelling library.
#pragma once

#include <numbers>

namespace em1d {

// Magnetic permeability of free space, H/m (the earth is taken as
// non-magnetic: μ = μ0 in every layer).
inline constexpr double kMu0 = 4.0e-7 * std::numbers::pi;

} // namespace em1d
