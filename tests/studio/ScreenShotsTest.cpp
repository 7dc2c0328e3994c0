// The screenshot programs' and the studio's PNG shots: written whole or not
// at all, so a size limit or a read-only target leaves the old shot intact;
// and the studio's shot of a large sounding within a small address space.
#include "TestSupport.h"

#include "ScreenShots.h"
#include "platform/core/CappedFile.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>

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

TEST(ScreenShots, TheStudioShowsALargeSoundingInLittleMoreMemoryThanTheRenderCommand)
{
    if (testsupport::kAddressSanitizer)
        GTEST_SKIP() << "an address-space limit means nothing under AddressSanitizer";
    // 300 000 rows in a 550 MB address space (libraries included): the
    // studio measures its chart without recording every marker.
    std::string rows;
    rows.reserve(300000 * 24);
    for (int i = 0; i < 300000; ++i) {
        char row[64];
        std::snprintf(row, sizeof row, "%.6g 100 10 90 11\n", 0.5 + i * 0.01);
        rows += row;
    }
    const std::string data = testsupport::writeFile("big.dat", rows);
    const std::string shot = testsupport::tempDir() + "/shot.png";
    QProcess p;
    p.setChildProcessModifier([] {
        const rlimit lim{550ul << 20, 550ul << 20};
        setrlimit(RLIMIT_AS, &lim);
    });
    p.start(QStringLiteral(TARNEX_STUDIO_EXE), {QString::fromStdString(data), "--screenshot", QString::fromStdString(shot)});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(QString::fromStdString(shot)).isNull());
}
