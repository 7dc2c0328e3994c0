#include "em1d/LogForward.h"

#include "em1d/LayeredEarth.h"
#include "em1d/ModelError.h"

#include <cmath>

namespace em1d {

namespace {
constexpr double kStep = 1e-4;
}

LogForward::LogForward(const TemSystem& system, const TemObservations& data)
    : forward_(system), times_(data.timesMs()), logSigma_(data.logSigma())
{
    logData_.reserve(data.voltage().size());
    for (double v : data.voltage())
        logData_.push_back(std::log(v));
}

bool LogForward::logModel(const std::vector<double>& resistivity, const std::vector<double>& thickness,
                          std::vector<double>& lnV, std::vector<double>* voltage) const
{
    TemResponse response;
    try {
        response = forward_.compute(LayeredEarth(thickness, resistivity), times_);
    } catch (const ModelError&) {
        return false;
    }
    if (response.voltage.size() != times_.size())
        return false;
    lnV.resize(times_.size());
    for (std::size_t i = 0; i < times_.size(); ++i) {
        const double v = response.voltage[i];
        if (!(std::isfinite(v) && v > 0.0))
            return false;
        lnV[i] = std::log(v);
    }
    if (voltage)
        *voltage = std::move(response.voltage);
    return true;
}

double LogForward::residual(const std::vector<double>& lnV, std::vector<double>& r) const
{
    r.resize(logData_.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < logData_.size(); ++i) {
        r[i] = (logData_[i] - lnV[i]) / logSigma_[i];
        sum += r[i] * r[i];
    }
    return sum;
}

bool LogForward::jacobian(const std::vector<double>& resistivity, const std::vector<double>& thickness,
                          const std::vector<int>& which, const std::vector<double>& lnV,
                          std::vector<double>& J) const
{
    const std::size_t n = logData_.size();
    const int layers = static_cast<int>(resistivity.size());
    J.assign(n * which.size(), 0.0);
    std::vector<double> rho = resistivity;
    std::vector<double> h = thickness;
    std::vector<double> lnStep;
    for (std::size_t k = 0; k < which.size(); ++k) {
        const int p = which[k];
        double& value = p < layers ? rho[static_cast<std::size_t>(p)] : h[static_cast<std::size_t>(p - layers)];
        const double saved = value;
        value = saved * std::exp(kStep);
        const bool ok = logModel(rho, h, lnStep);
        value = saved;
        if (!ok)
            return false;
        for (std::size_t i = 0; i < n; ++i)
            J[k * n + i] = (lnStep[i] - lnV[i]) / kStep / logSigma_[i];
    }
    return true;
}

} // namespace em1d
