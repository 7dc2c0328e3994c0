// The glue hosts, the render command and the studio share: loading with the
// display model's fallback, the checks that name the row, the bundled
// samples, and rendering to a file that appears whole or not at all.
#include "SoundingCharts.h"
#include "TestSupport.h"

#include "chart/BundledData.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingRender.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

TEST(SoundingRender, LoadFallsBackToModelOneAndChecksNameTheRow)
{
    SoundingTable t;
    t.x = Array({1, 10, 100});
    t.r = Array({10, 20, 30});
    t.v = Array({5, 0, 7});  // a zero: no decades for the values
    t.rFwd = Array({11, 21, 31});
    t.vFwd = Array({6, 8, 9});
    CDrawRPCurve c;
    EXPECT_EQ(SoundingRender::Load(c, t, 2), 1);
    EXPECT_EQ(c.m_nDisModel, 1);
    EXPECT_EQ(c.m_nCount, 3);
    CString error;
    EXPECT_TRUE(SoundingRender::Check(t, 1, "s", error));
    EXPECT_FALSE(SoundingRender::Check(t, 2, "s", error));
    EXPECT_EQ(error, CString("s: row 2: model 2 draws values on decades, all must be positive"));
    t.v[1] = 6;
    EXPECT_EQ(SoundingRender::Load(c, t, 2), 2);
    // Abscissa decades -1 .. 3 at 4333 units, value decades -1 .. 2 at 2809.
    const CRect& f = c.m_rcRegion;
    EXPECT_EQ(std::vector<LONG>({f.left, f.top, f.right, f.bottom}), std::vector<LONG>({-4333, 5618, 12999, -2809}));
    t.x[2] = -1;
    EXPECT_FALSE(SoundingRender::Check(t, 1, "s", error));
    EXPECT_EQ(error, CString("s: row 3: the abscissa must be positive"));
    EXPECT_FALSE(SoundingRender::Check(SoundingTable(), 1, "e", error));
    EXPECT_EQ(error, CString("e: no samples"));
}

TEST(SoundingRender, BundledSampleLoadsAndRendersAndBadFilesLeaveTheChart)
{
    EXPECT_TRUE(BundledData::Path("").IsEmpty());
    EXPECT_TRUE(BundledData::Path("no-such-sample.dat").IsEmpty());
    const CString sample = BundledData::Path("sounding.dat");
    ASSERT_FALSE(sample.IsEmpty());
    EXPECT_FALSE(BundledData::Path("layered-model.txt").IsEmpty());

    CDrawRPCurve c;
    CString error;
    ASSERT_TRUE(SoundingRender::LoadFile(c, sample, 0, 1, error)) << error.GetString();
    const int rows = c.m_nCount;
    EXPECT_GT(rows, 10);
    const std::string bad = testsupport::writeFile("bad.dat", "1 2 3 4 5\n0 2 3 4 5\n");
    EXPECT_FALSE(SoundingRender::LoadFile(c, bad.c_str(), 0, 1, error));
    EXPECT_NE(error.str().find("row 2: the abscissa must be positive"), std::string::npos) << error.GetString();
    EXPECT_EQ(c.m_nCount, rows);

    const std::string out = testsupport::tempDir() + "/c.png";
    ASSERT_TRUE(SoundingRender::Render(c, out.c_str(), 100, error)) << error.GetString();
    const QImage img(QString::fromStdString(out));
    EXPECT_GT(testsupport::countColour(img, QColor(255, 0, 0)), 100);  // measured R
    EXPECT_FALSE(SoundingRender::Render(c, (testsupport::tempDir() + "/c.gif").c_str(), 100, error));
}

// Asking for log-log with a value or abscissa at or below zero lays out
// nothing logarithmic: the chart is exactly the linear one, whichever
// column holds the minimum (the last curve included).
TEST(SoundingRender, LogLogAskedWithAMinimumAtOrBelowZeroLaysOutTheLinearChart)
{
    SoundingTable base;
    base.x = Array({1, 10, 100});
    base.r = Array({10, 20, 30});
    base.v = Array({5, 6, 7});
    base.rFwd = Array({11, 21, 31});
    base.vFwd = Array({6, 8, 9});
    CDrawRPCurve positive;
    ASSERT_EQ(SoundingRender::Load(positive, base, 2), 2);
    for (int column = 0; column < 5; ++column) {
        for (const float low : {0.0f, -3.0f}) {
            SoundingTable t = base;
            CArray<float, float&>* c[] = {&t.x, &t.r, &t.v, &t.rFwd, &t.vFwd};
            float value = low;
            c[column]->SetAt(1, value);
            CDrawRPCurve linear, asked;
            SoundingRender::Load(linear, t, 1);
            EXPECT_EQ(SoundingRender::Load(asked, t, 2), 1) << column << " " << low;
            EXPECT_EQ(asked.m_rcRegion, linear.m_rcRegion) << column << " " << low;
            EXPECT_EQ(asked.m_fYRate, linear.m_fYRate) << column << " " << low;
            EXPECT_EQ(asked.m_VPoints[2], linear.m_VPoints[2]) << column << " " << low;
            EXPECT_NE(asked.m_rcRegion, positive.m_rcRegion);
        }
    }
}
