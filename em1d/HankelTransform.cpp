#include "em1d/HankelTransform.h"

namespace em1d {

HankelTransform::HankelTransform(const DigitalFilter& filter, int column, double r)
{
    const auto base = filter.base();
    const auto w = filter.weights(column);
    lambda_.reserve(base.size());
    weight_.reserve(base.size());
    for (std::size_t i = 0; i < base.size(); ++i) {
        lambda_.push_back(base[i] / r);
        weight_.push_back(w[i] / r);
    }
}

double HankelTransform::integrate(std::span<const double> f) const
{
    double sum = 0;
    for (std::size_t i = 0; i < weight_.size(); ++i)
        sum += f[i] * weight_[i];
    return sum;
}

} // namespace em1d
