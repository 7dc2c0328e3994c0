// The screenshot programs' and the studio's PNG shots: written whole or not
// at all, so a size limit or a read-only target leaves the old shot intact.
#include "TestSupport.h"

#include "ScreenShots.h"
#include "platform/core/CappedFile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string slurp(const std::string& path)
{
    std::string bytes;
    CString err;
    CappedFile::ReadAll(path.c_str(), 1 << 24, bytes, err);
    return bytes;
}

}  // namespace

TEST(ScreenShots, AShotThatCannotBeWrittenWholeKeepsTheOldOne)
{
    QImage noisy(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 256, (x * y) % 256, (x ^ y) % 256));
    const std::string old = std::string(100, 'o');
    const std::string path = testsupport::writeFile("shot.png", old);
    QString error;
    {
        testsupport::FileSizeLimit limit(8192);
        EXPECT_FALSE(ScreenShots::WritePng(noisy, QString::fromStdString(path), error));
    }
    EXPECT_NE(error.toStdString().find("File too large"), std::string::npos) << error.toStdString();
    EXPECT_EQ(slurp(path), old);

    chmod(path.c_str(), 0444);
    EXPECT_FALSE(ScreenShots::WritePng(noisy, QString::fromStdString(path), error));
    EXPECT_NE(error.toStdString().find("read-only"), std::string::npos) << error.toStdString();
    EXPECT_EQ(slurp(path), old);

    chmod(path.c_str(), 0644);
    ASSERT_TRUE(ScreenShots::WritePng(noisy, QString::fromStdString(path), error)) << error.toStdString();
    EXPECT_EQ(QImage(QString::fromStdString(path)).pixel(399, 399), noisy.pixel(399, 399));
}
