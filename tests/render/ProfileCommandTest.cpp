// tarnex-render profile as a user starts it.
#include "TestSupport.h"
#include "support/CommandRunner.h"

#include <QFile>
#include <QImage>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using Outcome = testsupport::CommandResult;

Outcome render(const std::string& cwd, const QStringList& args) { return testsupport::runRender(args, cwd); }

}  // namespace

TEST(ProfileRenderCommand, DrawsTheBundledLineAndRefusesBadFiles)
{
    const std::string dir = testsupport::tempDir();
    const Outcome r = render(dir, {"profile", "--dpi", "100"});
    ASSERT_EQ(r.code, 0) << r.err;
    QImage img(QString::fromStdString(dir + "/profile.png"));
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(img.width(), img.height());
    EXPECT_GT(testsupport::countColour(img, QColor(200, 0, 0)), 200);   // first profile
    EXPECT_GT(testsupport::countColour(img, QColor(0, 90, 200)), 100);  // second, dashed

    const std::string good = testsupport::writeFile("two.csv", "pos,a\n0,1\n5,3\n");
    EXPECT_EQ(render(dir, {"profile", QString::fromStdString(good), "-o", "two.svg"}).code, 0);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir + "/two.svg")));

    const std::string bad = testsupport::writeFile("bad.txt", "0 1 2\n5 1\n");
    const Outcome b = render(dir, {"profile", QString::fromStdString(bad), "-o", "bad.png"});
    EXPECT_NE(b.code, 0);
    EXPECT_NE(b.err.find("bad.txt:2: column 4: short row"), std::string::npos) << b.err;
    EXPECT_EQ(std::count(b.err.begin(), b.err.end(), '\n'), 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir + "/bad.png")));
    EXPECT_NE(render(dir, {"profile", "--model", "2"}).err.find("sounding chart only"), std::string::npos);
}
