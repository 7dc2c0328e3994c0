// Scales, decades, frame, points and markers of the sounding chart, and what
// data without a defined layout gives.
#include "SoundingCharts.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(CDrawRPCurveGeometry, ModelOneScalesByTheMaximaAndAlignsTheFrameToDecades)
{
    CDrawRPCurve c;
    LoadReference(c);
    EXPECT_FLOAT_EQ(c.m_fXRate, 3250.0f);
    EXPECT_FLOAT_EQ(c.m_fYRate, 13.972055f);
    EXPECT_EQ(c.m_fXLeftDecade, -1.0f);
    EXPECT_EQ(c.m_fXRightDecade, 4.0f);  // an exact power of ten gets a spare decade
    EXPECT_EQ(c.m_rcRegion, CRect(-3250, 8383, 13000, 0));
    EXPECT_EQ(c.m_RPoints[1], CPoint(3250, 3493));
    EXPECT_EQ(c.m_RRects[1], CRect(3190, 3553, 3310, 3433));
    const CRect frame = c.m_rcRegion;
    c.SetXYRegionRect();
    EXPECT_EQ(c.m_rcRegion, frame);

    c.m_nDisModel = 2;
    c.SetDisModel();
    EXPECT_EQ(c.m_nDisModel, 2);
    EXPECT_FLOAT_EQ(c.m_fYRate, 1892.4187f);
    EXPECT_EQ(c.m_fYBottomDecade, 0.0f);
    EXPECT_EQ(c.m_fYTopDecade, 3.0f);
    EXPECT_EQ(c.m_rcRegion, CRect(-3250, 5676, 13000, 0));
    EXPECT_EQ(c.m_RPoints[1], CPoint(3250, 4537));
}

TEST(CDrawRPCurveGeometry, DecadesTruncateTowardZeroOnEitherSideOfOne)
{
    const struct {
        float value;
        float low, high;
    } cases[] = {{10, 0, 2}, {5, -1, 1}, {1, -1, 1}, {0.5f, -1, 1}, {0.05f, -2, 0}, {500, 1, 3}, {1000, 2, 4}};
    for (const auto& k : cases) {
        CDrawRPCurve c;
        Load(c, {k.value, k.value}, {k.value, k.value}, {k.value, k.value}, {1, 1}, {1, 1});
        c.m_nDisModel = 2;
        c.SetDisModel();
        EXPECT_EQ(c.m_fXLeftDecade, k.low) << k.value;
        EXPECT_EQ(c.m_fXRightDecade, k.high) << k.value;
        EXPECT_EQ(c.m_fYTopDecade, std::max(k.high, 1.0f)) << k.value;
    }
}

TEST(CDrawRPCurveGeometry, ModelsThatCannotShowTheDataChangeNothing)
{
    CDrawRPCurve c;
    LoadReference(c);
    const CRect frame = c.m_rcRegion;
    const CPoint point = c.m_VPoints[2];
    c.m_fV[0] = 0;  // the common range now reaches 0: no decades
    c.m_nDisModel = 2;
    c.SetDisModel();
    EXPECT_EQ(c.m_nDisModel, 1);
    EXPECT_EQ(c.m_rcRegion, frame);
    EXPECT_EQ(c.m_VPoints[2], point);

    c.m_nDisModel = 3;  // no such model: only the arrays follow the count
    const float xRate = c.m_fXRate;
    Load(c, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5});
    EXPECT_EQ(c.m_fXRate, xRate);
    EXPECT_EQ(c.m_rcRegion, frame);
    EXPECT_EQ(c.m_VPoints[2], point);
    EXPECT_EQ(c.m_VPoints[4], CPoint(0, 0));
    EXPECT_EQ(c.m_VRects[4], CRect(-60, 60, 60, -60));
}

TEST(CDrawRPCurveGeometry, ACurveOfZerosKeepsItsPointsAndStillGetsMarkers)
{
    CDrawRPCurve c;
    LoadReference(c);
    const CPoint kept = c.m_RFwdPoints[3];
    Load(c, {1, 10, 100, 1000, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {0, 0, 0, 0, 0}, {1, 2, 3, 4, 5});
    EXPECT_EQ(c.m_RFwdPoints[3], kept);
    EXPECT_EQ(c.m_RFwdPoints[4], CPoint(0, 0));
    EXPECT_EQ(c.m_RFwdRects[3], CRect(kept.x - 60, kept.y + 60, kept.x + 60, kept.y - 60));
    c.m_RPoints[0] = CPoint(1000, -200);
    c.SetPtRect();
    EXPECT_EQ(c.m_RRects[0], CRect(940, -140, 1060, -260));
}

TEST(CDrawRPCurveGeometry, DataWithoutALayoutGivesDefinedClampedGeometry)
{
    CDrawRPCurve c;
    LoadReference(c);
    const float maxY = c.m_fMaxY;
    auto none = Floats({});
    c.GetData(none, none, none, none, none);  // no samples: ranges stay, arrays empty
    EXPECT_EQ(c.m_nCount, 0);
    EXPECT_EQ(c.m_fMaxY, maxY);
    EXPECT_EQ(c.m_RPoints.GetSize(), 0);
    EXPECT_EQ(c.m_VRects.GetSize(), 0);

    // Abscissae without a logarithm sit at decade -45.
    Load(c, {0, -1, 10, 100}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4});
    EXPECT_EQ(c.m_fXLeftDecade, -46.0f);
    EXPECT_EQ(c.m_RPoints[0].x, static_cast<int>(-45.0 * c.m_fXRate));
    EXPECT_EQ(c.m_RPoints[1].x, c.m_RPoints[0].x);

    // A largest abscissa of 0.1 leaves almost no decade: the scale explodes
    // and the frame stops at the ends of the 32-bit range.
    Load(c, {0.01f, 0.1f}, {1, 2}, {1, 2}, {1, 2}, {1, 2});
    EXPECT_GT(c.m_fXRate, 1e12f);
    EXPECT_EQ(c.m_rcRegion.left, INT_MIN);
    EXPECT_EQ(c.m_rcRegion.right, INT_MAX);

    // A largest value of exactly -1 divides by zero: an infinite scale.
    Load(c, {1, 10}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1});
    EXPECT_TRUE(std::isinf(c.m_fYRate));
    EXPECT_EQ(c.m_rcRegion.top, INT_MAX);
    EXPECT_EQ(c.m_RPoints[0].y, INT_MIN);

    // NaN becomes 0, and the log-log model refuses it.
    Load(c, {1, 10}, {1, 2}, {std::nanf(""), 2}, {1, 2}, {1, 2});
    EXPECT_TRUE(std::isnan(c.m_fYRate));
    EXPECT_EQ(c.m_rcRegion.top, 0);
    EXPECT_EQ(c.m_RPoints[1].y, 0);
    c.m_nDisModel = 2;
    c.SetDisModel();
    EXPECT_EQ(c.m_nDisModel, 1);

    c.m_fYRate = 1e30f;
    c.ValueToPt();
    c.SetPtRect();
    EXPECT_EQ(c.m_RPoints[1].y, INT_MAX);
    EXPECT_EQ(c.m_RRects[1].top, INT_MAX);
    EXPECT_EQ(c.m_RRects[1].bottom, INT_MAX - 60);
}
