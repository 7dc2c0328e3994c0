// tarnex-em1d invert as a user runs it, on a sounding written here from the
// forward engine's response of a known model.
#include "em1d/TemForward.h"

#include "CommandFolder.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

class InvertCommand : public CommandFolder {
protected:
    void SetUp() override
    {
        CommandFolder::SetUp();
        // 21 gates of the H-type earth, exact, with its own response in the
        // modelled columns; gate 5's V replaced when asked.
        std::vector<double> t;
        for (int i = 0; i < 21; ++i)
            t.push_back(0.01 * std::pow(1000.0, i / 20.0));
        const em1d::TemResponse r =
            em1d::TemForward(em1d::TemSystem{}).compute(em1d::LayeredEarth({30.0, 50.0}, {100.0, 10.0, 1000.0}), t);
        for (const char* name : {"good", "negative"}) {
            std::ofstream f(path(std::string(name) + ".dat"));
            f << "# H-type sounding\n";
            for (std::size_t i = 0; i < t.size(); ++i)
                f << t[i] << ' ' << r.rhoApparent[i] << ' ' << (i == 4 && name[0] == 'n' ? -1.0 : r.voltage[i]) << " 0 0\n";
        }
    }
    int run(const std::string& args, const std::string& command = "invert") { return runHere(command + " " + args); }
};

} // namespace

TEST_F(InvertCommand, WritesTheModelTheFitAndTheMisfit)
{
    ASSERT_EQ(run("good.dat --noise 2 --fix rho1=100 --fit fit.dat"), 0) << read("err");
    EXPECT_NE(read("out").find("misfit: "), std::string::npos);
    EXPECT_NE(read("out").find("rho1 = 100 ohm-m (fixed)"), std::string::npos) << read("out");

    // model.txt by default, in the layered-model format: thickness and
    // resistivity a line, the half-space alone, comments after '#'.
    std::istringstream model(read("model.txt"));
    std::string line;
    std::vector<std::vector<double>> rows;
    while (std::getline(model, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::vector<double> row;
        for (double v; fields >> v;)
            row.push_back(v);
        if (!row.empty())
            rows.push_back(row);
    }
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(rows[0].size(), 2u);
    EXPECT_EQ(rows[0][1], 100.0);                          // held
    EXPECT_NEAR(rows[0][0], 30.0, 1.5);                    // conductor depth
    EXPECT_NEAR(rows[1][0] / rows[1][1], 5.0, 0.25);       // its conductance
    ASSERT_EQ(rows[2].size(), 1u);

    // The fit: the sounding with its modelled V near the measured one.
    std::istringstream fit(read("fit.dat"));
    std::getline(fit, line);
    EXPECT_EQ(line, "# H-type sounding");
    int gates = 0;
    for (double t, rm, vm, rf, vf; fit >> t >> rm >> vm >> rf >> vf; ++gates)
        EXPECT_NEAR(vf / vm, 1.0, 0.01) << "at " << t << " ms";
    EXPECT_EQ(gates, 21);
}

TEST_F(InvertCommand, RefusesBadInputWithOneLineAndNoOutput)
{
    EXPECT_EQ(run("negative.dat"), 1);
    EXPECT_NE(read("err").find("gate 5"), std::string::npos) << read("err");
    std::ofstream(path("bad-model.txt")) << "30 100\n50 abc\n1000\n";
    EXPECT_EQ(run("good.dat --start bad-model.txt"), 1);
    EXPECT_NE(read("err").find("bad-model.txt:2"), std::string::npos) << read("err");
    EXPECT_EQ(run("good.dat --layers 3 --smooth"), 2);
    EXPECT_EQ(run("good.dat --fix rho0"), 2);
    EXPECT_EQ(run("good.dat --noise 0"), 2);
    EXPECT_EQ(run("good.dat --smooth --fix h1=5"), 2);
    EXPECT_EQ(run("good.dat --layers 2 --fix h2"), 1);   // a 2-layer model has one thickness
    EXPECT_FALSE(exists("model.txt"));
    EXPECT_EQ(run("negative.dat --fit fit.dat"), 1);
    const std::string err = read("err");
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_FALSE(exists("model.txt"));
    EXPECT_FALSE(exists("fit.dat"));
}

namespace {

// Shoelace area of each body of a polygon section file, and the x extent of
// all of its vertices.
struct SectionArea {
    double total = 0;
    int bodies = 0;
};

SectionArea areaOf(const std::string& text)
{
    std::map<int, std::pair<double, double>> vertex;
    SectionArea a;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream f(line);
        std::string word;
        f >> word;
        if (word == "vertex") {
            int id;
            double x, z;
            f >> id >> x >> z;
            vertex[id] = {x, z};
        } else if (word == "body") {
            std::string name;
            double rho;
            f >> name >> rho;
            std::vector<int> ring;
            for (int id; f >> id;)
                ring.push_back(id);
            double twice = 0;
            for (std::size_t k = 0; k + 1 < ring.size(); ++k)
                twice += vertex[ring[k]].first * vertex[ring[k + 1]].second
                         - vertex[ring[k + 1]].first * vertex[ring[k]].second;
            a.total += std::abs(twice) / 2;
            ++a.bodies;
        }
    }
    return a;
}

} // namespace

TEST_F(InvertCommand, SurveyInvertsEveryGoodStationAndStitchesASection)
{
    // Three stations at uneven positions; the middle one has a negative V.
    std::vector<double> t;
    for (int i = 0; i < 21; ++i)
        t.push_back(0.01 * std::pow(1000.0, i / 20.0));
    const em1d::TemForward forward(em1d::TemSystem{});
    std::ofstream csv(path("survey.csv"));
    csv << "# tem: loop_radius=50 rx_area=1\nstation,x_m,time_ms,rho_measured,v_measured,rho_model,v_model\n";
    const struct { const char* name; double x, rho2; } stations[] = {{"A", 0, 10}, {"B", 20, 20}, {"C", 50, 30}};
    for (const auto& s : stations) {
        const em1d::TemResponse r = forward.compute(em1d::LayeredEarth({30.0, 50.0}, {100.0, s.rho2, 1000.0}), t);
        for (std::size_t i = 0; i < t.size(); ++i)
            csv << s.name << ',' << s.x << ',' << t[i] << ',' << r.rhoApparent[i] << ','
                << (s.name[0] == 'B' && i == 7 ? -r.voltage[i] : r.voltage[i]) << ",0,0\n";
    }
    csv.close();

    ASSERT_EQ(run("survey.csv -o one --jobs 1 --quiet"), 1);
    const std::string err = read("err");
    EXPECT_NE(err.find("station B: gate 8"), std::string::npos) << err;
    EXPECT_TRUE(exists("one/A.model.txt"));
    EXPECT_FALSE(exists("one/B.model.txt"));
    EXPECT_TRUE(exists("one/C.model.txt"));
    ASSERT_EQ(run("survey.csv -o two --jobs 2 --quiet"), 1);
    EXPECT_EQ(read("one/models.csv"), read("two/models.csv"));
    EXPECT_EQ(read("one/section-model.txt"), read("two/section-model.txt"));

    // models.csv: A and C with their positions and depths of investigation.
    std::istringstream rows(read("one/models.csv"));
    std::string header, a, c, extra;
    std::getline(rows, header);
    std::getline(rows, a);
    std::getline(rows, c);
    EXPECT_FALSE(std::getline(rows, extra));
    EXPECT_EQ(header, "station,x_m,rho1_ohmm,h1_m,rho2_ohmm,h2_m,rho3_ohmm,misfit_pct,doi_m");
    EXPECT_EQ(a.rfind("A,0,", 0), 0u) << a;
    EXPECT_EQ(c.rfind("C,50,", 0), 0u) << c;
    const double doiA = std::stod(a.substr(a.rfind(',') + 1));
    const double doiC = std::stod(c.substr(c.rfind(',') + 1));

    // The columns tile: A from −25 to the midpoint 25, C from 25 to 75, each
    // down to its depth of investigation; their bodies' areas add up to
    // exactly that, so no gap and no overlap.
    const SectionArea area = areaOf(read("one/section-model.txt"));
    EXPECT_EQ(area.bodies, 6);
    EXPECT_NEAR(area.total, 50.0 * doiA + 50.0 * doiC, 1e-4 * area.total);   // models.csv has 5 digits
}

TEST_F(InvertCommand, LinesMeasuredFromTheirOwnStartsAreLaidEndToEndAndWrittenAlone)
{
    // Three lines whose stations stand at the same positions along each line.
    std::vector<double> t;
    for (int i = 0; i < 16; ++i)
        t.push_back(0.01 * std::pow(1000.0, i / 15.0));
    const em1d::TemForward forward(em1d::TemSystem{});
    const em1d::TemResponse r = forward.compute(em1d::LayeredEarth({40.0}, {100.0, 20.0}), t);
    std::ofstream csv(path("lines.csv"));
    csv << "station,x_m,time_ms,rho_measured,v_measured,rho_model,v_model\n";
    for (const char* name : {"L1-1", "L1-2", "L2-1", "L2-2", "L3-1", "L3-2"})
        for (std::size_t i = 0; i < t.size(); ++i)
            csv << name << ',' << (name[3] == '1' ? 0 : 20) << ',' << t[i] << ',' << r.rhoApparent[i] << ','
                << r.voltage[i] << ",0,0\n";
    csv.close();
    ASSERT_EQ(run("lines.csv -o res --layers 2 --jobs 1 --quiet"), 0) << read("err");

    // The x of every vertex of each line's bodies in the one section.
    const auto extent = [](const std::string& text, const std::string& line) {
        std::map<int, double> x;
        double lo = 1e300, hi = -1e300;
        std::istringstream in(text);
        for (std::string row; std::getline(in, row);) {
            std::istringstream f(row);
            std::string word, name;
            f >> word;
            if (word == "vertex") {
                int id;
                f >> id;
                f >> x[id];
            } else if (word == "body" && (f >> name) && name.rfind(line, 0) == 0) {
                double rho;
                f >> rho;
                for (int id; f >> id;) {
                    lo = std::min(lo, x[id]);
                    hi = std::max(hi, x[id]);
                }
            }
        }
        return std::pair{lo, hi};
    };
    const std::string all = read("res/section-model.txt");
    const auto [lo1, hi1] = extent(all, "L1-");
    const auto [lo2, hi2] = extent(all, "L2-");
    EXPECT_NEAR(lo1, -10, 1e-9);
    // L2 starts two spacings after L1's last station (x 60): the columns
    // meet halfway, at 40.
    EXPECT_NEAR(hi1, 40, 1e-9);
    EXPECT_NEAR(lo2, 40, 1e-9) << "the second line hides the first";
    // L3 two spacings after L2's last station (x 80): from 120, meeting L2 at 100.
    EXPECT_NEAR(extent(all, "L3-").first, 100, 1e-9);
    // Alone, each line keeps its own positions.
    EXPECT_EQ(extent(read("res/section-L2.txt"), "L2-"), (std::pair{-10.0, 30.0}));
    EXPECT_TRUE(exists("res/section-L1.txt"));
}

namespace {

// Seven stations on two lines, without positions (placed by --spacing), the
// fifth (index 4) with a negative V at one gate.
void writeTwoLines(const std::string& file)
{
    std::vector<double> t;
    for (int i = 0; i < 16; ++i)
        t.push_back(0.01 * std::pow(1000.0, i / 15.0));
    const em1d::TemForward forward(em1d::TemSystem{});
    std::ofstream csv(file);
    csv << "station time_ms v_measured\n";
    const char* names[] = {"L1-1", "L1-2", "L1-3", "L1-4", "L2-1", "L2-2", "L2-3"};
    for (int s = 0; s < 7; ++s) {
        const em1d::TemResponse r = forward.compute(em1d::LayeredEarth({30.0 + 5 * s}, {100.0, 10.0 + 3 * s}), t);
        for (std::size_t i = 0; i < t.size(); ++i)
            csv << names[s] << ' ' << t[i] << ' ' << (s == 4 && i == 3 ? -r.voltage[i] : r.voltage[i]) << '\n';
    }
}

} // namespace

TEST_F(InvertCommand, ShardsStitchIntoTheFilesOfOneWholeRun)
{
    writeTwoLines(path("lines.csv"));
    const std::string common = " --layers 2 --jobs 1 --spacing 15 --quiet";
    ASSERT_EQ(run("lines.csv -o whole" + common), 1) << read("err");

    // Shard K inverts the stations K-1, K-1+3, ...: their model files and no
    // others, and leaves its table instead of models.csv.
    const char* names[] = {"L1-1", "L1-2", "L1-3", "L1-4", "L2-1", "L2-2", "L2-3"};
    for (int k = 1; k <= 3; ++k) {
        const std::string dir = "part" + std::to_string(k);
        EXPECT_EQ(run("lines.csv -o " + dir + " --shard " + std::to_string(k) + "/3" + common), k == 2 ? 1 : 0)
            << read("err");
        for (int s = 0; s < 7; ++s)
            EXPECT_EQ(exists(dir + "/" + names[s] + ".model.txt"), s % 3 == k - 1 && s != 4) << dir << " " << names[s];
        EXPECT_FALSE(exists(dir + "/models.csv"));
        EXPECT_FALSE(exists(dir + "/section-model.txt"));
        const std::string table = "models-" + std::to_string(k) + "-of-3.csv";
        std::system(("cd '" + m_dir + "' && mkdir -p all && cp " + dir + "/" + table + " all/").c_str());
    }
    EXPECT_NE(read("part2/models-2-of-3.csv").find("station L2-1: gate 4"), std::string::npos);

    // The stitch names the failed station and writes the others, byte for
    // byte as the whole run did.
    const auto stitch = [&](const std::string& dir) { return run(dir, "stitch"); };
    ASSERT_EQ(stitch("all"), 1) << read("err");
    EXPECT_NE(read("err").find("station L2-1: gate 4"), std::string::npos) << read("err");
    for (const char* file : {"models.csv", "section-model.txt", "section-L1.txt", "section-L2.txt"}) {
        EXPECT_FALSE(read(std::string("whole/") + file).empty()) << file;
        EXPECT_EQ(read(std::string("all/") + file), read(std::string("whole/") + file)) << file;
    }

    // A shard missing, or one of another run beside them: nothing stitched.
    std::system(("cd '" + m_dir + "' && mkdir gap && cp all/models-1-of-3.csv all/models-3-of-3.csv gap/").c_str());
    EXPECT_EQ(stitch("gap"), 3);
    EXPECT_NE(read("err").find("shard 2 of 3 missing"), std::string::npos) << read("err");
    EXPECT_FALSE(exists("gap/models.csv"));
    ASSERT_EQ(run("lines.csv -o all --shard 1/2" + common), 1) << read("err");
    EXPECT_EQ(stitch("all"), 3);
    EXPECT_NE(read("err").find("runs in 2 and 3 shards"), std::string::npos) << read("err");

    // A table that lost a row is not taken for a whole shard.
    std::string table = read("part3/models-3-of-3.csv");
    table.erase(table.rfind('\n', table.size() - 2) + 1);
    std::ofstream(path("gap/models-2-of-3.csv")) << read("part2/models-2-of-3.csv");
    std::ofstream(path("gap/models-3-of-3.csv")) << table;
    EXPECT_EQ(stitch("gap"), 3);
    EXPECT_NE(read("err").find("models-3-of-3.csv: 1 of the shard's 2 stations"), std::string::npos) << read("err");
}

TEST_F(InvertCommand, ShardIsTakenWithinItsLimitsAndForASurveyOnly)
{
    writeTwoLines(path("lines.csv"));
    const std::string common = " --layers 2 --jobs 1 --quiet";
    EXPECT_EQ(run("lines.csv -o one --shard 1/1" + common), 1) << read("err");
    EXPECT_TRUE(exists("one/models-1-of-1.csv"));
    EXPECT_EQ(run("lines.csv -o last --shard 3/3" + common), 0) << read("err");
    EXPECT_TRUE(exists("last/L1-3.model.txt"));
    for (const char* bad : {"4/3", "0/3", "a/b", "3", "1/0", "-1/3", "1/3/3"}) {
        EXPECT_EQ(run(std::string("lines.csv -o bad --shard ") + bad + common), 2) << bad;
        const std::string err = read("err");
        EXPECT_EQ(err.rfind("tarnex-em1d invert: --shard takes K/N", 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
    EXPECT_FALSE(exists("bad"));
    EXPECT_EQ(run("good.dat --shard 1/2"), 2);
    EXPECT_NE(read("err").find("are for a survey"), std::string::npos) << read("err");
    EXPECT_FALSE(exists("model.txt"));
}

TEST_F(InvertCommand, StitchTakesStationNamesWithCommasAndRefusesAGarbledTable)
{
    // A folder survey names its stations after the files, commas and all.
    std::system(("cd '" + m_dir + "' && mkdir dir && cp good.dat 'dir/A,1.dat' && cp good.dat 'dir/B #2.dat'"
                 " && cp good.dat dir/C.dat").c_str());
    const std::string common = " --layers 2 --jobs 1 --quiet";
    ASSERT_EQ(run("dir -o whole" + common), 0) << read("err");
    for (const char* k : {"1/2", "2/2"})
        ASSERT_EQ(run(std::string("dir -o parts --shard ") + k + common), 0) << read("err");
    ASSERT_EQ(run("parts", "stitch"), 0) << read("err");
    EXPECT_NE(read("parts/models.csv").find("\nA,1,0,"), std::string::npos) << read("parts/models.csv");
    EXPECT_EQ(read("parts/models.csv"), read("whole/models.csv"));
    EXPECT_EQ(read("parts/section-model.txt"), read("whole/section-model.txt"));

    // A thickness that is not a number is named by its file and line.
    std::string table = read("parts/models-1-of-2.csv");
    const std::size_t row = table.find("\nC,");
    ASSERT_NE(row, std::string::npos) << table;
    const std::size_t h1 = table.find(',', table.find(',', table.find(',', row + 1) + 1) + 1) + 1;
    table.replace(h1, table.find(',', h1) - h1, "1O.5");
    std::ofstream(path("parts/models-1-of-2.csv")) << table;
    std::remove(path("parts/models.csv").c_str());
    EXPECT_EQ(run("parts", "stitch"), 3);
    EXPECT_NE(read("err").find("models-1-of-2.csv:6: \"1O.5\" is not a number (thickness)"), std::string::npos)
        << read("err");
    EXPECT_FALSE(exists("parts/models.csv"));
}

TEST_F(InvertCommand, UnitsTheHeaderNamesAreTheEnginesOnceConverted)
{
    // The same sounding in s and V/A: the same fit, and the fitted V written
    // back in V/A.
    {
        std::ifstream in(path("good.dat"));
        std::ofstream out(path("si.dat"));
        out << "t(s) R V(V/A) Rm Vm\n";
        std::string comment;
        std::getline(in, comment);
        for (double t, r, v, a, b; in >> t >> r >> v >> a >> b;)
            out << t / 1000 << ' ' << r << ' ' << v * 1e-6 << " 0 0\n";
    }
    ASSERT_EQ(run("good.dat --layers 3 --noise 2 -o ms.txt"), 0) << read("err");
    const std::string ms = read("out");
    ASSERT_EQ(run("si.dat --layers 3 --noise 2 -o si.txt --fit sifit.dat"), 0) << read("err");
    EXPECT_EQ(read("out").substr(0, read("out").find('\n')), ms.substr(0, ms.find('\n')));
    std::istringstream fit(read("sifit.dat"));
    std::string header;
    std::getline(fit, header);
    int gates = 0;
    for (double t, rm, vm, rf, vf; fit >> t >> rm >> vm >> rf >> vf; ++gates)
        EXPECT_NEAR(vf / vm, 1.0, 0.01) << "at " << t << " s";
    EXPECT_EQ(gates, 21);

    // A frequency abscissa or V in volts gives nothing to model.
    std::ofstream(path("mt.dat")) << "freq_Hz R V Rm Vm\n1000 100 45 0 0\n10 120 50 0 0\n";
    std::ofstream(path("volts.dat")) << "t_ms R V(mV) Rm Vm\n0.1 100 45 0 0\n1 120 5 0 0\n";
    EXPECT_EQ(run("mt.dat -o m1.txt"), 1);
    EXPECT_NE(read("err").find("mt.dat:1: the abscissa is a frequency"), std::string::npos) << read("err");
    EXPECT_EQ(run("volts.dat -o m2.txt"), 1);
    EXPECT_NE(read("err").find("volts.dat:1: V is in volts"), std::string::npos) << read("err");
}
