#include "em1d/TeReflection.h"

#include "em1d/PhysicalConstants.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

// The recursion runs as plain loops over arrays of doubles, one layer at a
// time over every (λ, ω) pair, so that the compiler turns them into vector
// instructions. Where the compiler can make copies for several instruction
// sets and pick one at load time, it does: AVX2 and AVX-512 machines run
// four or eight pairs at once, others the SSE2 code every x86-64 has.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(TARNEX_EM1D_NO_CLONES)
#define EM1D_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define EM1D_VECTOR_CLONES
#endif

namespace em1d {

namespace {

// Adding then subtracting 1.5·2^52 rounds a double of magnitude below 2^51 to
// the nearest integer without a conversion instruction, which keeps the loop
// free of calls and branches.
constexpr double kRound = 6755399441055744.0;

inline double roundToInteger(double x) { return (x + kRound) - kRound; }

// e^x for x <= 0, to a few units in the last place; below −700 the result is
// e^−700 (≈ 1e−304), which is zero for every sum it enters. The library's
// exp() is a call the loop cannot vectorise.
inline double expNonPositive(double x)
{
    x = std::max(x, -700.0);
    const double shifted = x * 1.4426950408889634 + kRound;  // log2(e)
    const double k = shifted - kRound;
    // x − k·ln 2 in two parts, so that the reduced argument stays exact.
    const double r = x - k * 6.93147180369123816490e-01 - k * 1.90821492927058770002e-10;
    // Taylor series of e^r, |r| <= ln(2)/2: truncation error below 1e-14.
    double p = 1.0 / 39916800;
    p = p * r + 1.0 / 3628800;
    p = p * r + 1.0 / 362880;
    p = p * r + 1.0 / 40320;
    p = p * r + 1.0 / 5040;
    p = p * r + 1.0 / 720;
    p = p * r + 1.0 / 120;
    p = p * r + 1.0 / 24;
    p = p * r + 1.0 / 6;
    p = p * r + 0.5;
    p = p * r + 1.0;
    p = p * r + 1.0;
    // 2^k built in the exponent field; the low bits of `shifted` hold k.
    const std::int64_t k2 = std::bit_cast<std::int64_t>(shifted) - std::bit_cast<std::int64_t>(kRound);
    return p * std::bit_cast<double>((k2 + 1023) << 52);
}

// sin and cos of t for |t| <= 100 (larger t is clamped: the recursion only
// asks for angles whose factor e^{−|t|} is already zero there).
inline void sinCos(double t, double& s, double& c)
{
    t = std::min(std::max(t, -100.0), 100.0);
    const double q = roundToInteger(t * 0.63661977236758134308);  // 2/π
    // t − q·π/2 in two parts (exact enough for |q| <= 64).
    const double r = t - q * 1.57079632673412561417e+00 - q * 6.07710050650619224932e-11;
    const double r2 = r * r;
    // Taylor series on |r| <= π/4: errors below 1e-14.
    double ps = -1.0 / 1307674368000;
    ps = ps * r2 + 1.0 / 6227020800;
    ps = ps * r2 - 1.0 / 39916800;
    ps = ps * r2 + 1.0 / 362880;
    ps = ps * r2 - 1.0 / 5040;
    ps = ps * r2 + 1.0 / 120;
    ps = ps * r2 - 1.0 / 6;
    ps = r + r * r2 * ps;
    double pc = 1.0 / 20922789888000;
    pc = pc * r2 - 1.0 / 87178291200;
    pc = pc * r2 + 1.0 / 479001600;
    pc = pc * r2 - 1.0 / 3628800;
    pc = pc * r2 + 1.0 / 40320;
    pc = pc * r2 - 1.0 / 720;
    pc = pc * r2 + 1.0 / 24;
    pc = pc * r2 - 0.5;
    pc = pc * r2 + 1.0;
    // Quadrant n = q mod 4 and its consequences, in arithmetic only.
    const double n = q - 4.0 * roundToInteger(q * 0.25 - 0.375);
    const double upper = roundToInteger(n * 0.5 - 0.25);     // 1 in quadrants 2, 3
    const double odd = n - 2.0 * upper;                       // 1 in quadrants 1, 3
    const double n1 = n + 1.0 - 4.0 * roundToInteger((n + 1.0) * 0.25 - 0.375);
    const double cosNegative = roundToInteger(n1 * 0.5 - 0.25);  // quadrants 1, 2
    const double so = ps + odd * (pc - ps);
    const double co = pc + odd * (ps - pc);
    s = so * (1.0 - 2.0 * upper);
    c = co * (1.0 - 2.0 * cosNegative);
}

// u = √(λ² + iωμ0σ), the principal root (real part > 0 since λ > 0).
inline void admittanceRoot(double lambda, double y, double& ur, double& ui)
{
    const double x = lambda * lambda;
    const double m = std::sqrt(x * x + y * y);
    ur = std::sqrt(0.5 * (m + x));
    ui = 0.5 * y / ur;
}

EM1D_VECTOR_CLONES
void halfSpace(int n, const double* __restrict lambda, const double* __restrict omega, double mu0Sigma,
               double* __restrict yr, double* __restrict yi)
{
    for (int p = 0; p < n; ++p)
        admittanceRoot(lambda[p], omega[p] * mu0Sigma, yr[p], yi[p]);
}

// One layer of thickness h over an earth of admittance Y:
//   Y ← u (Y + u T)/(u + Y T),  T = tanh(u h) = (1 − e)/(1 + e),  e = e^{−2uh},
// written as u (Y(1 + e) + u(1 − e))/(u(1 + e) + Y(1 − e)), which never
// overflows and needs one complex division.
EM1D_VECTOR_CLONES
void layerAbove(int n, const double* __restrict lambda, const double* __restrict omega, double mu0Sigma, double h,
                double* __restrict yr, double* __restrict yi)
{
    for (int p = 0; p < n; ++p) {
        double ur, ui;
        admittanceRoot(lambda[p], omega[p] * mu0Sigma, ur, ui);
        const double mag = expNonPositive(-2.0 * ur * h);
        double s, c;
        sinCos(-2.0 * ui * h, s, c);
        const double er = mag * c, ei = mag * s;
        const double Yr = yr[p], Yi = yi[p];
        const double pr = 1.0 + er, pi = ei;     // 1 + e
        const double mr = 1.0 - er, mi = -ei;    // 1 − e
        const double nr = Yr * pr - Yi * pi + ur * mr - ui * mi;
        const double ni = Yr * pi + Yi * pr + ur * mi + ui * mr;
        const double dr = ur * pr - ui * pi + Yr * mr - Yi * mi;
        const double di = ur * pi + ui * pr + Yr * mi + Yi * mr;
        const double q = 1.0 / (dr * dr + di * di);
        const double fr = (nr * dr + ni * di) * q;
        const double fi = (ni * dr - nr * di) * q;
        yr[p] = ur * fr - ui * fi;
        yi[p] = ur * fi + ui * fr;
    }
}

// r = (λ − Y)/(λ + Y), in place.
EM1D_VECTOR_CLONES
void reflection(int n, const double* __restrict lambda, double* __restrict yr, double* __restrict yi)
{
    for (int p = 0; p < n; ++p) {
        const double ar = lambda[p] - yr[p], ai = -yi[p];
        const double br = lambda[p] + yr[p], bi = yi[p];
        const double q = 1.0 / (br * br + bi * bi);
        yr[p] = (ar * br + ai * bi) * q;
        yi[p] = (ai * br - ar * bi) * q;
    }
}

} // namespace

TeReflection::TeReflection(const LayeredEarth& earth)
{
    const auto& rho = earth.resistivity();
    const auto& h = earth.thickness();
    for (std::size_t j = 0; j + 1 < rho.size(); ++j) {
        if (h[j] == 0)
            continue;
        mu0Sigma_.push_back(kMu0 / rho[j]);
        thickness_.push_back(h[j]);
    }
    mu0Sigma_.push_back(kMu0 / rho.back());
}

void TeReflection::evaluate(std::span<const double> lambda, std::span<const double> omega,
                            std::span<double> re, std::span<double> im) const
{
    const int n = static_cast<int>(lambda.size());
    halfSpace(n, lambda.data(), omega.data(), mu0Sigma_.back(), re.data(), im.data());
    for (std::size_t j = thickness_.size(); j-- > 0;)
        layerAbove(n, lambda.data(), omega.data(), mu0Sigma_[j], thickness_[j], re.data(), im.data());
    reflection(n, lambda.data(), re.data(), im.data());
}

} // namespace em1d
