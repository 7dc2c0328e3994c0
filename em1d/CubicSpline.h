// A natural cubic spline through points (x, y), x strictly ascending: second
// derivatives from the tridiagonal system of continuous slopes, zero at both
// ends. Used to carry a curve computed on a lattice of times to other times.
#pragma once

#include <vector>

namespace em1d {

class CubicSpline {
public:
    // At least two points; x strictly ascending.
    CubicSpline(std::vector<double> x, std::vector<double> y);

    // The spline at v; beyond the ends the end pieces continue.
    double operator()(double v) const;

private:
    std::vector<double> x_, y_, m_;  // m: second derivatives at the knots
};

} // namespace em1d
