// Exporting a drawing: the page fits the drawing, files appear whole or not at all.
#include "TestSupport.h"

#include "chart/ChartExporter.h"
#include "platform/gdi/CImageDC.h"

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

TEST(ChartExporter, AVectorExportCutShortKeepsTheGoodFileAndSaysSo)
{
    const std::string dir = testsupport::tempDir();
    for (const char* name : {"/box.pdf", "/box.svg"}) {
        const std::string path = dir + name;
        CString err;
        ASSERT_TRUE(ChartExporter::Export(drawBox, path.c_str(), 254, err)) << err.GetString();
        const QByteArray good = [&] {
            QFile f(QString::fromStdString(path));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        ASSERT_GT(good.size(), 200);
        {
            testsupport::FileSizeLimit limit(static_cast<unsigned long>(good.size() / 2));
            EXPECT_FALSE(ChartExporter::Export(drawBox, path.c_str(), 254, err)) << name;
        }
        EXPECT_NE(err.str().find("cannot write"), std::string::npos) << err.GetString();
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), good) << name;
    }
    EXPECT_EQ(QDir(QString::fromStdString(dir)).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(ChartExporter, MeasuresWithoutKeepingCallsAndCapsImagesByBytes)
{
    CRecordingDC kept(254), measured(254);
    measured.SetBoundsOnly(true);
    drawBox(&kept);
    drawBox(&measured);
    EXPECT_TRUE(measured.ops().empty());
    EXPECT_EQ(measured.DeviceBounds(), kept.DeviceBounds());

    // 40 x 20 mm at 9600 dpi: about 17000 x 9400 pixels, 640 MB of image.
    const std::string path = testsupport::tempDir() + "/huge.png";
    CString err;
    EXPECT_FALSE(ChartExporter::Export(drawBox, path.c_str(), 9600, err));
    EXPECT_NE(err.str().find("more than the 512 MiB an image may take"), std::string::npos) << err.GetString();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    EXPECT_FALSE(CImageDC(20000, 20000).IsValid());
    EXPECT_TRUE(CImageDC(8192, 2048).IsValid());
}
