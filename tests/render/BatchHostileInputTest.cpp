// "tarnex-render batch" against what a careless user or another user of a
// shared folder puts in its way: links in the output folder, inputs from
// pipes, files of the other type's look, stations gone bad since the last
// run, control bytes in names, and too little memory.
#include "TestSupport.h"

#include "BatchInput.h"
#include "platform/core/CappedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <thread>

namespace {

struct Result {
    int code = -1;  // -1: ended by a signal
    std::string err;
};

QString q(const std::string& s) { return QString::fromStdString(s); }

Result batch(const QStringList& args, const std::string& input = {}, unsigned long addressSpace = 0)
{
    QProcess p;
    if (addressSpace)
        p.setChildProcessModifier([addressSpace] {
            const rlimit lim{addressSpace, addressSpace};
            setrlimit(RLIMIT_AS, &lim);
        });
    // TARNEX_TEST_RENDER runs the cases against another build of the command.
    const char* exe = std::getenv("TARNEX_TEST_RENDER");
    p.start(exe ? QString::fromLocal8Bit(exe) : QStringLiteral(TARNEX_RENDER_EXE), args);
    if (!input.empty())
        p.write(input.data(), static_cast<qint64>(input.size()));
    p.closeWriteChannel();
    p.waitForFinished(300000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError().toStdString()};
}

void put(const std::string& path, const std::string& text)
{
    std::FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

std::string slurp(const std::string& path)
{
    std::string bytes;
    CString err;
    return CappedFile::ReadAll(path.c_str(), 64u << 20, bytes, err) ? bytes : std::string("<unreadable>");
}

// A sounding of n rows whose first rows shape the curve's left end.
std::string sounding(int n, const std::string& lead = {})
{
    std::string s = lead;
    for (int i = 0; i < n; ++i) {
        const double x = 0.4 * std::pow(1.08, i);
        s += std::to_string(x) + "  " + std::to_string(300.0 - i) + "  " + std::to_string(30.0 + i) + "  " +
             std::to_string(290.0 - i) + "  " + std::to_string(31.0 + i) + "\n";
    }
    return s;
}

// Writes text into a FIFO from a thread, for a batch that reads it.
class FifoWriter {
public:
    FifoWriter(const std::string& path, std::string text) : m_path(path)
    {
        EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
        m_thread = std::thread([this, text = std::move(text)] {
            const int fd = open(m_path.c_str(), O_WRONLY | O_CLOEXEC);
            for (size_t off = 0; fd >= 0 && off < text.size();) {
                const ssize_t n = write(fd, text.data() + off, text.size() - off);
                if (n <= 0)
                    break;
                off += static_cast<size_t>(n);
            }
            if (fd >= 0)
                close(fd);
        });
    }
    ~FifoWriter()
    {
        // A reader that never came: open one so that the writer's open returns.
        const int fd = open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        m_thread.join();
        if (fd >= 0)
            close(fd);
    }

private:
    std::string m_path;
    std::thread m_thread;
};

}  // namespace

TEST(BatchOutputFolder, NoWriteGoesThroughALinkInIt)
{
    const std::string base = testsupport::tempDir();
    const std::string outside = base + "/outside", out = base + "/out";
    QDir().mkpath(q(outside));
    QDir().mkpath(q(out));
    const std::string precious = testsupport::writeFile("precious.txt", "keep me\n");
    const std::string input = base + "/S1.dat";
    put(input, sounding(30));
    ASSERT_EQ(symlink(precious.c_str(), (out + "/S1.png").c_str()), 0);
    ASSERT_EQ(symlink((outside + "/created.html").c_str(), (out + "/index.html").c_str()), 0);
    ASSERT_EQ(symlink(outside.c_str(), (out + "/thumbs").c_str()), 0);

    // The thumbnails' folder is a link: refused before anything is drawn.
    Result r = batch({"batch", q(input), "-o", q(out), "--dpi", "40"});
    EXPECT_EQ(r.code, 3) << r.err;
    EXPECT_NE(r.err.find("/out/thumbs: it is a symbolic link"), std::string::npos) << r.err;
    EXPECT_TRUE(QDir(q(outside)).isEmpty());

    // Links where a chart and the sheet go are replaced; what they name is untouched.
    ASSERT_EQ(unlink((out + "/thumbs").c_str()), 0);
    r = batch({"batch", q(input), "-o", q(out), "--dpi", "40"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(slurp(precious) == "keep me\n") << "the file a link names was written";
    EXPECT_TRUE(QDir(q(outside)).isEmpty()) << "a dangling link made its target";
    EXPECT_FALSE(QFileInfo(q(out + "/S1.png")).isSymLink());
    EXPECT_FALSE(QImage(q(out + "/S1.png")).isNull());
    EXPECT_FALSE(QFileInfo(q(out + "/index.html")).isSymLink());
    EXPECT_FALSE(QImage(q(out + "/thumbs/S1.png")).isNull());
}

TEST(BatchInputs, PipesAndFifosReadWholeAndTypesAreToldByTheirRows)
{
    const std::string dir = testsupport::tempDir();
    const std::string text = sounding(150, "# a sounding with a comment and a header first\nt rho v rhof vf\n");
    // The chart alone (--plain): a figure's title names the station, which
    // differs for /dev/stdin, while the data drawn must not.
    ASSERT_GT(text.size(), 8192u);
    const std::string fileDir = dir + "/file", fifoDir = dir + "/fifo";
    QDir().mkpath(q(fileDir));
    QDir().mkpath(q(fifoDir));
    put(fileDir + "/S.dat", text);
    Result r = batch({"batch", q(fileDir + "/S.dat"), "-o", q(dir + "/o1"), "--dpi", "40", "--no-index", "--plain"});
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string drawn = slurp(dir + "/o1/S.png");
    {
        FifoWriter w(fifoDir + "/S.dat", text);
        r = batch({"batch", q(fifoDir + "/S.dat"), "-o", q(dir + "/o2"), "--dpi", "40", "--no-index", "--plain"});
    }
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(slurp(dir + "/o2/S.png") == drawn) << "the chart from a FIFO differs from the file's";
    r = batch({"batch", "/dev/stdin", "-o", q(dir + "/o3"), "--dpi", "40", "--no-index", "--plain"}, text);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(slurp(dir + "/o3/stdin.png") == drawn) << "the chart from stdin differs from the file's";

    // A survey through a FIFO keeps its first stations.
    std::string survey = "station x r v rf vf\n";
    for (int s = 0; s < 60; ++s)
        for (int i = 0; i < 4; ++i)
            survey += "ST" + std::to_string(s) + " " + std::to_string(1 << (2 * i)) + " 100 10 90 11\n";
    ASSERT_GT(survey.size(), 4096u);
    {
        FifoWriter w(fifoDir + "/survey", survey);
        r = batch({"batch", q(fifoDir + "/survey"), "-o", q(dir + "/o4"), "--dpi", "24", "--no-index"});
    }
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(QDir(q(dir + "/o4")).entryList(QDir::Files).size(), 60);
    EXPECT_TRUE(QFileInfo::exists(q(dir + "/o4/ST0.png")));

    // Six numbers a row with no station repeated: a sounding row with a
    // number too many, refused with its line, never 23 one-row stations.
    std::string six;
    for (int i = 0; i < 23; ++i)
        six += std::to_string(1 + i) + " " + std::to_string(0.4 * (i + 1)) + " 100 10 90 11\n";
    const std::string sixPath = testsupport::writeFile("six.dat", six);
    r = batch({"batch", q(sixPath), "-o", q(dir + "/o5"), "--dpi", "24"});
    EXPECT_EQ(r.code, 3) << r.err;
    EXPECT_NE(r.err.find("six.dat:1: holds 6 numbers"), std::string::npos) << r.err;
}

TEST(BatchInputs, KindIsToldFromTheFirstRowOfData)
{
    using K = BatchInput::Kind;
    EXPECT_EQ(BatchInput::KindOf("# comment\nt r v rf vf\n0.4 1 2 3 4\n"), K::Sounding);
    EXPECT_EQ(BatchInput::KindOf("\n\n0.4\t1 2 3 4 # note\n"), K::Sounding);
    EXPECT_EQ(BatchInput::KindOf("# a survey\nL1 0.4 1 2 3 4\n"), K::Survey);
    EXPECT_EQ(BatchInput::KindOf("station,t,r,v,rf,vf\nL1,0.4,1,2,3,4\n"), K::Survey);
    // Numeric station names need a header: without one, six numbers are a
    // sounding row with a number too many, which its reader refuses.
    EXPECT_EQ(BatchInput::KindOf("101 0.4 1 2 3 4\n101 0.6 1 2 3 4\n"), K::Sounding);
    EXPECT_EQ(BatchInput::KindOf("station t r v rf vf\n101 0.4 1 2 3 4\n"), K::Survey);
    EXPECT_EQ(BatchInput::KindOf("station x_m t r v\n101 20 0.4 1 2\n"), K::Survey);
    // Values out of range or not numbers still make a row of its shape.
    EXPECT_EQ(BatchInput::KindOf("L1 1e309 1 2 3 4\n"), K::Survey);
    // A lone line of words is a header with no rows: the sounding reader says so.
    EXPECT_EQ(BatchInput::KindOf("a b c\n"), K::Sounding);
    EXPECT_EQ(BatchInput::KindOf(""), K::Sounding);
}

TEST(BatchRerun, AStationThatFailsNowLeavesNoOldChartAndIsMarked)
{
    const std::string dir = testsupport::tempDir();
    const std::string good = "A 1 100 10 110 11\nA 10 50 20 55 21\nA 100 80 40 85 41\n";
    const std::string path = dir + "/survey.txt";
    put(path, good + "B 1 100 10 110 11\nB 10 50 20 55 21\n");
    const std::string out = dir + "/out";
    Result r = batch({"batch", q(path), "-o", q(out), "--dpi", "30"});
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(QFileInfo::exists(q(out + "/B.png")));
    put(path, good + "B -1 100 10 110 11\nB 10 50 20 55 21\n");
    r = batch({"batch", q(path), "-o", q(out), "--dpi", "30"});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_FALSE(QFileInfo::exists(q(out + "/B.png")));
    EXPECT_FALSE(QFileInfo::exists(q(out + "/thumbs/B.png")));
    EXPECT_TRUE(QFileInfo::exists(q(out + "/A.png")));
    const std::string index = slurp(out + "/index.html");
    EXPECT_EQ(index.find("href=\"B.png\""), std::string::npos) << "the sheet links a chart not drawn";
    EXPECT_NE(index.find("failed</div><figcaption>B<br>"), std::string::npos);
    EXPECT_NE(index.find("the abscissa must be positive"), std::string::npos);
    EXPECT_NE(index.find("href=\"A.png\""), std::string::npos);
}

TEST(BatchMessages, NoControlByteOfANameReachesTheTerminalOrThePage)
{
    const std::string dir = testsupport::tempDir() + "/in";
    QDir().mkpath(q(dir));
    // Values too small for the chart's own linear view: with --plain a note
    // names the file.
    const std::string name = dir + "/bell\x07\x1b[31m.dat";
    put(name, "1 1e-30 1e-30 1e-30 1e-30\n10 2e-30 2e-30 2e-30 2e-30\n100 3e-30 3e-30 3e-30 3e-30\n");
    // A C1 control (CSI, U+009B) in a survey station's name.
    put(dir + "/survey.txt", "C\xc2\x9b" "1 1 100 10 110 11\nC\xc2\x9b" "1 10 50 20 55 21\n"
                             "D\xc2\x9b" "2 -1 100 10 110 11\nD\xc2\x9b" "2 10 50 20 55 21\n");
    const std::string out = testsupport::tempDir() + "/out";
    Result r = batch({"batch", q(dir), "-o", q(out), "--dpi", "30", "--plain"});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_NE(r.err.find("note: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("bell\\x07\\x1b[31m.dat"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("D\\xc2\\x9b2"), std::string::npos) << r.err;
    for (const std::string& text : {r.err, slurp(out + "/index.html")}) {
        EXPECT_EQ(text.find('\x07'), std::string::npos);
        EXPECT_EQ(text.find('\x1b'), std::string::npos);
        EXPECT_EQ(text.find("\xc2\x9b"), std::string::npos);
    }
    // The bookmarks of a report show the bytes, never the control.
    r = batch({"batch", q(dir), "-o", q(out + "/r.pdf"), "--dpi", "30"});
    EXPECT_EQ(r.code, 1) << r.err;
    const std::string pdf = slurp(out + "/r.pdf");
    EXPECT_EQ(pdf.find("009B"), std::string::npos);
    EXPECT_EQ(pdf.find("0007"), std::string::npos);
}

TEST(BatchMemory, RunningOutIsOneLineAndStatusOne)
{
    if (testsupport::kAddressSanitizer)
        GTEST_SKIP() << "an address-space limit means nothing under AddressSanitizer";
    // A million rows under an address space a third of what they need.
    const std::string dir = testsupport::tempDir();
    std::string big;
    big.reserve(40u << 20);
    for (int i = 0; i < 1'000'000; ++i) {
        char row[96];
        std::snprintf(row, sizeof row, "%.6g 100 10 90 11\n", 0.5 + i * 0.01);
        big += row;
    }
    const std::string path = testsupport::writeFile("million.dat", big);
    std::string().swap(big);
    // Limits around where the painter's own buffers run out: each run draws
    // or says "out of memory" in one line, never dies of a signal.
    for (unsigned long mb : {240ul, 250ul, 255ul, 260ul, 265ul, 270ul, 400ul}) {
        const Result r = batch({q(path), "-o", q(dir + "/m.png")}, {}, mb << 20);
        EXPECT_TRUE(r.code == 0 || r.code == 1) << mb << " MB: status " << r.code;
        if (r.code == 1) {
            EXPECT_NE(r.err.find("out of memory"), std::string::npos) << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
        if (mb == 240) {
            EXPECT_EQ(r.code, 1) << "drawn in 240 MB?";
        } else if (mb == 400) {
            EXPECT_EQ(r.code, 0) << r.err;
        }
    }

    // More drawing threads than the address space holds stacks for: the
    // batch draws with those it could start.
    const Result r = batch({"batch", TARNEX_SOURCE_DIR "/data/survey.csv", "-o", q(dir + "/b"), "--jobs", "256",
                            "--dpi", "24", "--no-index"},
                           {}, 700ul << 20);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("of 256 drawing threads"), std::string::npos) << r.err;
    EXPECT_EQ(QDir(q(dir + "/b")).entryList(QDir::Files).size(), 300);
}
