#pragma once

#include "em1d/InversionControl.h"
#include "em1d/LayeredEarth.h"
#include "em1d/TemObservations.h"
#include "em1d/TemSystem.h"

#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace em1d {

// What a few-layer inversion found.
struct TemInversionResult {
    std::vector<double> resistivity;   // Ω·m, top layer first, last the half-space
    std::vector<double> thickness;     // m, one fewer than resistivity
    // One standard deviation of ln ρ and ln h from the posterior covariance
    // (data errors as given, linearised at the solution): the value lies in
    // [p·e^−s, p·e^s] with about 68 % confidence. 0 for a fixed parameter;
    // +∞ for one the data do not resolve at all.
    std::vector<double> resistivityLogStd;
    std::vector<double> thicknessLogStd;
    std::vector<bool> resistivityFixed;
    std::vector<bool> thicknessFixed;
    std::vector<double> modelledVoltage;  // µV/A at the sounding's gates
    double misfitPercent = 0.0;           // 100·√(mean(((d − m)/d)²))
    double chiRms = 0.0;                  // √(mean(((d − m)/σ)²))
    int iterations = 0;
    // Half the diffusion depth of the last gate, 0.5·1262·√(ρa·t), with ρa the
    // fitted model's late-time apparent resistivity at that gate: below it the
    // late gates no longer carry much of the model.
    double depthOfInvestigation = 0.0;
    bool converged = false;   // the misfit stopped improving before the iteration cap
    bool cancelled = false;

    LayeredEarth earth() const { return LayeredEarth(thickness, resistivity); }
};

// Few-layer inversion of a TEM sounding: Levenberg–Marquardt on ln ρ and ln h,
// fitting ln V with each gate weighted by its relative error. Starts from a
// given model or from one made from the data's apparent-resistivity curve;
// any resistivity or thickness may be held at its start value.
class TemInversion {
public:
    explicit TemInversion(TemSystem system);

    // Start from a model made from the data with this many layers (default 3).
    void setLayers(int layers);
    // Start from this model; its layer count is the inversion's.
    void setStartModel(const LayeredEarth& model);

    // Holds parameters fixed, named as "rho2" (resistivity of layer 2, from 1)
    // or "h1" (thickness of layer 1), separated by commas; "rho2=50" also
    // sets the value held. Throws InversionError on a name it does not know,
    // a layer out of range, or a value that is not a positive number.
    void fix(std::string_view names);
    void fixResistivity(int layer, std::optional<double> value = std::nullopt);
    void fixThickness(int layer, std::optional<double> value = std::nullopt);

    InversionControl& control() { return control_; }

    int layers() const { return layers_; }
    const TemSystem& system() const { return system_; }

    // Inverts the sounding. Throws InversionError when the sounding has fewer
    // gates than free parameters or the engine cannot model the start model.
    TemInversionResult run(const TemObservations& data) const;

    // A start model of `layers` layers from the data: each gate's apparent
    // resistivity placed at half its diffusion depth, interfaces spaced
    // evenly in log depth over the depths the gates reach, each layer the
    // apparent resistivity of the gate that reaches its middle.
    static LayeredEarth startModel(const TemObservations& data, const TemSystem& system, int layers);

    // Depth of investigation (m) of a model for this sounding, by the rule
    // stated for TemInversionResult::depthOfInvestigation.
    static double depthOfInvestigation(double lastApparentResistivity, double lastTimeMs);

private:
    TemInversionResult runFrom(const LayeredEarth& start, const TemObservations& data) const;
    // From starts of this many layers made from the data (two tries), the
    // held values taken from heldFrom when given.
    TemInversionResult runFromData(int layers, const LayeredEarth* heldFrom, const TemObservations& data) const;

    TemSystem system_;
    int layers_ = 3;
    std::optional<LayeredEarth> start_;
    std::vector<std::pair<int, std::optional<double>>> fixedRho_;  // layer index from 0
    std::vector<std::pair<int, std::optional<double>>> fixedH_;
    InversionControl control_;
};

} // namespace em1d
