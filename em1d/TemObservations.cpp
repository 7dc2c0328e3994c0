#include "em1d/TemObservations.h"

#include "em1d/InversionError.h"
#include "em1d/TemSystem.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

namespace em1d {

namespace {

// Numbers in messages read the same in every locale.
std::string number(double v)
{
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
    return std::string(buf, res.ptr);
}

std::string gate(std::size_t i, double timeMs)
{
    return "gate " + std::to_string(i + 1) + " (t = " + number(timeMs) + " ms)";
}

constexpr double kMu0 = 4e-7 * std::numbers::pi;

} // namespace

TemObservations::TemObservations(std::vector<double> timesMs, std::vector<double> voltage,
                                 std::vector<double> sigma, double noisePercent)
    : times_(std::move(timesMs)), voltage_(std::move(voltage)), sigma_(std::move(sigma)),
      noisePercent_(noisePercent)
{
    if (times_.empty())
        throw InversionError("the sounding has no gates");
    if (voltage_.size() != times_.size())
        throw InversionError("the sounding has " + std::to_string(times_.size()) + " times but "
                             + std::to_string(voltage_.size()) + " voltages");
    if (!sigma_.empty() && sigma_.size() != times_.size())
        throw InversionError("the sounding has " + std::to_string(times_.size()) + " times but "
                             + std::to_string(sigma_.size()) + " standard deviations");
    if (sigma_.empty() && !(std::isfinite(noisePercent_) && noisePercent_ > 0.0))
        throw InversionError("noise level " + number(noisePercent_) + " % is not a positive number");
    for (std::size_t i = 0; i < times_.size(); ++i) {
        const double t = times_[i];
        if (!(std::isfinite(t) && t > 0.0))
            throw InversionError("gate " + std::to_string(i + 1) + ": time " + number(t)
                                 + " ms is not positive");
        if (i > 0 && !(t > times_[i - 1]))
            throw InversionError(gate(i, t) + ": times must increase (previous gate " + number(times_[i - 1])
                                 + " ms)");
        if (!(std::isfinite(voltage_[i]) && voltage_[i] > 0.0))
            throw InversionError(gate(i, t) + ": voltage " + number(voltage_[i])
                                 + " uV/A is not positive; only a decaying positive transient can be inverted");
        if (!sigma_.empty() && !(std::isfinite(sigma_[i]) && sigma_[i] > 0.0))
            throw InversionError(gate(i, t) + ": standard deviation " + number(sigma_[i]) + " is not positive");
    }
    logSigma_.resize(times_.size());
    for (std::size_t i = 0; i < times_.size(); ++i)
        logSigma_[i] = sigma_.empty() ? noisePercent_ / 100.0 : sigma_[i] / voltage_[i];
}

double TemObservations::misfitPercent(std::span<const double> modelled) const
{
    double sum = 0.0;
    for (std::size_t i = 0; i < voltage_.size() && i < modelled.size(); ++i) {
        const double e = (voltage_[i] - modelled[i]) / voltage_[i];
        sum += e * e;
    }
    return 100.0 * std::sqrt(sum / static_cast<double>(voltage_.size()));
}

double TemObservations::chiRms(std::span<const double> modelled) const
{
    double sum = 0.0;
    for (std::size_t i = 0; i < voltage_.size() && i < modelled.size(); ++i) {
        const double s = sigma_.empty() ? voltage_[i] * noisePercent_ / 100.0 : sigma_[i];
        const double e = (voltage_[i] - modelled[i]) / s;
        sum += e * e;
    }
    return std::sqrt(sum / static_cast<double>(voltage_.size()));
}

std::vector<double> TemObservations::apparentResistivity(const TemSystem& system) const
{
    std::vector<double> rho(times_.size());
    for (std::size_t i = 0; i < times_.size(); ++i)
        rho[i] = apparentResistivity(times_[i], voltage_[i], system);
    return rho;
}

double TemObservations::apparentResistivity(double timeMs, double voltage, const TemSystem& system)
{
    // Late-time half-space asymptote of dBz/dt at the centre of a loop of
    // moment M = π a² (I = 1): ρa = μ0/(4πt)·[2μ0 M/(5t|dBz/dt|)]^(2/3).
    const double a = system.loopRadius;
    const double moment = std::numbers::pi * a * a;
    const double t = timeMs * 1e-3;
    const double dbdt = voltage * 1e-6 / system.rxArea;
    return kMu0 / (4.0 * std::numbers::pi * t) * std::pow(2.0 * kMu0 * moment / (5.0 * t * dbdt), 2.0 / 3.0);
}

double TemObservations::diffusionDepth(double resistivity, double timeMs)
{
    // √(2ρt/μ0) = 1262·√(ρt)
    return std::sqrt(2.0 * resistivity * timeMs * 1e-3 / kMu0);
}

} // namespace em1d
