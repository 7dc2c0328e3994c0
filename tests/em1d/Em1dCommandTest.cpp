// tarnex-em1d as a user runs it: its tables against the published values,
// the rewrite of a sounding's modelled columns, and its refusals.
#include "CommandFolder.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

class Em1dCommand : public CommandFolder {
protected:
    std::string file(const std::string& name, const std::string& text)
    {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    Outcome run(const std::string& args)
    {
        Outcome r;
        r.status = runHere(args);
        r.out = read("out");
        r.err = read("err");
        return r;
    }
    // The rows of a table the command wrote (comment and header lines left out).
    static std::vector<std::vector<double>> rows(const std::string& text)
    {
        std::vector<std::vector<double>> out;
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#' || std::isalpha(static_cast<unsigned char>(line[0])))
                continue;
            std::istringstream fields(line);
            std::vector<double> row;
            double v;
            while (fields >> v)
                row.push_back(v);
            out.push_back(row);
        }
        return out;
    }
    // Bad input: one line on stderr that names `needle`, status 1, no output file.
    void expectRefused(const std::string& args, const std::string& needle)
    {
        const std::string target = m_dir + "/refused.txt";
        const Outcome r = run(args + " -o '" + target + "'");
        EXPECT_EQ(r.status, 1) << args << ": " << r.err;
        EXPECT_NE(r.err.find(needle), std::string::npos) << args << ": " << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
        EXPECT_FALSE(exists(target)) << args;
    }
};

TEST_F(Em1dCommand, TablesMatchThePublishedValues)
{
    const std::string model = file("three.txt", "# 100/10/1000\n30 100\n50 10   # conductor\n1000\n");
    const Outcome r = run("forward '" + model + "' --times 0.01,0.1,1,10");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "time_ms rho_a_ohmm v_uv_per_a");
    const auto t = rows(r.out);
    ASSERT_EQ(t.size(), 4u);
    const double rho[] = {182.499, 38.550, 21.197, 82.190};
    const double v[] = {160.1291, 5.215827, 4.045161e-2, 1.675457e-5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(t[i][1] / rho[i], 1, 1e-3) << i;
        EXPECT_NEAR(t[i][2] / v[i], 1, 1e-3) << i;
    }
    // The default curve: 31 times from 0.01 to 10 ms.
    const auto curve = rows(run("forward '" + model + "'").out);
    ASSERT_EQ(curve.size(), 31u);
    EXPECT_DOUBLE_EQ(curve.front()[0], 0.01);
    EXPECT_DOUBLE_EQ(curve.back()[0], 10);

    const std::string mt = file("mt.txt", "1000 100\n10\n");
    const Outcome m = run("forward '" + mt + "' --mt --periods 0.01,1,100");
    ASSERT_EQ(m.status, 0) << m.err;
    const auto p = rows(m.out);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_NEAR(p[1][1] / 27.072, 1, 1e-3);
    EXPECT_NEAR(p[1][2], 62.11, 0.006);
    EXPECT_NEAR(p[2][2], 48.03, 0.006);

    // Several models: a table each, named.
    const std::string half = file("half.txt", "100\n");
    const Outcome two = run("forward '" + model + "' '" + half + "' --times 1 -o '" + m_dir + "/two.txt'");
    ASSERT_EQ(two.status, 0) << two.err;
    const std::string text = read(m_dir + "/two.txt");
    EXPECT_NE(text.find("# model " + model + "\ntime_ms"), std::string::npos) << text;
    EXPECT_NE(text.find("# model " + half + "\ntime_ms"), std::string::npos) << text;
    EXPECT_NEAR(rows(text).back()[2] / 3.925762e-3, 1, 1e-3);
}

TEST_F(Em1dCommand, DataRewritesOnlyTheModelledColumns)
{
    const std::string model = file("half.txt", "100 # ohm-m\n");
    const std::string sounding = file("s.dat",
                                      "# site 4\n"
                                      "# tem: loop_radius=50 rx_area=100\n"
                                      "time_ms R V Rfwd Vfwd\n"
                                      "  0.01  150.5  22000.0  1.0  1.0   # early\n"
                                      "  0.1   101.0    118.0  1.0  1.0\n"
                                      "  1     99.8    0.3925  1.0  1.0\n");
    const std::string out = m_dir + "/out.dat";
    const Outcome r = run("forward '" + model + "' --data '" + sounding + "' -o '" + out + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = read(out);
    EXPECT_EQ(text.substr(0, text.find("  0.01")), "# site 4\n# tem: loop_radius=50 rx_area=100\ntime_ms R V Rfwd Vfwd\n");
    EXPECT_NE(text.find("  0.01  150.5  22000.0"), std::string::npos) << text;
    EXPECT_NE(text.find("# early\n"), std::string::npos) << text;
    const auto t = rows(text);
    ASSERT_EQ(t.size(), 3u);
    const double rho[] = {143.951, 103.801, 100.375};
    const double v[] = {228.5804, 1.180475, 3.925762e-3};  // 1 m²
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(t[i][3] / rho[i], 1, 1e-3) << i;
        EXPECT_NEAR(t[i][4] / (100 * v[i]), 1, 1e-3) << i;  // the file's 100 m² receiver
    }
    // Options win over the file's line.
    const Outcome own = run("forward '" + model + "' --data '" + sounding + "' --rx-area 1");
    ASSERT_EQ(own.status, 0) << own.err;
    EXPECT_NEAR(rows(own.out)[2][4] / v[2], 1, 1e-3);
}

TEST_F(Em1dCommand, RefusesBadInputWithOneLineAndNoFile)
{
    const std::string good = file("good.txt", "30 100\n1000\n");
    expectRefused("forward '" + file("neg.txt", "30 100\n-5\n") + "'", "neg.txt:2:");
    expectRefused("forward '" + file("zero.txt", "0 100\n5\n") + "'", "zero.txt:1:");
    expectRefused("forward '" + file("text.txt", "30 abc\n5\n") + "'", "text.txt:1:");
    expectRefused("forward '" + file("nohalf.txt", "30 100\n") + "'", "half-space");
    expectRefused("forward '" + m_dir + "/missing.txt'", "missing.txt");
    expectRefused("forward '" + good + "' --times 1,0", "time 2");
    expectRefused("forward '" + good + "' --times 1,-0.5", "time 2");
    expectRefused("forward '" + good + "' --times 1,x", "--times");
    expectRefused("forward '" + good + "' --loop-radius -50", "loop radius");
    expectRefused("forward '" + good + "' --loop-side 0", "loop side");
    expectRefused("forward '" + good + "' --data '" + file("badtem.dat", "# tem: rx_area=-1\n1 2 3 4 5\n") + "'",
                  "badtem.dat:1:");
    expectRefused("forward '" + good + "' --data '" + file("short.dat", "1 2 3 4 5\n2 3 4 5\n") + "'",
                  "short.dat:2:");
    expectRefused("forward '" + good + "' --mt --periods 1,0", "--periods");
    // An existing output is left as it was.
    const std::string kept = file("kept.txt", "old\n");
    EXPECT_EQ(run("forward '" + good + "' --times 0 -o '" + kept + "'").status, 1);
    EXPECT_EQ(read(kept), "old\n");
    // A bad command line is status 2.
    EXPECT_EQ(run("forward '" + good + "' --bogus").status, 2);
    EXPECT_EQ(run("forward").status, 2);
}

} // namespace
