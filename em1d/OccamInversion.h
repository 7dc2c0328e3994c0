#pragma once

#include "em1d/InversionControl.h"
#include "em1d/LayeredEarth.h"
#include "em1d/TemObservations.h"
#include "em1d/TemSystem.h"

#include <vector>

namespace em1d {

// What a smooth inversion found.
struct OccamResult {
    std::vector<double> resistivity;   // Ω·m, one a layer, last the half-space
    std::vector<double> thickness;     // m, the fixed layering
    std::vector<double> modelledVoltage;
    double misfitPercent = 0.0;        // 100·√(mean(((d − m)/d)²))
    double chiRms = 0.0;               // √(mean(((d − m)/σ)²))
    double regularisation = 0.0;       // the roughness weight of the last step
    double roughness = 0.0;            // Σ (ln ρ_(j+1) − ln ρ_j)²
    int iterations = 0;
    double depthOfInvestigation = 0.0; // same rule as the few-layer inversion
    bool reachedTarget = false;        // the χ-RMS misfit is at or below the target
    bool cancelled = false;

    LayeredEarth earth() const { return LayeredEarth(thickness, resistivity); }
};

// Smooth many-layer inversion of a TEM sounding in the manner of Occam's
// inversion: many thin layers of fixed thickness growing with depth, only
// their ln ρ free, a first-difference roughness penalty between neighbours.
// Each step solves the linearised problem for a range of roughness weights
// and keeps the smoothest model that reaches the target misfit, or, while
// none does, the one that fits best. Resistivities may be held fixed.
class OccamInversion {
public:
    explicit OccamInversion(TemSystem system);

    // Number of layers including the half-space (default 30, from 5 to 100).
    void setLayers(int layers);
    // The χ-RMS misfit to reach (default 1: the fit the data errors allow).
    void setTargetMisfit(double chiRms);
    // Holds ρ of a layer (from 0) at a value.
    void fixResistivity(int layer, double value);

    InversionControl& control() { return control_; }

    // Inverts the sounding. Throws InversionError for bad input.
    OccamResult run(const TemObservations& data) const;

    // The layering used for these data: the first interface at a quarter of
    // the shallowest depth the gates see, the last at twice the deepest,
    // interfaces spaced evenly in log depth between them.
    static std::vector<double> layering(const TemObservations& data, const TemSystem& system, int layers);

private:
    TemSystem system_;
    int layers_ = 30;
    double target_ = 1.0;
    std::vector<std::pair<int, double>> fixed_;
    InversionControl control_;
};

} // namespace em1d
