// The pieces every chart draws with: where a scale's ticks go, and the canvas
// that gives a surface its own pens, brushes, fonts and colour back.
#include "TestSupport.h"

#include "chart/ChartCanvas.h"
#include "chart/TickGenerator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

TEST(TickGenerator, CountsWholeStepsPlusTheFirstUpToOneCap)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double quotient;
        int count;
    } cases[] = {{0, 1},    {2.99, 3},  {-0.5, 1}, {-1, 0},  {-1e300, 0},        {std::nan(""), 1},
                 {inf, 1},  {-inf, 1},  {99998, 99999}, {99999, 100000}, {1e12, 100000}};
    for (const auto& c : cases)
        EXPECT_EQ(TickGenerator::CountFor(c.quotient), c.count) << c.quotient;
    EXPECT_EQ(TickGenerator::Capped(-3), 0);
    EXPECT_EQ(TickGenerator::Capped(1LL << 40), TickGenerator::kMaxTicks);
}

TEST(TickGenerator, PositionsTruncateTowardZeroAndEveryKthIsLabelled)
{
    std::vector<std::tuple<int, LONG, bool>> seen;
    TickGenerator(10.0, -2.6, 6, 2).ForEach([&](int i, LONG pos, bool labelled) { seen.emplace_back(i, pos, labelled); });
    const std::vector<std::tuple<int, LONG, bool>> expected = {
        {0, 10, true}, {1, 7, false}, {2, 4, true}, {3, 2, false}, {4, 0, true}, {5, -3, false}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(TickGenerator(0, 1e300, 3).Position(2), INT32_MAX);
    EXPECT_EQ(TickGenerator(0, 1, 200000).Count(), TickGenerator::kMaxTicks);
}

TEST(ChartCanvas, GivesTheSurfaceItsObjectsBackAndConvertsThroughAMapping)
{
    CRecordingDC dc(254);
    dc.SetMapMode(MM_HIMETRIC);
    CPen hostPen(PS_SOLID, 1, RGB(1, 2, 3));
    dc.SelectObject(&hostPen);
    dc.SetTextColor(RGB(9, 9, 9));
    CBrush* hostBrush = dc.GetCurrentBrush();
    CFont* hostFont = dc.GetCurrentFont();
    CBrush own(RGB(0, 255, 0));
    {
        ChartCanvas cv(&dc);
        cv.UsePen(RGB(255, 0, 0));
        cv.UsePen(RGB(0, 0, 255), 3);  // replaces the red one
        cv.Select(&own);
        cv.UsePointFont(100);
        cv.UseTextColor(RGB(200, 0, 0));
        cv.UseTextColor(RGB(0, 200, 0));
        cv.Line(CPoint(0, 0), CPoint(1000, 0));
        cv.Text(CPoint(0, -500), "x");
    }
    const auto lines = testsupport::opsOfKind(dc, GdiOp::Kind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]->style.pen.color, RGB(0, 0, 255));
    EXPECT_EQ(lines[0]->style.pen.width, 3);
    EXPECT_EQ(testsupport::findText(dc, "x")->style.textColor, RGB(0, 200, 0));
    // Afterwards the surface holds what it held before, however often a
    // kind was chosen in between.
    EXPECT_EQ(dc.GetCurrentPen(), &hostPen);
    EXPECT_EQ(dc.GetCurrentBrush(), hostBrush);
    EXPECT_EQ(dc.GetCurrentFont(), hostFont);
    EXPECT_EQ(dc.GetTextColor(), RGB(9, 9, 9));

    // With a mapping surface the points arrive in its device units: 0.1 mm a
    // pixel at 254 dpi, y downwards.
    CRecordingDC bitmap(96);
    {
        ChartCanvas cv(&bitmap, &dc);
        cv.Line(CPoint(1000, -2000), CPoint(3000, -2000));
    }
    EXPECT_EQ(testsupport::opsOfKind(bitmap, GdiOp::Kind::Polyline)[0]->logical,
              (std::vector<CPoint>{CPoint(100, 200), CPoint(300, 200)}));
}
