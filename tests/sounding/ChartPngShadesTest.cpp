// A sounding chart is written as a palette PNG: its text's grey shades are
// rounded just enough, and nothing else in the picture moves.
#include "SoundingCharts.h"

#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "sounding/DrawSoundingChart.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<QRgb> colours(const QImage& img)
{
    std::set<QRgb> s;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            s.insert(img.pixel(x, y));
    return s;
}

}  // namespace

TEST(ChartPngShades, TextGreysAreRoundedOnlyWhenThatMakesAPalette)
{
    CDrawRPCurve chart;
    LoadReference(chart);
    CImageDC dc(1000, 760, 150);
    dc.SetViewportOrg(CPoint(60, 60));
    DrawSoundingChart(chart, &dc);
    const QImage before = dc.Image().copy();
    ASSERT_GT(colours(before).size(), 256u) << "the chart's text no longer needs rounding";
    ASSERT_TRUE(dc.FewerTextShades());
    const QImage& after = dc.Image();
    EXPECT_LE(colours(after).size(), 256u);
    int moved = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QRgb a = before.pixel(x, y), b = after.pixel(x, y);
            const bool grey = qRed(a) == qGreen(a) && qGreen(a) == qBlue(a);
            if (!grey) {
                ASSERT_EQ(a, b) << "a coloured pixel moved at " << x << "," << y;
            }
            EXPECT_LE(std::abs(qRed(a) - qRed(b)), 2);
            moved += a != b;
        }
    }
    EXPECT_GT(moved, 0);
    EXPECT_EQ(after.pixel(0, 0), qRgb(255, 255, 255));

    std::string png;
    ASSERT_TRUE(dc.Encode("PNG", png));
    EXPECT_EQ(png[25], 3) << "not written with a palette";
    // An image that already fits, or that rounding could not bring to 256, is left alone.
    EXPECT_FALSE(dc.FewerTextShades());
    CImageDC rainbow(300, 4, 96);
    for (int x = 0; x < 300; ++x) {
        CPen pen(PS_SOLID, 1, RGB(x % 256, 255 - x % 256, x / 2 + 1));
        CPen* old = rainbow.SelectObject(&pen);
        rainbow.MoveTo(x, 0);
        rainbow.LineTo(x, 3);
        rainbow.SelectObject(old);
    }
    ASSERT_GT(colours(rainbow.Image()).size(), 256u);
    EXPECT_FALSE(rainbow.FewerTextShades());
}
