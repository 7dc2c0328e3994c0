#pragma once

#include "em1d/TemForward.h"
#include "em1d/TemObservations.h"

#include <vector>

namespace em1d {

// The forward engine seen from an inversion: the logarithm of the modelled
// V/I at the sounding's gates, its weighted misfit to the data, and the
// Jacobian with respect to the logarithms of resistivities and thicknesses.
class LogForward {
public:
    LogForward(const TemSystem& system, const TemObservations& data);

    int gates() const { return static_cast<int>(logData_.size()); }

    // ln V of the model at every gate, and V itself when asked. False when the
    // engine gives a non-positive or non-finite voltage, which no fit can use.
    bool logModel(const std::vector<double>& resistivity, const std::vector<double>& thickness,
                  std::vector<double>& lnV, std::vector<double>* voltage = nullptr) const;

    // Weighted residuals (ln d − ln m)/σ and their sum of squares.
    double residual(const std::vector<double>& lnV, std::vector<double>& r) const;

    // Weighted Jacobian ∂(ln m_i/σ_i)/∂(ln p_k), column-major (gates × parameters),
    // for the parameters listed in `which`: k < layers is ρ_k, k ≥ layers is
    // h_(k − layers). lnV is the model's ln V at the given parameters.
    //
    // Forward differences in ln p, one forward call a parameter. Each call is
    // one lagged-convolution curve (one frequency set for all gates), so a
    // column costs one curve; central differences would double that for
    // accuracy the fit does not need: the responses are smooth in ln p (the
    // filters are fixed sums), and a step of 1e-4 leaves a relative error of
    // about 1e-4 in each derivative, far below what the damping tolerates.
    bool jacobian(const std::vector<double>& resistivity, const std::vector<double>& thickness,
                  const std::vector<int>& which, const std::vector<double>& lnV, std::vector<double>& J) const;

    const std::vector<double>& logData() const { return logData_; }
    const std::vector<double>& logSigma() const { return logSigma_; }
    const std::vector<double>& timesMs() const { return times_; }

private:
    TemForward forward_;
    std::vector<double> times_;
    std::vector<double> logData_;
    std::vector<double> logSigma_;
};

} // namespace em1d
