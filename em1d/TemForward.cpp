#include "em1d/TemForward.h"

#include "em1d/CubicSpline.h"
#include "em1d/ModelError.h"
#include "em1d/NumberText.h"
#include "em1d/PhysicalConstants.h"
#include "em1d/TeReflection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace em1d {

namespace {

// Filters. Live: the 47-point J1 filter is the shortest that keeps a central
// loop within 0.02 % of the 201-point reference over 0.01–10 ms and
// 1–3000 ohm-m, and the 101-point sine/cosine filter was designed for TEM at
// short offsets over resistive ground; its spacing (ln Δ = 0.123) makes a
// three-decade curve cost about 160 frequencies. Reference: the 201-point
// pair, each time with its own frequencies.
const char* const kLiveHankel = "hankel_gupt_47_1997_j1";
const char* const kLiveFourier = "fourier_wer_101_2020b_sincos";
const char* const kReferenceHankel = "hankel_key_201_2012_j0j1";
const char* const kReferenceFourier = "fourier_key_201_2012_sincos";

// Lattice times kept beyond the first and last time asked for, so that the
// spline's free ends lie outside the curve.
constexpr int kSplineMargin = 3;

const DigitalFilter& hankelFilter(TemAccuracy a)
{
    return DigitalFilter::named(a == TemAccuracy::Live ? kLiveHankel : kReferenceHankel);
}

const DigitalFilter& fourierFilter(TemAccuracy a)
{
    return DigitalFilter::named(a == TemAccuracy::Live ? kLiveFourier : kReferenceFourier);
}

const TemSystem& validated(const TemSystem& s)
{
    s.validate();
    return s;
}

// Gauss–Legendre nodes and weights on [−1, 1], four points: exact for cubics.
constexpr double kGaussNode[4] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                                  0.8611363115940526};
constexpr double kGaussWeight[4] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                                    0.3478548451374538};

// One sample the system averages: value = Σ weight · f(time).
struct Node {
    double time;  // s
    double weight;
};

// Adds nodes for ∫ f(x) K(x) dx over [a, b], K linear from ka to kb. The
// quadrature runs in ln x, where a decaying transient is smooth, in pieces of
// at most half a unit of ln x (a factor 1.65 in time).
void addLinearPiece(double a, double b, double ka, double kb, std::vector<Node>& nodes)
{
    if (!(b > a))
        return;
    const double width = std::log1p((b - a) / a);
    const int pieces = std::max(1, static_cast<int>(std::ceil(width / 0.5)));
    const double h = width / pieces;
    for (int p = 0; p < pieces; ++p)
        for (int g = 0; g < 4; ++g) {
            const double u = h * (p + 0.5 * (1.0 + kGaussNode[g]));
            const double x = a * std::exp(u);
            const double k = ka + (kb - ka) * ((x - a) / (b - a));
            nodes.push_back({x, 0.5 * h * kGaussWeight[g] * k * x});
        }
}

// What the system records at nominal time t: the step response averaged
// over the gate [t − w/2, t + w/2] of the ramp response, itself the step
// response averaged over the ramp's length τ:
//   value = ∫ f(x) K(x) dx, K the convolution of the two boxes (a trapezoid).
std::vector<Node> samplingNodes(double t, double w, double tau)
{
    std::vector<Node> nodes;
    const double t1 = t - 0.5 * w, t2 = t + 0.5 * w;
    if (w == 0 && tau == 0) {
        nodes.push_back({t, 1.0});
    } else if (w == 0) {
        addLinearPiece(t, t + tau, 1 / tau, 1 / tau, nodes);
    } else if (tau == 0) {
        addLinearPiece(t1, t2, 1 / w, 1 / w, nodes);
    } else {
        const double top = std::min(w, tau) / (w * tau);
        const double p1 = std::min(t1 + tau, t2), p2 = std::max(t1 + tau, t2);
        addLinearPiece(t1, p1, 0, top, nodes);
        addLinearPiece(p1, p2, top, top, nodes);
        addLinearPiece(p2, t2 + tau, top, 0, nodes);
    }
    return nodes;
}

// A curve on lattice times carried to other times by a cubic spline in ln t:
// of ln|f| where f keeps one sign (a transient then is nearly straight), of
// f itself otherwise.
class LatticeCurve {
public:
    LatticeCurve(const std::vector<double>& lnT, const std::vector<double>& f)
        : sign_(f.front() < 0 ? -1.0 : 1.0),
          logarithmic_(std::all_of(f.begin(), f.end(),
                                   [&](double v) { return v * sign_ > 0 && std::isfinite(v); })),
          spline_(lnT, logarithmic_ ? logMagnitudes(f) : f)
    {
    }
    double operator()(double t) const
    {
        const double v = spline_(std::log(t));
        return logarithmic_ ? sign_ * std::exp(v) : v;
    }

private:
    static std::vector<double> logMagnitudes(const std::vector<double>& f)
    {
        std::vector<double> out;
        out.reserve(f.size());
        for (double v : f)
            out.push_back(std::log(std::fabs(v)));
        return out;
    }
    double sign_;
    bool logarithmic_;
    CubicSpline spline_;
};

} // namespace

TemForward::TemForward(TemSystem system, TemAccuracy accuracy)
    : system_(validated(system)),
      accuracy_(accuracy),
      hankel_(hankelFilter(accuracy), hankelFilter(accuracy).weightColumns(), system_.loopRadius),
      fourier_(fourierFilter(accuracy))
{
}

std::vector<double> TemForward::defaultTimesMs()
{
    std::vector<double> t;
    for (int i = 0; i <= 30; ++i)
        t.push_back(0.01 * std::pow(10.0, i / 10.0));
    return t;
}

// Im H_z(ω) at the loop's centre, 1 A: H_z = (a/2) ∫ r_TE(λ) λ J1(λa) dλ.
// The kernel runs over the (ω, λ) pairs of a few frequencies at a time, so
// that its arrays stay in the first-level cache.
std::vector<double> TemForward::imaginaryHz(const TeReflection& kernel, std::span<const double> omega) const
{
    constexpr std::size_t kFrequenciesAtOnce = 16;
    const auto lambda = hankel_.abscissae();
    const std::size_t nl = lambda.size(), nf = omega.size();
    const std::size_t chunk = std::min(nf, kFrequenciesAtOnce) * nl;
    std::vector<double> lam(chunk), om(chunk), re(chunk), im(chunk);
    for (std::size_t j = 0; j < std::min(nf, kFrequenciesAtOnce); ++j)
        std::copy(lambda.begin(), lambda.end(), lam.begin() + j * nl);
    std::vector<double> h(nf);
    const double half = 0.5 * system_.loopRadius;
    for (std::size_t j0 = 0; j0 < nf; j0 += kFrequenciesAtOnce) {
        const std::size_t count = std::min(kFrequenciesAtOnce, nf - j0), n = count * nl;
        for (std::size_t j = 0; j < count; ++j)
            std::fill_n(om.begin() + j * nl, nl, omega[j0 + j]);
        kernel.evaluate(std::span(lam).first(n), std::span(om).first(n), std::span(re).first(n),
                        std::span(im).first(n));
        for (std::size_t j = 0; j < count; ++j) {
            double* f = im.data() + j * nl;
            for (std::size_t i = 0; i < nl; ++i)
                f[i] *= lambda[i];
            h[j0 + j] = half * hankel_.integrate(std::span<const double>(f, nl));
        }
    }
    return h;
}

// The step-off response at the given times (s):
//   dB_z/dt = (2μ0/π) ∫ Im H_z(ω) sin(ωt) dω,  B_z = −(2μ0/π) ∫ Im H_z(ω)/ω cos(ωt) dω.
void TemForward::stepResponse(const LayeredEarth& earth, std::span<const double> timesS, std::vector<double>& dBdt,
                              std::vector<double>& b) const
{
    const TeReflection kernel(earth);
    const double scale = 2.0 * kMu0 / std::numbers::pi;
    dBdt.resize(timesS.size());
    b.resize(timesS.size());
    if (accuracy_ == TemAccuracy::Reference) {
        for (std::size_t i = 0; i < timesS.size(); ++i) {
            const std::vector<double> omega = fourier_.frequenciesAt(timesS[i]);
            std::vector<double> h = imaginaryHz(kernel, omega);
            dBdt[i] = scale * fourier_.sineAt(timesS[i], h);
            for (std::size_t j = 0; j < h.size(); ++j)
                h[j] /= omega[j];
            b[i] = -scale * fourier_.cosineAt(timesS[i], h);
        }
        return;
    }
    const auto [lo, hi] = std::minmax_element(timesS.begin(), timesS.end());
    const FourierTransform::Run run = fourier_.cover(*lo, *hi, kSplineMargin);
    const std::vector<double> omega = fourier_.frequencies(run);
    std::vector<double> h = imaginaryHz(kernel, omega);
    std::vector<double> lnT(run.count), latticeDBdt(run.count), latticeB(run.count);
    for (int k = 0; k < run.count; ++k)
        lnT[k] = std::log(fourier_.latticeTime(run.first + k));
    fourier_.sine(run, h, latticeDBdt);
    for (std::size_t j = 0; j < h.size(); ++j)
        h[j] /= omega[j];
    fourier_.cosine(run, h, latticeB);
    for (int k = 0; k < run.count; ++k) {
        latticeDBdt[k] *= scale;
        latticeB[k] *= -scale;
    }
    const LatticeCurve curveDBdt(lnT, latticeDBdt), curveB(lnT, latticeB);
    for (std::size_t i = 0; i < timesS.size(); ++i) {
        dBdt[i] = curveDBdt(timesS[i]);
        b[i] = curveB(timesS[i]);
    }
}

TemResponse TemForward::compute(const LayeredEarth& earth, std::span<const double> timesMs) const
{
    for (int j = 0; j < earth.layers(); ++j) {
        const double r = earth.resistivity()[j];
        if (r < kMinResistivity || r > kMaxResistivity)
            throw ModelError("layer " + std::to_string(j + 1) + ": resistivity " + formatNumber(r)
                             + " ohm-m is outside " + formatNumber(kMinResistivity) + " .. "
                             + formatNumber(kMaxResistivity) + " ohm-m");
    }
    const auto& widths = system_.gateWidthMs;
    if (!widths.empty() && widths.size() != timesMs.size())
        throw ModelError(std::to_string(widths.size()) + " gate widths for " + std::to_string(timesMs.size())
                         + " times");
    const double tau = system_.rampUs * 1e-6;
    std::vector<std::vector<Node>> plan;
    plan.reserve(timesMs.size());
    std::vector<double> sampleTimes;
    for (std::size_t i = 0; i < timesMs.size(); ++i) {
        const double t = timesMs[i];
        if (!std::isfinite(t) || t < kMinTimeMs || t > kMaxTimeMs)
            throw ModelError("time " + std::to_string(i + 1) + ": " + formatNumber(t) + " ms is outside "
                             + formatNumber(kMinTimeMs) + " .. " + formatNumber(kMaxTimeMs) + " ms");
        const double w = widths.empty() ? 0.0 : widths[i];
        if (t - 0.5 * w <= 0)
            throw ModelError("time " + std::to_string(i + 1) + ": the gate of " + formatNumber(w) + " ms about "
                             + formatNumber(t) + " ms starts at or before the end of the turn-off");
        plan.push_back(samplingNodes(t * 1e-3, w * 1e-3, tau));
        for (const Node& n : plan.back())
            sampleTimes.push_back(n.time);
    }
    TemResponse out;
    if (timesMs.empty())
        return out;

    std::vector<double> dBdt, b;
    stepResponse(earth, sampleTimes, dBdt, b);

    const double a = system_.loopRadius;
    const double moment = std::numbers::pi * a * a;  // A·m² for 1 A
    std::size_t s = 0;
    for (std::size_t i = 0; i < timesMs.size(); ++i) {
        double d = 0, bi = 0;
        for (const Node& n : plan[i]) {
            d += n.weight * dBdt[s];
            bi += n.weight * b[s];
            ++s;
        }
        out.dBzdt.push_back(d);
        out.bz.push_back(bi);
        out.voltage.push_back(-d * system_.rxArea * 1e6);
        // ρa = μ0/(4πt) · [2μ0 M/(5 t |dB_z/dt|)]^{2/3}, from the late-time
        // half-space response.
        const double t = timesMs[i] * 1e-3;
        out.rhoApparent.push_back(d == 0 || !std::isfinite(d)
                                      ? std::numeric_limits<double>::quiet_NaN()
                                      : kMu0 / (4 * std::numbers::pi * t)
                                            * std::cbrt(std::pow(2 * kMu0 * moment / (5 * t * std::fabs(d)), 2)));
    }
    return out;
}

} // namespace em1d
