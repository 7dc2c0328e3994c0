#pragma once

#include <span>
#include <vector>

namespace em1d {

struct TemSystem;

// A measured transient as an inversion sees it: gate times (ms), normalised
// voltages V/I (µV/A) and the error of each gate. Errors are either one
// standard deviation per gate (µV/A, from the file) or a noise level in
// percent of each gate's own voltage.
//
// Checked on construction: times finite, positive and increasing; voltages
// finite and positive (ln V is what is fitted); deviations finite and
// positive; the noise level finite and positive.
class TemObservations {
public:
    TemObservations(std::vector<double> timesMs, std::vector<double> voltage,
                    std::vector<double> sigma = {}, double noisePercent = 5.0);

    int size() const { return static_cast<int>(times_.size()); }
    const std::vector<double>& timesMs() const { return times_; }
    const std::vector<double>& voltage() const { return voltage_; }
    const std::vector<double>& sigma() const { return sigma_; }
    bool hasSigma() const { return !sigma_.empty(); }
    double noisePercent() const { return noisePercent_; }

    // Standard deviation of ln V at each gate: σ/V to first order, or the
    // noise level as a fraction.
    const std::vector<double>& logSigma() const { return logSigma_; }

    // RMS relative misfit in percent over all gates:
    // 100·√(mean(((d − m)/d)²)).
    double misfitPercent(std::span<const double> modelled) const;
    // √(mean(((d − m)/σ)²)) with σ the deviation of each gate (from the
    // file, or the noise level times the measured voltage).
    double chiRms(std::span<const double> modelled) const;

    // Late-time apparent resistivity of each gate (Ω·m) for a central loop
    // of the system's radius and receiver area.
    std::vector<double> apparentResistivity(const TemSystem& system) const;
    static double apparentResistivity(double timeMs, double voltage, const TemSystem& system);

    // Depth (m) the currents of the last gate have diffused to in a half-space
    // of the given resistivity: 1262·√(ρ·t), t in seconds.
    static double diffusionDepth(double resistivity, double timeMs);

private:
    std::vector<double> times_;
    std::vector<double> voltage_;
    std::vector<double> sigma_;
    double noisePercent_;
    std::vector<double> logSigma_;
};

} // namespace em1d
