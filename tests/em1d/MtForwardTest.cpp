// Magnetotelluric apparent resistivity and phase against the half-space and
// published two-layer values.
#include "em1d/ModelError.h"
#include "em1d/MtForward.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace em1d;

TEST(MtForward, HalfSpaceGivesItsResistivityAndFortyFiveDegrees)
{
    const std::vector<double> periods = {1e-4, 0.01, 1, 100, 1e4};
    for (double rho : {0.3, 100.0, 1e5}) {
        const MtResponse r = MtForward::compute(LayeredEarth::halfSpace(rho), periods);
        for (std::size_t i = 0; i < periods.size(); ++i) {
            EXPECT_NEAR(r.rhoApparent[i] / rho, 1.0, 1e-12);
            EXPECT_NEAR(r.phaseDeg[i], 45.0, 1e-10);
        }
    }
}

TEST(MtForward, MatchesTheTwoLayerReferenceValues)
{
    const std::vector<double> periods = {0.01, 1, 100};
    const double rho[] = {102.665, 27.072, 11.194};
    const double phase[] = {44.17, 62.11, 48.03};
    const MtResponse r = MtForward::compute(LayeredEarth({1000}, {100, 10}), periods);
    for (std::size_t i = 0; i < periods.size(); ++i) {
        EXPECT_NEAR(r.rhoApparent[i] / rho[i], 1.0, 1e-3) << periods[i];
        EXPECT_NEAR(r.phaseDeg[i], phase[i], 0.006) << periods[i];
    }
    // A thin layer between equal ones: a zero-thickness one changes nothing.
    const MtResponse z = MtForward::compute(LayeredEarth({1000, 0}, {100, 1, 10}), periods);
    EXPECT_DOUBLE_EQ(z.rhoApparent[1], r.rhoApparent[1]);
}

TEST(MtForward, RefusesBadPeriods)
{
    for (double bad : {0.0, -1.0, double(NAN), double(INFINITY), 1e-7, 1e9})
        EXPECT_THROW(MtForward::compute(LayeredEarth::halfSpace(10), std::vector<double>{1, bad}), ModelError) << bad;
    // Very thick layers and extreme contrasts stay finite.
    const MtResponse r = MtForward::compute(LayeredEarth({1e7}, {1e-8, 1e12}), std::vector<double>{1e-6, 1e8});
    for (double v : r.rhoApparent)
        EXPECT_TRUE(std::isfinite(v));
}
