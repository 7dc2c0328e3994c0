#include "em1d/TemInversion.h"

#include "em1d/InversionError.h"
#include "em1d/LogForward.h"

#include <Eigen/Cholesky>
#include <Eigen/Core>
#include <Eigen/SVD>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace em1d {

namespace {

// Limits that keep every trial model one the engine can compute and a user
// would believe: resistivities 0.1 Ω·m to 100 kΩ·m, layers 0.5 m to 5 km.
constexpr double kLnRhoMin = -2.302585092994046;   // ln 0.1
constexpr double kLnRhoMax = 11.512925464970229;   // ln 1e5
constexpr double kLnHMin = -0.6931471805599453;    // ln 0.5
constexpr double kLnHMax = 8.517193191416238;      // ln 5000
// A step changes no parameter by more than a factor e^1.5 ≈ 4.5: far from
// the solution the linearisation is poor, and larger steps only get refused.
constexpr double kMaxStep = 1.5;
// Stop when a step lowers the squared misfit by less than this fraction.
constexpr double kTolerance = 1e-4;
// Weight of the pull toward the start model, per parameter, in units of
// the weighted squared misfit (a gate one standard error off counts 1):
// moving a parameter by a factor e costs as much as 0.1 of such a gate. A
// parameter the data constrain moves as if there were no pull; one they do
// not see (the resistivity of a thin resistive cover) stays near its start
// instead of drifting to a limit on noise.
constexpr double kPull = 0.1;
// A parameter this close to a limit (in ln) counts as at it.
constexpr double kAtLimit = 1e-9;

std::string trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return std::string(s);
}

} // namespace

TemInversion::TemInversion(TemSystem system) : system_(std::move(system))
{
    system_.validate();
}

void TemInversion::setLayers(int layers)
{
    if (layers < 1 || layers > 30)
        throw InversionError("a few-layer inversion takes 1 to 30 layers, not " + std::to_string(layers));
    layers_ = layers;
    start_.reset();
}

void TemInversion::setStartModel(const LayeredEarth& model)
{
    start_ = model;
    layers_ = model.layers();
}

void TemInversion::fixResistivity(int layer, std::optional<double> value)
{
    fixedRho_.emplace_back(layer, value);
}

void TemInversion::fixThickness(int layer, std::optional<double> value)
{
    fixedH_.emplace_back(layer, value);
}

void TemInversion::fix(std::string_view names)
{
    while (!names.empty()) {
        const auto comma = names.find(',');
        const std::string item = trim(names.substr(0, comma));
        names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 1);
        if (item.empty())
            continue;
        std::string name = item;
        std::optional<double> value;
        if (const auto eq = item.find('='); eq != std::string::npos) {
            name = trim(std::string_view(item).substr(0, eq));
            const std::string text = trim(std::string_view(item).substr(eq + 1));
            double v = 0.0;
            const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
            if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(v) || v <= 0.0)
                throw InversionError("fixed parameter " + name + ": '" + text + "' is not a positive number");
            value = v;
        }
        const bool isRho = name.rfind("rho", 0) == 0;
        const bool isH = !isRho && name.rfind('h', 0) == 0;
        const std::string digits = name.substr(isRho ? 3 : 1);
        int layer = 0;
        const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), layer);
        if ((!isRho && !isH) || digits.empty() || res.ec != std::errc() || res.ptr != digits.data() + digits.size()
            || layer < 1)
            throw InversionError("unknown parameter '" + name + "': name a resistivity as rho1, rho2, ... "
                                 "and a thickness as h1, h2, ...");
        if (isRho)
            fixResistivity(layer - 1, value);
        else
            fixThickness(layer - 1, value);
    }
}

double TemInversion::depthOfInvestigation(double lastApparentResistivity, double lastTimeMs)
{
    return 0.5 * TemObservations::diffusionDepth(lastApparentResistivity, lastTimeMs);
}

LayeredEarth TemInversion::startModel(const TemObservations& data, const TemSystem& system, int layers)
{
    const std::vector<double> rhoA = data.apparentResistivity(system);
    const std::vector<double>& t = data.timesMs();
    const std::size_t n = rhoA.size();
    // The depth each gate sees: half its diffusion depth in its own apparent
    // resistivity. Early gates see shallow, late gates deep.
    std::vector<double> depth(n);
    for (std::size_t i = 0; i < n; ++i)
        depth[i] = std::max(1.0, 0.5 * TemObservations::diffusionDepth(rhoA[i], t[i]));
    const auto clampRho = [](double r) { return std::clamp(r, std::exp(kLnRhoMin), std::exp(kLnRhoMax)); };
    if (layers == 1) {
        double sum = 0.0;
        for (std::size_t i = n / 2; i < n; ++i)
            sum += std::log(rhoA[i]);
        return LayeredEarth({}, {clampRho(std::exp(sum / static_cast<double>(n - n / 2)))});
    }
    const double zTop = *std::min_element(depth.begin(), depth.end());
    const double zBottom = std::max(*std::max_element(depth.begin(), depth.end()), 2.0 * zTop);
    const double ratio = std::pow(zBottom / zTop, 1.0 / layers);
    std::vector<double> thickness;
    std::vector<double> resistivity;
    double above = 0.0;
    for (int j = 0; j < layers; ++j) {
        const double lo = zTop * std::pow(ratio, j);
        const double hi = lo * ratio;
        if (j < layers - 1) {
            thickness.push_back(std::clamp(hi - above, std::exp(kLnHMin), std::exp(kLnHMax)));
            above += thickness.back();
        }
        // The cover takes the earliest gate's apparent resistivity, the
        // half-space the last one's, a layer between them the gate whose
        // depth is nearest its middle in log depth.
        const double mid = std::log(std::sqrt(lo * hi));
        std::size_t best = 0;
        for (std::size_t i = 1; i < n; ++i)
            if (std::abs(std::log(depth[i]) - mid) < std::abs(std::log(depth[best]) - mid))
                best = i;
        if (j == 0)
            best = 0;
        else if (j == layers - 1)
            best = n - 1;
        resistivity.push_back(clampRho(rhoA[best]));
    }
    return LayeredEarth(std::move(thickness), std::move(resistivity));
}

TemInversionResult TemInversion::run(const TemObservations& data) const
{
    if (!start_)
        return runFromData(layers_, nullptr, data);
    // A start far from the data (a model sketched for another sounding,
    // say) can lead into a poor local minimum. When its fit stays above
    // twice the noise, the inversion runs once more from starts made from
    // the data with as many layers, the values held fixed taken from the
    // given start, and keeps the better fit.
    TemInversionResult first = runFrom(*start_, data);
    if (first.cancelled || first.chiRms <= 2.0)
        return first;
    TemInversionResult second = runFromData(start_->layers(), &*start_, data);
    second.iterations += first.iterations;
    return second.chiRms < first.chiRms ? second : first;
}

TemInversionResult TemInversion::runFromData(int layers, const LayeredEarth* heldFrom, const TemObservations& data) const
{
    const LayeredEarth made = startModel(data, system_, layers);
    // Values held without a number stay at the given start's (or, with none
    // given, at the first start's) in every try.
    const LayeredEarth& holder = heldFrom ? *heldFrom : made;
    const auto hold = [&](std::vector<double> h, std::vector<double> rho) {
        for (const auto& held : fixedRho_)
            if (held.first < layers)
                rho[static_cast<std::size_t>(held.first)] = holder.resistivity()[static_cast<std::size_t>(held.first)];
        for (const auto& held : fixedH_)
            if (held.first + 1 < layers)
                h[static_cast<std::size_t>(held.first)] = holder.thickness()[static_cast<std::size_t>(held.first)];
        return LayeredEarth(std::move(h), std::move(rho));
    };
    // A start made from the data can lie in the basin of a poor local
    // minimum. When its fit stays above twice the noise, try once more from
    // the same resistivities with the interfaces at 0.4 of their depths (the
    // apparent-resistivity curve tends to place them too deep) and keep the
    // better fit.
    TemInversionResult first = runFrom(hold(made.thickness(), made.resistivity()), data);
    if (first.cancelled || first.chiRms <= 2.0 || layers < 2)
        return first;
    std::vector<double> thinner = made.thickness();
    for (double& h : thinner)
        h = std::max(0.4 * h, std::exp(kLnHMin));
    TemInversionResult second = runFrom(hold(std::move(thinner), made.resistivity()), data);
    second.iterations += first.iterations;
    return second.chiRms < first.chiRms ? second : first;
}

TemInversionResult TemInversion::runFrom(const LayeredEarth& start, const TemObservations& data) const
{
    const int layers = start.layers();
    std::vector<double> rho = start.resistivity();
    std::vector<double> h = start.thickness();

    // Parameters: 0..layers−1 are ln ρ, layers..2·layers−2 are ln h.
    const int all = 2 * layers - 1;
    std::vector<bool> fixed(static_cast<std::size_t>(all), false);
    for (const auto& [layer, value] : fixedRho_) {
        if (layer >= layers)
            throw InversionError("rho" + std::to_string(layer + 1) + " is held fixed but the model has "
                                 + std::to_string(layers) + " layers");
        fixed[static_cast<std::size_t>(layer)] = true;
        if (value)
            rho[static_cast<std::size_t>(layer)] = *value;
    }
    for (const auto& [layer, value] : fixedH_) {
        if (layer >= layers - 1)
            throw InversionError("h" + std::to_string(layer + 1) + " is held fixed but the model has "
                                 + std::to_string(layers - 1) + " layer thickness"
                                 + (layers - 1 == 1 ? "" : "es"));
        fixed[static_cast<std::size_t>(layers + layer)] = true;
        if (value)
            h[static_cast<std::size_t>(layer)] = *value;
    }
    std::vector<int> freeIndex;
    for (int k = 0; k < all; ++k)
        if (!fixed[static_cast<std::size_t>(k)])
            freeIndex.push_back(k);
    const int p = static_cast<int>(freeIndex.size());
    if (data.size() < p)
        throw InversionError("the sounding has " + std::to_string(data.size()) + " gates, fewer than the "
                             + std::to_string(p) + " free parameters of a " + std::to_string(layers)
                             + "-layer model");

    const LogForward model(system_, data);
    const int n = model.gates();

    auto logParam = [&](int k) {
        return k < layers ? std::log(rho[static_cast<std::size_t>(k)])
                          : std::log(h[static_cast<std::size_t>(k - layers)]);
    };
    auto setParam = [&](int k, double lnValue, std::vector<double>& r, std::vector<double>& th) {
        if (k < layers)
            r[static_cast<std::size_t>(k)] = std::exp(std::clamp(lnValue, kLnRhoMin, kLnRhoMax));
        else
            th[static_cast<std::size_t>(k - layers)] = std::exp(std::clamp(lnValue, kLnHMin, kLnHMax));
    };
    // Free parameters start inside the limits.
    for (int k : freeIndex)
        setParam(k, logParam(k), rho, h);

    std::vector<double> lnV;
    std::vector<double> residual;
    if (!model.logModel(rho, h, lnV))
        throw InversionError("the forward engine cannot model the start model");
    // The objective: the weighted squared misfit plus the pull of every free
    // parameter toward its start value (in ln).
    std::vector<double> lnStart(static_cast<std::size_t>(p));
    for (int k = 0; k < p; ++k)
        lnStart[static_cast<std::size_t>(k)] = logParam(freeIndex[static_cast<std::size_t>(k)]);
    const auto pull = [&](const std::vector<double>& r, const std::vector<double>& th) {
        double sum = 0.0;
        for (int k = 0; k < p; ++k) {
            const int q = freeIndex[static_cast<std::size_t>(k)];
            const double ln = std::log(q < layers ? r[static_cast<std::size_t>(q)] : th[static_cast<std::size_t>(q - layers)]);
            sum += (ln - lnStart[static_cast<std::size_t>(k)]) * (ln - lnStart[static_cast<std::size_t>(k)]);
        }
        return kPull * sum;
    };
    double phi = model.residual(lnV, residual) + pull(rho, h);

    TemInversionResult result;
    double lambda = 1e-2;
    std::vector<double> J;
    std::vector<double> trialRho;
    std::vector<double> trialH;
    std::vector<double> trialLnV;
    std::vector<double> trialResidual;
    int iteration = 0;
    bool converged = false;
    while (iteration < control_.maxIterations && p > 0) {
        if (control_.cancelled()) {
            result.cancelled = true;
            break;
        }
        if (!model.jacobian(rho, h, freeIndex, lnV, J))
            break;
        const Eigen::Map<const Eigen::MatrixXd> Jm(J.data(), n, p);
        const Eigen::Map<const Eigen::VectorXd> rv(residual.data(), n);
        Eigen::MatrixXd A = Jm.transpose() * Jm;
        Eigen::VectorXd g = Jm.transpose() * rv;
        for (int k = 0; k < p; ++k) {
            A(k, k) += kPull;
            g(k) -= kPull * (logParam(freeIndex[static_cast<std::size_t>(k)]) - lnStart[static_cast<std::size_t>(k)]);
        }
        const double diagFloor = std::max(A.diagonal().maxCoeff(), 1e-30) * 1e-6;

        // A parameter at one of its limits that the descent pushes further
        // out takes no part in this step: the limit would cut its share off
        // and leave the others moving as if it had moved, so that no step
        // lowers the misfit and the search stalls against the limit.
        std::vector<int> moving;
        for (int k = 0; k < p; ++k) {
            const double ln = logParam(freeIndex[static_cast<std::size_t>(k)]);
            const bool isRho = freeIndex[static_cast<std::size_t>(k)] < layers;
            const double lo = isRho ? kLnRhoMin : kLnHMin, hi = isRho ? kLnRhoMax : kLnHMax;
            const bool pinned = (ln >= hi - kAtLimit && g(k) > 0) || (ln <= lo + kAtLimit && g(k) < 0);
            if (!pinned)
                moving.push_back(k);
        }
        if (moving.empty()) {
            converged = true;  // every parameter pressed against its limit
            break;
        }
        const int m = static_cast<int>(moving.size());
        Eigen::MatrixXd Am(m, m);
        Eigen::VectorXd gm(m);
        for (int a = 0; a < m; ++a) {
            gm(a) = g(moving[static_cast<std::size_t>(a)]);
            for (int b = 0; b < m; ++b)
                Am(a, b) = A(moving[static_cast<std::size_t>(a)], moving[static_cast<std::size_t>(b)]);
        }

        // Marquardt's damping on the diagonal: raised until a step lowers the
        // misfit, lowered after each success.
        bool accepted = false;
        double trialPhi = phi;
        for (int attempt = 0; attempt < 12 && !accepted; ++attempt) {
            Eigen::MatrixXd damped = Am;
            for (int k = 0; k < m; ++k)
                damped(k, k) += lambda * std::max(Am(k, k), diagFloor);
            const Eigen::LDLT<Eigen::MatrixXd> ldlt(damped);
            const Eigen::VectorXd stepMoving = ldlt.solve(gm);
            if (ldlt.info() != Eigen::Success || !stepMoving.allFinite()) {
                lambda *= 10.0;
                continue;
            }
            Eigen::VectorXd step = Eigen::VectorXd::Zero(p);
            for (int a = 0; a < m; ++a)
                step(moving[static_cast<std::size_t>(a)]) = stepMoving(a);
            const double largest = step.cwiseAbs().maxCoeff();
            if (largest > kMaxStep)
                step *= kMaxStep / largest;
            trialRho = rho;
            trialH = h;
            for (int k = 0; k < p; ++k)
                setParam(freeIndex[static_cast<std::size_t>(k)], logParam(freeIndex[static_cast<std::size_t>(k)]) + step(k),
                         trialRho, trialH);
            if (model.logModel(trialRho, trialH, trialLnV)) {
                trialPhi = model.residual(trialLnV, trialResidual) + pull(trialRho, trialH);
                if (trialPhi < phi) {
                    accepted = true;
                    break;
                }
            }
            lambda *= 5.0;
        }
        if (!accepted) {
            converged = true;  // no step lowers the misfit: a minimum at this damping
            break;
        }
        ++iteration;
        const double decrease = (phi - trialPhi) / phi;
        rho.swap(trialRho);
        h.swap(trialH);
        lnV.swap(trialLnV);
        residual.swap(trialResidual);
        phi = trialPhi;
        lambda = std::max(lambda / 5.0, 1e-7);
        if (control_.progress) {
            std::vector<double> v(lnV.size());
            std::transform(lnV.begin(), lnV.end(), v.begin(), [](double x) { return std::exp(x); });
            control_.progress({iteration, data.misfitPercent(v), data.chiRms(v), &rho, &h});
        }
        if (decrease < kTolerance) {
            converged = true;
            break;
        }
    }
    if (p == 0)
        converged = true;

    result.iterations = iteration;
    result.converged = converged && !result.cancelled;
    result.modelledVoltage.resize(lnV.size());
    std::transform(lnV.begin(), lnV.end(), result.modelledVoltage.begin(), [](double x) { return std::exp(x); });
    result.misfitPercent = data.misfitPercent(result.modelledVoltage);
    result.chiRms = data.chiRms(result.modelledVoltage);

    // Posterior covariance of the free ln-parameters, (JᵀJ)⁻¹ of the weighted
    // Jacobian at the solution, through the SVD so that a direction the data
    // do not see shows as unresolved instead of as a huge finite number.
    std::vector<double> logStd(static_cast<std::size_t>(all), 0.0);
    if (p > 0 && model.jacobian(rho, h, freeIndex, lnV, J)) {
        const Eigen::Map<const Eigen::MatrixXd> Jm(J.data(), n, p);
        const Eigen::JacobiSVD<Eigen::MatrixXd> svd(Jm, Eigen::ComputeThinV);
        const Eigen::VectorXd& s = svd.singularValues();
        const Eigen::MatrixXd& V = svd.matrixV();
        const double cutoff = s(0) * 1e-8;
        for (int k = 0; k < p; ++k) {
            double var = 0.0;
            bool unresolved = false;
            for (int m = 0; m < static_cast<int>(s.size()); ++m) {
                if (s(m) > cutoff && s(m) > 0.0)
                    var += V(k, m) * V(k, m) / (s(m) * s(m));
                else if (std::abs(V(k, m)) > 1e-6)
                    unresolved = true;
            }
            logStd[static_cast<std::size_t>(freeIndex[static_cast<std::size_t>(k)])] =
                unresolved ? std::numeric_limits<double>::infinity() : std::sqrt(var);
        }
    }
    result.resistivity = rho;
    result.thickness = h;
    result.resistivityLogStd.assign(logStd.begin(), logStd.begin() + layers);
    result.thicknessLogStd.assign(logStd.begin() + layers, logStd.end());
    result.resistivityFixed.assign(fixed.begin(), fixed.begin() + layers);
    result.thicknessFixed.assign(fixed.begin() + layers, fixed.end());
    const std::size_t last = result.modelledVoltage.size() - 1;
    result.depthOfInvestigation = depthOfInvestigation(
        TemObservations::apparentResistivity(data.timesMs()[last], result.modelledVoltage[last], system_),
        data.timesMs()[last]);
    return result;
}

} // namespace em1d
