#include "em1d/OccamInversion.h"

#include "em1d/InversionError.h"
#include "em1d/LogForward.h"
#include "em1d/TemInversion.h"

#include <Eigen/Cholesky>
#include <Eigen/Core>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace em1d {

namespace {

constexpr double kLnRhoMin = -2.302585092994046;   // ln 0.1
constexpr double kLnRhoMax = 11.512925464970229;   // ln 1e5
// Roughness weights tried each step: 10^-4 … 10^4 times the ratio of the
// data and roughness terms' traces, a decade apart. Nine forward calls a step
// on top of the Jacobian's one a layer.
constexpr int kWeights = 9;
// Steps toward the best trial halved at most this often when no trial lowers
// the misfit (the linearisation is poor far from the solution).
constexpr int kHalvings = 5;
// Bisections of the weight near the target misfit: four more forward calls.
constexpr int kBisections = 4;

} // namespace

OccamInversion::OccamInversion(TemSystem system) : system_(std::move(system))
{
    system_.validate();
    control_.maxIterations = 20;
}

void OccamInversion::setLayers(int layers)
{
    if (layers < 5 || layers > 100)
        throw InversionError("a smooth inversion takes 5 to 100 layers, not " + std::to_string(layers));
    layers_ = layers;
}

void OccamInversion::setTargetMisfit(double chiRms)
{
    if (!(std::isfinite(chiRms) && chiRms > 0.0))
        throw InversionError("the target misfit must be a positive number");
    target_ = chiRms;
}

void OccamInversion::fixResistivity(int layer, double value)
{
    if (!(std::isfinite(value) && value > 0.0))
        throw InversionError("a fixed resistivity must be a positive number");
    fixed_.emplace_back(layer, value);
}

std::vector<double> OccamInversion::layering(const TemObservations& data, const TemSystem& system, int layers)
{
    const std::vector<double> rhoA = data.apparentResistivity(system);
    double shallow = std::numeric_limits<double>::infinity();
    double deep = 0.0;
    for (int i = 0; i < data.size(); ++i) {
        const double z = TemInversion::depthOfInvestigation(rhoA[static_cast<std::size_t>(i)],
                                                            data.timesMs()[static_cast<std::size_t>(i)]);
        shallow = std::min(shallow, z);
        deep = std::max(deep, z);
    }
    // The first layer a quarter of the shallowest depth the gates see, each
    // next one thicker by a common factor, the last interface at twice the
    // deepest depth: the factor g solves h0·(g^(L−1) − 1)/(g − 1) = bottom.
    const double first = std::max(0.25 * shallow, 0.5);
    const double bottom = std::max(2.0 * deep, 10.0 * first);
    const int interfaces = layers - 1;
    const auto depthOf = [&](double g) {
        return first * (std::pow(g, interfaces) - 1.0) / (g - 1.0);
    };
    double lo = 1.0 + 1e-9;
    double hi = 10.0;
    while (depthOf(hi) < bottom)
        hi *= 2.0;
    for (int k = 0; k < 100; ++k) {
        const double mid = 0.5 * (lo + hi);
        (depthOf(mid) < bottom ? lo : hi) = mid;
    }
    std::vector<double> thickness;
    for (int k = 0; k < interfaces; ++k)
        thickness.push_back(first * std::pow(lo, k));
    return thickness;
}

OccamResult OccamInversion::run(const TemObservations& data) const
{
    const int layers = layers_;
    if (data.size() < 3)
        throw InversionError("the sounding has " + std::to_string(data.size())
                             + " gates; a smooth inversion needs at least 3");
    const std::vector<double> h = layering(data, system_, layers);

    // Start from the half-space of the data's mean log apparent resistivity.
    const std::vector<double> rhoA = data.apparentResistivity(system_);
    double meanLn = 0.0;
    for (double r : rhoA)
        meanLn += std::log(r);
    meanLn = std::clamp(meanLn / static_cast<double>(rhoA.size()), kLnRhoMin, kLnRhoMax);
    Eigen::VectorXd lnRho = Eigen::VectorXd::Constant(layers, meanLn);

    std::vector<bool> fixed(static_cast<std::size_t>(layers), false);
    for (const auto& [layer, value] : fixed_) {
        if (layer < 0 || layer >= layers)
            throw InversionError("rho" + std::to_string(layer + 1) + " is held fixed but the smooth model has "
                                 + std::to_string(layers) + " layers");
        fixed[static_cast<std::size_t>(layer)] = true;
        lnRho(layer) = std::log(value);
    }
    std::vector<int> freeIndex;
    for (int k = 0; k < layers; ++k)
        if (!fixed[static_cast<std::size_t>(k)])
            freeIndex.push_back(k);
    const int p = static_cast<int>(freeIndex.size());

    // First differences of ln ρ between neighbouring layers, split into the
    // free columns and the constant the fixed layers contribute.
    Eigen::MatrixXd roughFull = Eigen::MatrixXd::Zero(layers - 1, layers);
    for (int k = 0; k + 1 < layers; ++k) {
        roughFull(k, k) = -1.0;
        roughFull(k, k + 1) = 1.0;
    }
    Eigen::MatrixXd rough(layers - 1, p);
    for (int k = 0; k < p; ++k)
        rough.col(k) = roughFull.col(freeIndex[static_cast<std::size_t>(k)]);
    const Eigen::MatrixXd RtR = rough.transpose() * rough;

    const LogForward model(system_, data);
    const int n = model.gates();
    const double nGates = static_cast<double>(n);

    // Fixed layers keep their value exactly, not its round trip through ln.
    auto toRho = [&](const Eigen::VectorXd& ln) {
        std::vector<double> r(static_cast<std::size_t>(ln.size()));
        for (Eigen::Index k = 0; k < ln.size(); ++k)
            r[static_cast<std::size_t>(k)] = std::exp(ln(k));
        for (const auto& [layer, value] : fixed_)
            r[static_cast<std::size_t>(layer)] = value;
        return r;
    };
    auto roughnessOf = [&](const Eigen::VectorXd& ln) { return (roughFull * ln).squaredNorm(); };

    std::vector<double> rho = toRho(lnRho);
    std::vector<double> lnV;
    std::vector<double> residual;
    if (!model.logModel(rho, h, lnV))
        throw InversionError("the forward engine cannot model the start model");
    double phi = model.residual(lnV, residual);

    OccamResult result;
    std::vector<double> J;
    std::vector<double> trialLnV;
    std::vector<double> trialResidual;
    double chosenWeight = 0.0;
    // While the fit stalls above the target, the weights tried are capped
    // below the last one chosen: the model a much smaller weight leads to is
    // often too far for one linearised step, but reachable in several.
    double cap = std::numeric_limits<double>::infinity();
    int iteration = 0;
    int stalls = 0;
    while (iteration < control_.maxIterations && p > 0 && stalls < control_.maxIterations) {
        if (control_.cancelled()) {
            result.cancelled = true;
            break;
        }
        if (!model.jacobian(rho, h, freeIndex, lnV, J))
            break;
        const Eigen::Map<const Eigen::MatrixXd> Jm(J.data(), n, p);
        const Eigen::Map<const Eigen::VectorXd> rv(residual.data(), n);
        const double targetPhi = target_ * target_ * nGates;
        const bool atTarget = phi <= targetPhi;
        if (atTarget)
            cap = std::numeric_limits<double>::infinity();   // smoothing: every weight may serve
        Eigen::VectorXd m0(p);
        for (int k = 0; k < p; ++k)
            m0(k) = lnRho(freeIndex[static_cast<std::size_t>(k)]);
        Eigen::VectorXd fixedPart = roughFull * lnRho - rough * m0;   // what the fixed layers add to R·m
        const Eigen::MatrixXd A = Jm.transpose() * Jm;
        const Eigen::VectorXd b = Jm.transpose() * (rv + Jm * m0);
        const double scale = std::max(A.trace(), 1e-30) / std::max(RtR.trace(), 1e-30);
        const double smallest = scale * std::pow(10.0, -(kWeights - 1) / 2);

        // The linearised problem for each roughness weight: the model that
        // minimises |r + J(m0 − m)|² + μ|R m + c|², then its true misfit.
        struct Trial { double weight; Eigen::VectorXd lnRho; std::vector<double> lnV, residual; double phi; };
        const auto solveFor = [&](double mu) -> std::optional<Trial> {
            Eigen::MatrixXd lhs = A + mu * RtR;
            lhs.diagonal().array() += 1e-10 * scale;
            const Eigen::LDLT<Eigen::MatrixXd> ldlt(lhs);
            const Eigen::VectorXd m = ldlt.solve(b - mu * rough.transpose() * fixedPart);
            if (ldlt.info() != Eigen::Success || !m.allFinite())
                return std::nullopt;
            Eigen::VectorXd next = lnRho;
            for (int k = 0; k < p; ++k)
                next(freeIndex[static_cast<std::size_t>(k)]) = std::clamp(m(k), kLnRhoMin, kLnRhoMax);
            Trial t{mu, next, {}, {}, 0.0};
            if (!model.logModel(toRho(next), h, t.lnV))
                return std::nullopt;
            t.phi = model.residual(t.lnV, t.residual);
            return t;
        };
        std::vector<Trial> trials;
        for (int w = 0; w < kWeights; ++w) {
            const double mu = scale * std::pow(10.0, w - (kWeights - 1) / 2);
            if (mu > cap)
                break;
            if (auto t = solveFor(mu))
                trials.push_back(std::move(*t));
        }
        if (trials.empty())
            break;   // nothing the engine could model, or the cap below every weight

        // The smoothest trial that reaches the target; while none does, the
        // best fitting one.
        const Trial* pick = nullptr;
        const Trial* over = nullptr;   // the next larger weight, which misses the target
        for (const Trial& t : trials)
            if (t.phi <= targetPhi && (!pick || t.weight > pick->weight))
                pick = &t;
        if (pick)
            for (const Trial& t : trials)
                if (t.weight > pick->weight && t.phi > targetPhi && (!over || t.weight < over->weight))
                    over = &t;
        if (!pick)
            for (const Trial& t : trials)
                if (!pick || t.phi < pick->phi)
                    pick = &t;
        Trial chosen = *pick;
        // The weights are a decade apart: between the last that reaches the
        // target and the first that misses it, bisect in log weight to come
        // within a factor 10^(1/16) of the smoothest model at the target.
        if (over) {
            double lo = std::log(chosen.weight);
            double hi = std::log(over->weight);
            for (int k = 0; k < kBisections; ++k) {
                const double mid = 0.5 * (lo + hi);
                auto t = solveFor(std::exp(mid));
                if (t && t->phi <= targetPhi) {
                    chosen = std::move(*t);
                    lo = mid;
                } else {
                    hi = mid;
                }
            }
        }

        // Far from the solution no trial may fit better than where we are:
        // step back toward the current model until one does.
        const auto acceptable = [&](const Trial& t) {
            return atTarget ? t.phi <= targetPhi && roughnessOf(t.lnRho) < roughnessOf(lnRho) : t.phi < phi;
        };
        for (int half = 0; half < kHalvings && !acceptable(chosen); ++half) {
            chosen.lnRho = 0.5 * (chosen.lnRho + lnRho);
            if (!model.logModel(toRho(chosen.lnRho), h, chosen.lnV))
                break;
            chosen.phi = model.residual(chosen.lnV, chosen.residual);
        }
        if (!acceptable(chosen)) {
            // No step improves the fit (or, at the target, the smoothness).
            // Above the target, try smaller weights once more.
            if (atTarget || chosen.weight <= smallest)
                break;
            cap = chosen.weight / std::sqrt(10.0);
            ++stalls;
            continue;
        }

        ++iteration;
        const double before = atTarget ? roughnessOf(lnRho) : phi;
        const double after = atTarget ? roughnessOf(chosen.lnRho) : chosen.phi;
        lnRho = chosen.lnRho;
        lnV = std::move(chosen.lnV);
        residual = std::move(chosen.residual);
        phi = chosen.phi;
        chosenWeight = chosen.weight;
        rho = toRho(lnRho);
        if (control_.progress) {
            std::vector<double> v(lnV.size());
            std::transform(lnV.begin(), lnV.end(), v.begin(), [](double x) { return std::exp(x); });
            control_.progress({iteration, data.misfitPercent(v), data.chiRms(v), &rho, &h});
        }
        // At the target: done when a step smooths the model by less than 1 %.
        // Above it: when a step gains less than 2 %, cool the weight, and stop
        // once the smallest weight no longer gains.
        const bool small = before > 0.0 && (before - after) / before < (atTarget ? 0.01 : 0.02);
        if (small) {
            if (atTarget || chosenWeight <= smallest)
                break;
            cap = chosenWeight / std::sqrt(10.0);
        }
    }

    result.resistivity = rho;
    result.thickness = h;
    result.modelledVoltage.resize(lnV.size());
    std::transform(lnV.begin(), lnV.end(), result.modelledVoltage.begin(), [](double x) { return std::exp(x); });
    result.misfitPercent = data.misfitPercent(result.modelledVoltage);
    result.chiRms = data.chiRms(result.modelledVoltage);
    result.regularisation = chosenWeight;
    result.roughness = roughnessOf(lnRho);
    result.iterations = iteration;
    result.reachedTarget = phi <= target_ * target_ * nGates;
    const std::size_t last = result.modelledVoltage.size() - 1;
    result.depthOfInvestigation = TemInversion::depthOfInvestigation(
        TemObservations::apparentResistivity(data.timesMs()[last], result.modelledVoltage[last], system_),
        data.timesMs()[last]);
    return result;
}

} // namespace em1d
