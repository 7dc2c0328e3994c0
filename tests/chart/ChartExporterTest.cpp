// Exporting a drawing: the page fits the drawing, files appear whole or not at all.
#include "TestSupport.h"

#include "chart/ChartExporter.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// A 40 x 20 mm box whose top-left corner sits 30 mm left of and 50 mm above
// the surface's corner, in a metric mapping: off the page unless shifted.
void drawBox(CDC* dc)
{
    dc->SetMapMode(MM_LOMETRIC);
    dc->SetWindowOrg(0, 0);
    CPen pen(PS_SOLID, 0, RGB(255, 0, 0));
    CPen* old = dc->SelectObject(&pen);
    dc->Rectangle(-300, 500, 100, 300);
    dc->SelectObject(old);
}

}  // namespace

TEST(ChartExporter, SizesThePageToTheDrawingWithAMargin)
{
    const std::string path = testsupport::tempDir() + "/box.png";
    CString err;
    ASSERT_TRUE(ChartExporter::Export(drawBox, path.c_str(), 254, err)) << err.GetString();
    QImage img(QString::fromStdString(path));
    // 40 mm + 2 x 5 mm at 10 pixels a millimetre, give or take the pen.
    EXPECT_NEAR(img.width(), 500, 3);
    EXPECT_NEAR(img.height(), 300, 3);
    EXPECT_GT(testsupport::countNear(img, 50, 150, 2, QColor(255, 0, 0)), 2);   // left edge
    EXPECT_GT(testsupport::countNear(img, 450, 150, 2, QColor(255, 0, 0)), 2);  // right edge
    EXPECT_EQ(img.pixelColor(250, 150), QColor(255, 255, 255));                  // filled white
}

TEST(ChartExporter, RefusesWhatItCannotWriteWithoutLeavingAFile)
{
    const std::string dir = testsupport::tempDir();
    CString err;
    EXPECT_FALSE(ChartExporter::Export(drawBox, (dir + "/a.gif").c_str(), 96, err));
    EXPECT_NE(err.str().find("unknown output type"), std::string::npos);
    EXPECT_FALSE(ChartExporter::Export([](CDC*) {}, (dir + "/a.png").c_str(), 96, err));
    EXPECT_EQ(err, "nothing to draw");
    auto huge = [](CDC* dc) {
        dc->SetMapMode(MM_HIMETRIC);
        dc->Rectangle(0, 0, 2000000, -10);  // 20 m wide
    };
    EXPECT_FALSE(ChartExporter::Export(huge, (dir + "/a.png").c_str(), 300, err));
    EXPECT_NE(err.str().find("more than 32768 a side"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir + "/a.png")));
    EXPECT_EQ(QDir(QString::fromStdString(dir)).entryList(QDir::Files).size(), 0);
}
