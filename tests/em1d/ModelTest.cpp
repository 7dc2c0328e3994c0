// Layered earths and system lines: what is accepted, what is refused and
// how the refusal reads.
#include "em1d/LayeredEarth.h"
#include "em1d/ModelError.h"
#include "em1d/TemSystem.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace em1d;

namespace {

std::string refusal(const std::vector<double>& h, const std::vector<double>& rho)
{
    try {
        LayeredEarth earth(h, rho);
    } catch (const ModelError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(LayeredEarth, RefusesBadModelsNamingTheLayer)
{
    EXPECT_NE(refusal({}, {}), "");
    EXPECT_NE(refusal({10}, {100}), "");          // a thickness too many
    EXPECT_NE(refusal({}, {100, 10}), "");        // one too few
    EXPECT_EQ(refusal({10, 20}, {100, 10, 0}), "layer 3: resistivity 0 ohm-m is not a positive finite number");
    EXPECT_EQ(refusal({10}, {-5, 10}), "layer 1: resistivity -5 ohm-m is not a positive finite number");
    EXPECT_NE(refusal({10}, {double(NAN), 10}), "");
    EXPECT_NE(refusal({10}, {10, double(INFINITY)}), "");
    EXPECT_EQ(refusal({10, -1}, {1, 2, 3}), "layer 2: thickness -1 m is not a finite number >= 0");
    EXPECT_NE(refusal({double(INFINITY)}, {1, 2}), "");
    EXPECT_EQ(refusal({0, 0}, {1, 2, 3}), "");   // zero thickness is allowed
    const LayeredEarth e({5, 7}, {1, 2, 3});
    EXPECT_EQ(e.layers(), 3);
    EXPECT_EQ(e.thickness().back(), 7);
    EXPECT_EQ(e.resistivity().back(), 3);
}

TEST(TemSystem, ReadsTheTemCommentLine)
{
    TemSystem s;
    EXPECT_TRUE(s.applyCommentLine("# tem: loop_radius=75 rx_area=100 ramp_us=20"));
    EXPECT_EQ(s.loopRadius, 75);
    EXPECT_EQ(s.rxArea, 100);
    EXPECT_EQ(s.rampUs, 20);
    EXPECT_TRUE(s.applyCommentLine("#tem:   loop_side=100\r"));
    EXPECT_NEAR(s.loopRadius, 100 / std::sqrt(3.141592653589793), 1e-12);
    EXPECT_EQ(s.rxArea, 100);  // keys not named keep their values
    // Other comments and text are not system lines.
    for (const char* other : {"# time_ms rho", "tem: loop_radius=1", "# temperature=20", ""})
        EXPECT_FALSE(s.applyCommentLine(other)) << other;
}

TEST(TemSystem, RefusesABadTemLineAndKeepsWhatItHad)
{
    for (const char* bad : {"# tem: loop_radius=abc", "# tem: loop_radius=-50", "# tem: rx_area=0",
                            "# tem: ramp_us=-3", "# tem: loops=2", "# tem: loop_radius", "# tem: rx_area=1e999",
                            "# tem: loop_radius=50 rx_area=1,5"}) {
        TemSystem s;
        s.rxArea = 7;
        EXPECT_THROW(s.applyCommentLine(bad), ModelError) << bad;
        EXPECT_EQ(s.loopRadius, 50) << bad;
        EXPECT_EQ(s.rxArea, 7) << bad;
    }
    TemSystem s;
    try {
        s.applyCommentLine("# tem: loop_radius=50 colour=red");
    } catch (const ModelError& e) {
        EXPECT_NE(std::string(e.what()).find("colour"), std::string::npos) << e.what();
    }
}
