// One-dimensional magnetotellurics: apparent resistivity and phase of the
// surface impedance of a layered earth under a plane wave.
#pragma once

#include "em1d/LayeredEarth.h"

#include <span>
#include <vector>

namespace em1d {

struct MtResponse {
    std::vector<double> rhoApparent;  // ohm-m
    std::vector<double> phaseDeg;     // degrees, 45 over a half-space
};

class MtForward {
public:
    // At the given periods in s. Throws ModelError for a period that is not
    // finite or outside kMinPeriodS .. kMaxPeriodS.
    static MtResponse compute(const LayeredEarth& earth, std::span<const double> periodsS);

    static constexpr double kMinPeriodS = 1e-6;
    static constexpr double kMaxPeriodS = 1e8;
};

} // namespace em1d
