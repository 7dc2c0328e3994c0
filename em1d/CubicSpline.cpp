#include "em1d/CubicSpline.h"

#include "em1d/ModelError.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <algorithm>

namespace em1d {

CubicSpline::CubicSpline(std::vector<double> x, std::vector<double> y)
    : x_(std::move(x)), y_(std::move(y)), m_(x_.size(), 0.0)
{
    const int n = static_cast<int>(x_.size());
    if (n < 2 || y_.size() != x_.size())
        throw ModelError("cubic spline: needs at least two points and one value a point");
    if (n == 2)
        return;  // a straight line
    // Unknowns m_1 .. m_{n−2}:
    //   h_{i−1} m_{i−1} + 2(h_{i−1} + h_i) m_i + h_i m_{i+1} = 6(s_i − s_{i−1}),
    // symmetric and diagonally dominant, so LDLᵀ needs no pivoting.
    const int k = n - 2;
    Eigen::SparseMatrix<double> a(k, k);
    std::vector<Eigen::Triplet<double>> entries;
    entries.reserve(3 * k);
    Eigen::VectorXd rhs(k);
    for (int i = 1; i <= k; ++i) {
        const double h0 = x_[i] - x_[i - 1], h1 = x_[i + 1] - x_[i];
        entries.emplace_back(i - 1, i - 1, 2.0 * (h0 + h1));
        if (i > 1)
            entries.emplace_back(i - 1, i - 2, h0);
        if (i < k)
            entries.emplace_back(i - 1, i, h1);
        rhs[i - 1] = 6.0 * ((y_[i + 1] - y_[i]) / h1 - (y_[i] - y_[i - 1]) / h0);
    }
    a.setFromTriplets(entries.begin(), entries.end());
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(a);
    const Eigen::VectorXd m = solver.solve(rhs);
    for (int i = 0; i < k; ++i)
        m_[i + 1] = m[i];
}

double CubicSpline::operator()(double v) const
{
    const auto it = std::upper_bound(x_.begin() + 1, x_.end() - 1, v);
    const std::size_t i = static_cast<std::size_t>(it - x_.begin()) - 1;
    const double h = x_[i + 1] - x_[i];
    const double a = (x_[i + 1] - v) / h, b = (v - x_[i]) / h;
    return a * y_[i] + b * y_[i + 1] + ((a * a * a - a) * m_[i] + (b * b * b - b) * m_[i + 1]) * h * h / 6.0;
}

} // namespace em1d
