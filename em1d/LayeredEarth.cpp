#include "em1d/LayeredEarth.h"

#include "em1d/ModelError.h"
#include "em1d/NumberText.h"

#include <cmath>
#include <string>
#include <utility>

namespace em1d {

LayeredEarth::LayeredEarth(std::vector<double> thickness, std::vector<double> resistivity)
    : thickness_(std::move(thickness)), resistivity_(std::move(resistivity))
{
    if (resistivity_.empty())
        throw ModelError("layered earth: no layer (at least the half-space's resistivity is needed)");
    if (thickness_.size() + 1 != resistivity_.size())
        throw ModelError("layered earth: " + std::to_string(resistivity_.size()) + " resistivities need "
                         + std::to_string(resistivity_.size() - 1) + " thicknesses, not "
                         + std::to_string(thickness_.size()));
    for (std::size_t i = 0; i < resistivity_.size(); ++i) {
        const double r = resistivity_[i];
        if (!std::isfinite(r) || r <= 0)
            throw ModelError("layer " + std::to_string(i + 1) + ": resistivity " + formatNumber(r)
                             + " ohm-m is not a positive finite number");
    }
    for (std::size_t i = 0; i < thickness_.size(); ++i) {
        const double h = thickness_[i];
        if (!std::isfinite(h) || h < 0)
            throw ModelError("layer " + std::to_string(i + 1) + ": thickness " + formatNumber(h)
                             + " m is not a finite number >= 0");
    }
}

LayeredEarth LayeredEarth::halfSpace(double resistivity)
{
    return LayeredEarth({}, {resistivity});
}

} // namespace em1d
