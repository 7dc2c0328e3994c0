// The sine and cosine transforms ∫₀^∞ F(ω) sin(ωt) dω and ∫₀^∞ F(ω) cos(ωt) dω
// by a digital linear filter: F sampled at ωᵢ = bᵢ/t, the integral
// (1/t) Σ F(ωᵢ) wᵢ.
//
// Lagged convolution: on the lattice of times t_k = e^{kΔ} s, Δ the filter's
// logarithmic spacing, the frequencies bᵢ/t_k of neighbouring times coincide
// but for one, so a whole run of lattice times needs the filter's length plus
// one frequency per further time, not the product.
#pragma once

#include "em1d/DigitalFilter.h"

#include <span>
#include <vector>

namespace em1d {

class FourierTransform {
public:
    // A filter with a sine column (1) and a cosine column (2).
    explicit FourierTransform(const DigitalFilter& sinCos);

    // A run of lattice times, ascending: t_k for k = first .. first + count − 1.
    struct Run {
        int first = 0;
        int count = 0;
    };
    // The shortest run reaching from at most tMin to at least tMax (seconds),
    // with `margin` further lattice times at either end.
    Run cover(double tMin, double tMax, int margin) const;
    double latticeTime(int k) const;
    // The frequencies (rad/s) the run needs, ascending.
    std::vector<double> frequencies(Run run) const;
    // The sine or the cosine transform at every time of the run, from F at
    // frequencies(run); out holds run.count values.
    void sine(Run run, std::span<const double> F, std::span<double> out) const;
    void cosine(Run run, std::span<const double> F, std::span<double> out) const;

    // Without the lattice: the frequencies of one time and the transforms
    // there (each time its own full set; for reference calculations).
    std::vector<double> frequenciesAt(double t) const;
    double sineAt(double t, std::span<const double> F) const;
    double cosineAt(double t, std::span<const double> F) const;

    int size() const { return static_cast<int>(base_.size()); }

private:
    void lagged(Run run, std::span<const double> F, std::span<const double> weights, std::span<double> out) const;
    static double sum(std::span<const double> F, std::span<const double> weights);

    std::vector<double> base_;
    std::span<const double> sin_;
    std::span<const double> cos_;
    double delta_;
};

} // namespace em1d
