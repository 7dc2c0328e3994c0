// tarnex-render with a layered model driving the modelled curves: the misfit
// it prints against a figure worked out by hand, the masked samples left
// out, the sounding's system line, and clear refusals.
#include "TestSupport.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

struct Result {
    int code = -1;
    std::string err;
};

Result render(const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(testsupport::tempDir()));
    p.start(QStringLiteral(TARNEX_RENDER_EXE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError().toStdString()};
}

// The figure after "misfit: ", or -1.
double misfitOf(const std::string& err)
{
    const auto at = err.find("misfit: ");
    return at == std::string::npos ? -1 : std::atof(err.c_str() + at + 8);
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// A 100 ohm-m half-space under a 50 m loop with a 1 m2 receiver gives
// V = 228.5804, 1.180475, 0.003925762 and 1.247717e-5 uV/A at 0.01, 0.1,
// 1 and 10 ms (closed form). The measured V below are those divided by 0.9,
// 1.2, 1 and 0.1: relative misfits 0.1, -0.2, 0 and 0.9.
const char* kRows = "0.01 100 253.9782 1 1\n"
                    "0.1 100 0.9837292 1 1\n"
                    "1 100 0.003925762 1 1\n"
                    "10 100 1.247717e-4 1 1\n";

}  // namespace

TEST(RenderForward, PrintsTheMisfitOfTheSamplesLeftInAndTakesTheSystemLine)
{
    const std::string model = testsupport::writeFile("half.txt", "# half-space\n100\n");
    // Row 4 masked: 100·√((0.01 + 0.04 + 0)/3) = 12.910 %.
    const std::string masked = testsupport::writeFile("masked.dat", kRows + std::string("# mask: 4\n"));
    Result r = render({q(masked), "--forward", q(model), "-o", "m.png"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NEAR(misfitOf(r.err), 12.910, 0.05) << r.err;

    // Every row: 100·√((0.01 + 0.04 + 0 + 0.81)/4) = 46.368 %.
    const std::string all = testsupport::writeFile("all.dat", kRows);
    r = render({q(all), "--forward", q(model), "-o", "a.png"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NEAR(misfitOf(r.err), 46.368, 0.05) << r.err;

    // The file's receiver of 2 m2 doubles the model's V: rows 1 to 3 now
    // misfit by 1 - 2·0.9, 1 - 2·1.2 and 1 - 2: 100·√((0.64 + 1.96 + 1)/3) = 109.54 %.
    const std::string twice = testsupport::writeFile("twice.dat", std::string("# tem: rx_area=2\n") + kRows + "# mask: 4\n");
    r = render({q(twice), "--forward", q(model), "-o", "t.png"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NEAR(misfitOf(r.err), 109.54, 0.1) << r.err;
    // ... and the option wins over the line.
    r = render({q(twice), "--forward", q(model), "--rx-area", "1", "-o", "t.png"});
    EXPECT_NEAR(misfitOf(r.err), 12.910, 0.05) << r.err;

    // The masked rows again, measured only, in s and nV/A: the same misfit.
    const std::string si = testsupport::writeFile("si.dat", "t(s) R V(nV/A)\n1e-5 100 253978.2\n1e-4 100 983.7292\n"
                                                            "1e-3 100 3.925762\n1e-2 100 0.1247717\n# mask: 4\n");
    r = render({q(si), "--forward", q(model), "-o", "si.png"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NEAR(misfitOf(r.err), 12.910, 0.05) << r.err;
    // A frequency abscissa has no TEM response.
    const std::string mt = testsupport::writeFile("mt.dat", "freq_Hz R V\n1000 100 45\n10 120 50\n");
    r = render({q(mt), "--forward", q(model), "-o", "mt.png"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("the abscissa is a frequency"), std::string::npos) << r.err;
}

TEST(RenderForward, RefusesWhatCannotBeModelledWithOneLine)
{
    const std::string model = testsupport::writeFile("half2.txt", "100\n");
    const std::string data = testsupport::writeFile("d.dat", kRows);
    const struct {
        QStringList args;
        int code;
        const char* says;
    } cases[] = {
        {{q(data), "--loop-radius", "50"}, 2, "describe the system of --forward MODEL"},
        {{q(data), "--forward", q(model), "--loop-radius", "50", "--loop-side", "40"}, 2, "one size"},
        {{q(data), "--forward", q(model), "--rx-area", "-1"}, 2, "receiver area -1"},
        {{"-o", "x.png", q(data), "--forward"}, 2, "--forward needs a value"},
        {{"model", q(model), "--forward", q(model)}, 2, "sounding files only"},
        {{q(data), "--forward", "/no/such/model.txt"}, 1, "/no/such/model.txt"},
        {{q(testsupport::writeFile("badmask.dat", kRows + std::string("# mask: 5\n"))), "--forward", q(model)},
         1, "badmask.dat:5: mask \"5\" is not a row number from 1 to 4"},
        {{q(testsupport::writeFile("badtem.dat", std::string("\n# tem: loop_radius=-3\n") + kRows)), "--forward",
          q(model)},
         1, "badtem.dat:2:"},
    };
    for (const auto& c : cases) {
        const Result r = render(c.args);
        EXPECT_EQ(r.code, c.code) << c.args.join(' ').toStdString() << "\n" << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("misfit"), std::string::npos) << r.err;
    }
}

TEST(RenderForward, TheBatchModelsEachStationWithItsOwnModelAndNamesTheOnesWithout)
{
    const std::string dir = testsupport::tempDir();
    std::filesystem::create_directories(dir + "/in");
    std::filesystem::create_directories(dir + "/models");
    const auto put = [&](const std::string& name, const std::string& text) { std::ofstream(dir + name) << text; };
    put("/in/A1.dat", kRows + std::string("# mask: 4\n"));
    put("/in/B2.dat", kRows);
    put("/models/A1.model.txt", "100\n");
    QProcess p;
    p.start(QStringLiteral(TARNEX_RENDER_EXE),
            {"batch", q(dir + "/in"), "-o", q(dir + "/out"), "--forward-dir", q(dir + "/models"), "--dpi", "40",
             "--no-index"});
    p.waitForFinished(60000);
    const std::string err = p.readAllStandardError().toStdString();
    EXPECT_EQ(p.exitCode(), 0) << err;
    const auto a = err.find("A1.dat: model ");
    ASSERT_NE(a, std::string::npos) << err;
    EXPECT_NEAR(misfitOf(err.substr(a)), 12.910, 0.05) << err;
    EXPECT_NE(err.find("B2.dat: no model in"), std::string::npos) << err;
}
