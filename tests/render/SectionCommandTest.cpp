// tarnex-render section as a user starts it: the bundled sample at true scale
// with its colour bar, and a clear refusal with no output for a bad model.
#include "TestSupport.h"
#include "support/CommandRunner.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

int run(const std::string& cwd, const QStringList& args, std::string& err)
{
    const testsupport::CommandResult r = testsupport::runRender(args, cwd);
    err = r.err;
    return r.code;
}

}  // namespace

TEST(SectionCommand, DrawsTheBundledSampleWithItsColourBar)
{
    const std::string dir = testsupport::tempDir();
    std::string err;
    ASSERT_EQ(run(dir, {"section", "--dpi", "100"}, err), 0) << err;
    QImage img(QString::fromStdString(dir + "/section.png"));
    ASSERT_FALSE(img.isNull());
    // 160 mm of section, the bar and labels beside it, 500/2000 of that high.
    EXPECT_GT(img.width(), 160 * 100 / 25.4);
    EXPECT_GT(img.height(), 40 * 100 / 25.4);
    EXPECT_LT(img.height(), img.width() / 2);
    // The basement (3000 ohm-m, dark violet) covers most of the section.
    EXPECT_GT(testsupport::countColour(img, QColor(0x47, 0x2e, 0x7c), 25), 20000);

    for (const char* out : {"s.svg", "s.pdf", "s.bmp"}) {
        ASSERT_EQ(run(dir, {"section", "-o", out}, err), 0) << out << err;
        EXPECT_TRUE(QFile::exists(QString::fromStdString(dir + "/" + out))) << out;
    }
}

TEST(SectionCommand, RefusesABadModelWithOneLineAndNoOutput)
{
    const std::string dir = testsupport::tempDir();
    const std::string bad = testsupport::writeFile("open.txt", "vertex 1 0 0\nvertex 2 1 0\nvertex 3 1 1\n"
                                                               "body a 10 1 2 3\n");
    std::string err;
    EXPECT_EQ(run(dir, {"section", QString::fromStdString(bad), "-o", "x.png"}, err), 1);
    EXPECT_EQ(err, "tarnex-render: " + bad + ":4: body \"a\" is open: its ring must end at its first vertex 1\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir + "/x.png")));
    EXPECT_EQ(run(dir, {"section", "-o", "x.gif"}, err), 2);
    EXPECT_EQ(err, "tarnex-render: unknown output type for x.gif: use .png, .svg, .pdf or .bmp\n");
    EXPECT_EQ(run(dir, {"section", "--dpi", "5"}, err), 2);
    EXPECT_EQ(run(dir, {"section", "--rows", "5"}, err), 2);
    EXPECT_EQ(err, "tarnex-render: --rows applies to sounding files only\n");
}

TEST(SectionCommand, ASectionTooThinForThePageIsRefusedNamingTheFile)
{
    // 10 m wide and 1000 km deep: under 1 mm wide at 200 mm tall.
    const std::string dir = testsupport::tempDir();
    const std::string tall = testsupport::writeFile("tall.txt", "vertex 1 0 0\nvertex 2 10 0\nvertex 3 10 -1000000\n"
                                                                "vertex 4 0 -1000000\nbody a 10 1 2 3 4 1\n");
    std::string err;
    EXPECT_EQ(run(dir, {"section", QString::fromStdString(tall), "-o", "t.png"}, err), 1);
    EXPECT_EQ(err.rfind("tarnex-render: " + tall + ": the model is 10 m wide and 1e+06 m deep: at true scale its "
                        "section would be 0.002 mm wide and 200 mm tall", 0), 0u) << err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir + "/t.png")));
    // 1 m wide and 200 m deep: exactly 1 mm wide, drawn no taller than 200 mm.
    const std::string thin = testsupport::writeFile("thin.txt", "vertex 1 0 0\nvertex 2 1 0\nvertex 3 1 -200\n"
                                                                "vertex 4 0 -200\nbody a 10 1 2 3 4 1\n");
    ASSERT_EQ(run(dir, {"section", QString::fromStdString(thin), "-o", "n.png", "--dpi", "50"}, err), 0) << err;
    const QImage img(QString::fromStdString(dir + "/n.png"));
    EXPECT_LT(img.height(), (200 + 2 * 5 + 15) * 50 / 25.4);  // the section, margins and the axis labels
    const std::string past = testsupport::writeFile("past.txt", "vertex 1 0 0\nvertex 2 1 0\nvertex 3 1 -201\n"
                                                                "vertex 4 0 -201\nbody a 10 1 2 3 4 1\n");
    EXPECT_EQ(run(dir, {"section", QString::fromStdString(past), "-o", "p.png"}, err), 1) << err;
}
