// A digital linear filter held as data: abscissae ("base") spaced evenly in
// the logarithm and one column of weights per kernel. An integral
// ∫₀^∞ f(x) K(x r) dx is approximated by (1/r) Σ f(bᵢ/r) wᵢ.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace em1d {

class DigitalFilter {
public:
    // The tables compiled into the library, by file name without ".txt":
    // hankel_gupt_47_1997_j1, hankel_key_201_2012_j0j1 (J1 is its last
    // column), fourier_wer_101_2020b_sincos, fourier_key_201_2012_sincos.
    // Throws ModelError for a name not compiled in.
    static const DigitalFilter& named(const std::string& name);

    const std::string& name() const { return name_; }
    int size() const { return static_cast<int>(base_.size()); }
    std::span<const double> base() const { return base_; }
    // Weights of column 1.. (column 0 is the base).
    std::span<const double> weights(int column) const { return weights_.at(column - 1); }
    int weightColumns() const { return static_cast<int>(weights_.size()); }
    // The spacing of the base in the natural logarithm.
    double logSpacing() const { return logSpacing_; }

private:
    DigitalFilter() = default;
    std::string name_;
    std::vector<double> base_;
    std::vector<std::vector<double>> weights_;
    double logSpacing_ = 0;
};

} // namespace em1d
