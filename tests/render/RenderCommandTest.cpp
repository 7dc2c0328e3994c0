// tarnex-render as a user starts it: outputs of every type, and one clear
// line, a non-zero exit and no output file for every kind of bad input.
#include "TestSupport.h"
#include "support/CommandRunner.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using Result = testsupport::CommandResult;

Result render(const std::string& cwd, const QStringList& args) { return testsupport::runRender(args, cwd); }

bool exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

std::string head(const std::string& path, size_t n)
{
    std::ifstream f(path, std::ios::binary);
    std::string s(n, '\0');
    f.read(s.data(), static_cast<std::streamsize>(n));
    return s.substr(0, static_cast<size_t>(f.gcount()));
}

const char* kGood =
    "1 100 50 110 55\n10 150 70 140 72\n100 300 120 280 118\n1000 200 90 210 95\n";

}  // namespace

TEST(RenderCommand, NoArgumentDrawsTheBundledSampleToSoundingPng)
{
    const std::string dir = testsupport::tempDir();
    const Result r = render(dir, {});
    ASSERT_EQ(r.code, 0) << r.err;
    QImage img(QString::fromStdString(dir + "/sounding.png"));
    ASSERT_FALSE(img.isNull());
    // 150 dpi: the 130 mm display width alone is over 700 pixels.
    EXPECT_GT(img.width(), 700);
    EXPECT_GT(img.height(), 400);
    EXPECT_GT(testsupport::countColour(img, QColor(255, 0, 0)), 200);    // measured R
    EXPECT_GT(testsupport::countColour(img, QColor(0, 0, 255)), 200);    // modelled V
    EXPECT_GT(testsupport::countColour(img, QColor(10, 150, 0)), 200);   // modelled R
    EXPECT_GT(testsupport::countColour(img, QColor(155, 155, 0), 30), 200);  // minor grid
}

TEST(RenderCommand, WritesEveryOutputTypeAtTheChosenResolution)
{
    const std::string dir = testsupport::tempDir();
    const std::string data = testsupport::writeFile("s.dat", kGood);
    ASSERT_EQ(render(dir, {QString::fromStdString(data), "-o", "a.svg"}).code, 0);
    EXPECT_NE(head(dir + "/a.svg", 200).find("<svg"), std::string::npos);
    ASSERT_EQ(render(dir, {QString::fromStdString(data), "-o", "a.pdf", "--model", "2"}).code, 0);
    EXPECT_EQ(head(dir + "/a.pdf", 5), "%PDF-");
    ASSERT_EQ(render(dir, {QString::fromStdString(data), "-o", "a.bmp", "--dpi", "72"}).code, 0);
    EXPECT_EQ(head(dir + "/a.bmp", 2), "BM");
    ASSERT_EQ(render(dir, {QString::fromStdString(data), "-o", "hi.png", "--dpi", "300"}).code, 0);
    ASSERT_EQ(render(dir, {QString::fromStdString(data), "-o", "lo.png", "--dpi", "100"}).code, 0);
    const QImage hi(QString::fromStdString(dir + "/hi.png")), lo(QString::fromStdString(dir + "/lo.png"));
    EXPECT_NEAR(static_cast<double>(hi.width()) / lo.width(), 3.0, 0.05);
    ASSERT_EQ(render(dir, {QString::fromStdString(data), "-o", "two.png", "--rows", "2"}).code, 0);
    const Result tooMany = render(dir, {QString::fromStdString(data), "-o", "x.png", "--rows", "9"});
    EXPECT_NE(tooMany.code, 0);
    EXPECT_NE(tooMany.err.find("9 rows asked for"), std::string::npos) << tooMany.err;
}

TEST(RenderCommand, HelpPrintsUsage)
{
    const Result r = render(testsupport::tempDir(), {"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("usage: tarnex-render"), std::string::npos);
}

TEST(RenderCommand, BadInputGetsOneLineAndLeavesTheOutputAlone)
{
    const std::string dir = testsupport::tempDir();
    const std::string out = dir + "/keep.png";
    std::ofstream(out) << "old";
    struct Case {
        std::string data;  // empty: no data file, the path below is used as is
        QStringList extra;
        const char* expect;
    };
    const std::vector<Case> cases = {
        {"", {"/no/such/file.dat"}, "cannot open /no/such/file.dat"},
        {"1 2 3 4 5\n10 2 3\n", {}, "in.dat:2: holds 3 numbers where the rows above hold 5"},
        {"1 2 3 4 5\n10 2 3\n", {"--stream"}, "row 2 is short of five numbers"},
        {"1 2 3 4 5\n10 2 abc 4 5\n", {}, "in.dat:2: \"abc\" is not a number"},
        {"1 2 3 4 5\n0 2 3 4 5\n", {}, "row 2: the abscissa must be positive"},
        {"1 2 3 4 5\n10 2 0 4 5\n", {"--model", "2", "--plain"}, "row 2: model 2"},
        {"", {}, "holds no sounding rows"},
        {"0.01 1 1 1 1\n0.1 1 1 1 1\n", {"--plain"}, "must exceed 0.1"},
        {kGood, {"--frobnicate"}, "unknown option --frobnicate"},
        {kGood, {"--model", "3"}, "--model takes 1 or 2"},
        {kGood, {"--dpi", "0"}, "--dpi takes a whole number"},
        {kGood, {"--rows", "-4"}, "--rows takes a positive"},
        {kGood, {"-o"}, "-o needs a value"},
    };
    for (const Case& c : cases) {
        QStringList args;
        if (c.extra.isEmpty() || c.extra.front().startsWith('-'))
            args << QString::fromStdString(testsupport::writeFile("in.dat", c.data));
        args << c.extra;
        if (!args.contains("-o"))
            args << "-o" << QString::fromStdString(out);
        const Result r = render(dir, args);
        EXPECT_NE(r.code, 0) << c.expect;
        EXPECT_NE(r.err.find(c.expect), std::string::npos) << "wanted: " << c.expect << "\ngot: " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(head(out, 10), "old") << c.expect;
    }
    const Result badType = render(dir, {QString::fromStdString(testsupport::writeFile("g.dat", kGood)), "-o", "x.jpg"});
    EXPECT_NE(badType.err.find("unknown output type"), std::string::npos);
    EXPECT_FALSE(exists(dir + "/x.jpg"));
    const Result noDir = render(dir, {QString::fromStdString(testsupport::writeFile("g.dat", kGood)), "-o",
                                      "/no/such/dir/x.png"});
    EXPECT_NE(noDir.code, 0);
    EXPECT_NE(noDir.err.find("cannot write /no/such/dir/x.png: no folder /no/such/dir"), std::string::npos) << noDir.err;
}

TEST(RenderCommand, RowsSpanningLinesNeedTheStreamOptionAndPlainLeavesTheFigureOut)
{
    const std::string dir = testsupport::tempDir();
    const std::string spanning = testsupport::writeFile("span.dat", "1 100 50\n110 55\n10 150 70\n140 72\n"
                                                                    "100 300 120\n280 118\n");
    const Result lines = render(dir, {QString::fromStdString(spanning), "-o", "a.png"});
    EXPECT_NE(lines.code, 0);
    EXPECT_NE(lines.err.find("span.dat:2: holds 2 numbers where the rows above hold 3"), std::string::npos) << lines.err;
    EXPECT_NE(lines.err.find("read as a stream"), std::string::npos) << lines.err;
    ASSERT_EQ(render(dir, {QString::fromStdString(spanning), "--stream", "-o", "a.png"}).code, 0);

    // A commented file with a header draws; the plain chart lacks the
    // legend and the abscissa's title below it.
    const std::string headed = testsupport::writeFile("h.dat", std::string("# site 7\nt_ms R V Rf Vf\n") + kGood);
    ASSERT_EQ(render(dir, {QString::fromStdString(headed), "-o", "figure.png"}).code, 0);
    ASSERT_EQ(render(dir, {QString::fromStdString(headed), "--plain", "-o", "plain.png"}).code, 0);
    const QImage figure(QString::fromStdString(dir + "/figure.png")), plain(QString::fromStdString(dir + "/plain.png"));
    EXPECT_GT(figure.height(), plain.height() + 40);
}

TEST(RenderCommand, ModelDrawsTheLayeredModelChartAndNamesBadLines)
{
    const std::string dir = testsupport::tempDir();
    const Result r = render(dir, {"model"});
    ASSERT_EQ(r.code, 0) << r.err;
    QImage img(QString::fromStdString(dir + "/model.png"));
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(testsupport::countColour(img, QColor(0, 0, 255)), 100);  // the staircase
    const std::string bad = testsupport::writeFile("m.txt", "10 100\nten 50\n20\n");
    const Result b = render(dir, {"model", QString::fromStdString(bad), "-o", "m.svg"});
    EXPECT_NE(b.code, 0);
    EXPECT_NE(b.err.find("m.txt:2"), std::string::npos) << b.err;
    EXPECT_FALSE(exists(dir + "/m.svg"));
    EXPECT_NE(render(dir, {"model", "--rows", "3"}).err.find("sounding files only"), std::string::npos);
}

TEST(RenderCommand, AxesDrawsTheSampleSheet)
{
    const std::string dir = testsupport::tempDir();
    const Result r = render(dir, {"axes", "-o", "a.png", "--dpi", "100"});
    ASSERT_EQ(r.code, 0) << r.err;
    QImage img(QString::fromStdString(dir + "/a.png"));
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(testsupport::countColour(img, QColor(0, 0, 0)), 200);
    EXPECT_NE(render(dir, {"axes", "x.dat"}).err.find("axes takes no input file"), std::string::npos);
}

// The dynamic loader's own list of what it loaded (LD_DEBUG=files), both the
// libraries the command links and the plugins Qt opens while it draws.
TEST(RenderCommand, LoadsNoWindowOrDialogCodeForAnyOutputAndQtSvgForSvgOnly)
{
    const std::string dir = testsupport::tempDir();
    const std::vector<QStringList> runs = {{"-o", "a.png"},          {"-o", "a.svg"},
                                           {"-o", "a.pdf", "--model", "2"}, {"-o", "a.bmp"},
                                           {"model", "-o", "m.svg"},       {"axes", "-o", "x.png"}};
    for (const QStringList& args : runs) {
        const std::string out = args.join(' ').toStdString();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        const Result r = testsupport::runRender(args, dir, 60000, &env);
        ASSERT_EQ(r.code, 0) << out;
        const std::string& log = r.err;
        // The log names every object as it is loaded; the sample run must
        // have loaded the drawing part, or the check would prove nothing.
        EXPECT_NE(log.find("file=libtarnex-charts.so"), std::string::npos) << out;
        EXPECT_NE(log.find("file=libQt6Gui.so"), std::string::npos) << out;
        EXPECT_EQ(log.find("file=libQt6Widgets.so"), std::string::npos) << out;
        EXPECT_EQ(log.find("file=libtarnex-wnd.so"), std::string::npos) << out;
        EXPECT_EQ(log.find("file=libtarnex.so"), std::string::npos) << out;
        // Qt Svg only where SVG is written.
        const bool svg = out.find(".svg") != std::string::npos;
        EXPECT_EQ(log.find("file=libQt6Svg.so") != std::string::npos, svg) << out;
    }
}

TEST(RenderCommand, SaysHowItDrawsDataTooSmallForTheLinearViewAndNamesFilesOnce)
{
    const std::string dir = testsupport::tempDir();
    const std::string small = testsupport::writeFile("small.dat", "1 2 3 4 5\n10 3 2 1 1\n");
    const Result r = render(dir, {QString::fromStdString(small), "-o", "small.png", "--plain"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("note: the values reach only 5: the linear view would be 18 times its height, so the "
                         "log-log view (model 2) is drawn"),
              std::string::npos)
        << r.err;
    QImage img(QString::fromStdString(dir + "/small.png"));
    ASSERT_FALSE(img.isNull());
    EXPECT_LT(img.height(), img.width()) << "a linear view of values below 5 is many times taller than wide";
    // Measured only (three columns): the same reading, of the columns it has.
    const std::string measured = testsupport::writeFile("measured.dat", "1 2 3\n10 3 2\n");
    const Result m = render(dir, {QString::fromStdString(measured), "-o", "measured.png", "--plain"});
    ASSERT_EQ(m.code, 0) << m.err;
    EXPECT_NE(m.err.find("note: the values reach only 3:"), std::string::npos) << m.err;

    const std::string empty = testsupport::writeFile("empty.dat", "");
    const Result e = render(dir, {QString::fromStdString(empty), "-o", "e.png"});
    EXPECT_EQ(e.code, 1);
    EXPECT_EQ(e.err.find("empty.dat"), e.err.rfind("empty.dat")) << e.err;

    // A bad output folder is found before a large input is read.
    const Result z = render(dir, {"/dev/zero", "-o", "/no/such/dir/z.png"});
    EXPECT_NE(z.err.find("no folder /no/such/dir"), std::string::npos) << z.err;
}

TEST(RenderCommand, AWriteCutShortByTheFileSizeLimitFailsAndKeepsTheGoodFile)
{
    const std::string dir = testsupport::tempDir();
    for (const char* name : {"p.pdf", "p.png", "p.svg"}) {
        ASSERT_EQ(render(dir, {"-o", name}).code, 0);
        const std::string good = head(dir + "/" + name, 1 << 22);
        Result r;
        {
            testsupport::FileSizeLimit limit(4096);
            r = render(dir, {"-o", name});
        }
        EXPECT_EQ(r.code, 1) << name << ": " << r.err;
        EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
        EXPECT_EQ(head(dir + "/" + name, 1 << 22), good) << name;
    }
}
