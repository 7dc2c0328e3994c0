// Smooth many-layer inversion of a synthetic H-type sounding.
#include "em1d/InversionError.h"
#include "em1d/OccamInversion.h"
#include "em1d/TemForward.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace em1d;

namespace {

TemObservations hType(double noisePercent, unsigned seed)
{
    std::vector<double> t;
    for (int i = 0; i < 31; ++i)
        t.push_back(0.01 * std::pow(1000.0, i / 30.0));
    std::vector<double> v = TemForward(TemSystem{}).compute(LayeredEarth({30.0, 50.0}, {100.0, 10.0, 1000.0}), t).voltage;
    std::mt19937 rng(seed);
    std::normal_distribution<double> noise(0.0, noisePercent / 100.0);
    for (double& x : v)
        x *= 1.0 + noise(rng);
    return TemObservations(t, v, {}, noisePercent);
}

// Σ h/ρ of the layers (or parts of layers) above a depth.
double conductanceAbove(const OccamResult& r, double depth)
{
    double s = 0.0;
    double top = 0.0;
    for (std::size_t j = 0; j < r.resistivity.size() && top < depth; ++j) {
        const double bottom = j < r.thickness.size() ? top + r.thickness[j] : depth;
        s += (std::min(bottom, depth) - top) / r.resistivity[j];
        top = bottom;
    }
    return s;
}

} // namespace

TEST(OccamInversion, SmoothModelReachesTheTargetAndFindsTheConductor)
{
    // Seed 7's noise leaves the true model at χ = 0.89, so the target 1 is
    // reachable (some seeds put the truth itself above 1).
    OccamInversion inv(TemSystem{});
    inv.setLayers(12);
    const OccamResult r = inv.run(hType(3.0, 7));
    EXPECT_TRUE(r.reachedTarget);
    // The smoothest model that fits sits at the target, not below it.
    EXPECT_NEAR(r.chiRms, 1.0, 0.05);
    EXPECT_GT(r.regularisation, 0.0);

    // Layers thicken with depth.
    for (std::size_t j = 1; j < r.thickness.size(); ++j)
        EXPECT_GT(r.thickness[j], r.thickness[j - 1]);
    // The most conductive layer lies within the true conductor, and the
    // conductance down to 150 m (true 0.3 + 5 + 0.07 S) is within 25 %.
    std::size_t lowest = 0;
    for (std::size_t j = 1; j < r.resistivity.size(); ++j)
        if (r.resistivity[j] < r.resistivity[lowest])
            lowest = j;
    double top = 0.0;
    for (std::size_t j = 0; j < lowest; ++j)
        top += r.thickness[j];
    EXPECT_GT(top + 0.5 * r.thickness[lowest], 30.0);
    EXPECT_LT(top + 0.5 * r.thickness[lowest], 80.0);
    EXPECT_LT(r.resistivity[lowest], 30.0);
    EXPECT_NEAR(conductanceAbove(r, 150.0), 5.37, 0.25 * 5.37);
    EXPECT_GT(r.resistivity.back(), 300.0);
}

TEST(OccamInversion, FixedResistivityStaysAndBadSettingsAreRefused)
{
    OccamInversion inv(TemSystem{});
    inv.setLayers(12);
    inv.control().maxIterations = 2;   // held from the first step on
    inv.fixResistivity(0, 100.0);
    const OccamResult r = inv.run(hType(3.0, 9));
    EXPECT_EQ(r.resistivity[0], 100.0);
    EXPECT_EQ(r.resistivity.size(), 12u);

    EXPECT_THROW(inv.setLayers(4), InversionError);
    EXPECT_THROW(inv.setLayers(101), InversionError);
    EXPECT_NO_THROW(inv.setLayers(100));
    EXPECT_THROW(inv.setTargetMisfit(0.0), InversionError);
    EXPECT_THROW(inv.fixResistivity(1, -1.0), InversionError);
    inv.setLayers(12);
    inv.fixResistivity(12, 10.0);   // one past the last layer
    EXPECT_THROW(inv.run(hType(3.0, 9)), InversionError);
}
