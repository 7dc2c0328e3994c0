// PNG output is lossless whether the image fits a palette or not.
#include "TestSupport.h"

#include "platform/gdi/BmpWriter.h"
#include "platform/gdi/PngWriter.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

QImage roundTrip(const QImage& img)
{
    const std::string path = testsupport::tempDir() + "/x.png";
    EXPECT_TRUE(PngWriter::Write(img, path.c_str()));
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(PngWriter, FewColoursGoThroughAPaletteAndComeBackExactly)
{
    QImage img(37, 11, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(3, 3, qRgb(255, 0, 0));
    img.setPixel(36, 10, qRgb(10, 150, 0));
    const std::string path = testsupport::tempDir() + "/p.png";
    ASSERT_TRUE(PngWriter::Write(img, path.c_str()));
    QImageReader reader(QString::fromStdString(path));
    const QImage back = reader.read();
    EXPECT_EQ(back.format(), QImage::Format_Indexed8);  // a palette was used
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), img);
}

// A palette holds 256 colours: an image of exactly 256 goes through one,
// an image of 257 is written in true colour; both come back exactly.
TEST(PngWriter, TwoHundredFiftySixColoursFitAPaletteAndOneMoreDoesNot)
{
    for (const int colours : {256, 257}) {
        QImage img(colours, 3, QImage::Format_RGB32);
        for (int x = 0; x < colours; ++x)
            for (int y = 0; y < 3; ++y)
                img.setPixel(x, y, qRgb(x % 256, x / 256 * 200, 7));
        const std::string path = testsupport::tempDir() + "/c" + std::to_string(colours) + ".png";
        ASSERT_TRUE(PngWriter::Write(img, path.c_str()));
        QImageReader reader(QString::fromStdString(path));
        const QImage back = reader.read();
        EXPECT_EQ(back.format() == QImage::Format_Indexed8, colours == 256) << colours << " colours";
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), img) << colours;
    }
}

TEST(PngWriter, ManyColoursAreWrittenAsRgbAndBadPathsFail)
{
    QImage img(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));  // 4096 colours
    EXPECT_EQ(roundTrip(img), img);
    EXPECT_FALSE(PngWriter::Write(img, "/no/such/dir/x.png"));
    EXPECT_FALSE(PngWriter::Write(QImage(), "/tmp/never.png"));
}

TEST(BmpWriter, RowsComeBackExactlyWithTheirPaddingAndResolution)
{
    QImage img(7, 3, QImage::Format_RGB32);  // 21 bytes a row: 3 of padding
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            img.setPixelColor(x, y, QColor(x * 30, y * 80, 255 - x * 10));
    img.setDotsPerMeterX(5906);  // 150 dpi
    img.setDotsPerMeterY(5906);
    const std::string path = testsupport::tempDir() + "/p.bmp";
    ASSERT_TRUE(BmpWriter::Write(img, path.c_str()));
    const QImage back(QString::fromStdString(path));
    ASSERT_EQ(back.size(), img.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(back.pixelColor(x, y), img.pixelColor(x, y)) << x << "," << y;
    EXPECT_EQ(back.dotsPerMeterX(), 5906);
    EXPECT_FALSE(BmpWriter::Write(QImage(), path.c_str()));
    EXPECT_FALSE(BmpWriter::Write(img, "/no/such/dir/p.bmp"));
}
