#include "em1d/FourierTransform.h"

#include <cmath>

namespace em1d {

FourierTransform::FourierTransform(const DigitalFilter& sinCos)
    : base_(sinCos.base().begin(), sinCos.base().end()),
      sin_(sinCos.weights(1)),
      cos_(sinCos.weights(2)),
      delta_(sinCos.logSpacing())
{
}

FourierTransform::Run FourierTransform::cover(double tMin, double tMax, int margin) const
{
    const int lo = static_cast<int>(std::floor(std::log(tMin) / delta_)) - margin;
    const int hi = static_cast<int>(std::ceil(std::log(tMax) / delta_)) + margin;
    return {lo, hi - lo + 1};
}

double FourierTransform::latticeTime(int k) const
{
    return std::exp(k * delta_);
}

// Time t_k and filter point i meet at ω = b₀e^{iΔ}/t_k = b₀e^{(i−k)Δ}; over
// the run, i − k goes from −last to n − 1 − first, and that offset by `last`
// is the index into the frequency list.
std::vector<double> FourierTransform::frequencies(Run run) const
{
    const int last = run.first + run.count - 1;
    const int n = size();
    std::vector<double> omega;
    omega.reserve(n + run.count - 1);
    for (int m = -last; m <= n - 1 - run.first; ++m)
        omega.push_back(base_[0] * std::exp(m * delta_));
    return omega;
}

void FourierTransform::lagged(Run run, std::span<const double> F, std::span<const double> weights,
                              std::span<double> out) const
{
    const int last = run.first + run.count - 1;
    for (int c = 0; c < run.count; ++c) {
        const int k = run.first + c;
        // F from filter point 0 of time t_k on.
        out[c] = sum(F.subspan(last - k, base_.size()), weights) / latticeTime(k);
    }
}

void FourierTransform::sine(Run run, std::span<const double> F, std::span<double> out) const
{
    lagged(run, F, sin_, out);
}

void FourierTransform::cosine(Run run, std::span<const double> F, std::span<double> out) const
{
    lagged(run, F, cos_, out);
}

double FourierTransform::sum(std::span<const double> F, std::span<const double> weights)
{
    double s = 0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        s += F[i] * weights[i];
    return s;
}

std::vector<double> FourierTransform::frequenciesAt(double t) const
{
    std::vector<double> omega;
    omega.reserve(base_.size());
    for (double b : base_)
        omega.push_back(b / t);
    return omega;
}

double FourierTransform::sineAt(double t, std::span<const double> F) const
{
    return sum(F, sin_) / t;
}

double FourierTransform::cosineAt(double t, std::span<const double> F) const
{
    return sum(F, cos_) / t;
}

} // namespace em1d
