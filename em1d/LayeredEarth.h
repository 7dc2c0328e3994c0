// A horizontally layered earth: resistivity of every layer from the top down,
// thickness of every layer above the last, which is a half-space.
#pragma once

#include <vector>

namespace em1d {

class LayeredEarth {
public:
    // thickness holds one number fewer than resistivity. Throws ModelError,
    // naming the layer, unless there is at least one layer, every number is
    // finite, every resistivity > 0 and every thickness >= 0 (a layer of zero
    // thickness is allowed and changes nothing).
    LayeredEarth(std::vector<double> thickness, std::vector<double> resistivity);

    // A uniform half-space.
    static LayeredEarth halfSpace(double resistivity);

    int layers() const { return static_cast<int>(resistivity_.size()); }
    const std::vector<double>& thickness() const { return thickness_; }
    const std::vector<double>& resistivity() const { return resistivity_; }

private:
    std::vector<double> thickness_;
    std::vector<double> resistivity_;
};

} // namespace em1d
