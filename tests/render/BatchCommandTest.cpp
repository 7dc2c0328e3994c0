// "tarnex-render batch" as a user starts it: a survey with a bad station and
// clashing names, the same files whatever the job count or sharding, the
// one-PDF report with its bookmarks, exit statuses, and a clean Ctrl+C.
#include "TestSupport.h"
#include "support/CommandRunner.h"

#include "platform/core/CappedFile.h"
#include "platform/gdi/PdfOutline.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <map>

namespace {

using Result = testsupport::CommandResult;

Result batch(const QStringList& args) { return testsupport::runRender(QStringList{QStringLiteral("batch")} + args); }

// Every file under dir by its relative path, with its bytes.
std::map<std::string, std::string> files(const std::string& dir)
{
    std::map<std::string, std::string> out;
    const QDir root(QString::fromStdString(dir));
    for (const QString& sub : {QString(), QStringLiteral("thumbs")}) {
        const QDir d(root.filePath(sub));
        for (const QString& f : d.entryList(QDir::Files)) {
            std::string bytes;
            CString err;
            const std::string rel = (sub.isEmpty() ? f : sub + "/" + f).toStdString();
            EXPECT_TRUE(CappedFile::ReadAll((dir + "/" + rel).c_str(), 64u << 20, bytes, err));
            out[rel] = bytes;
        }
    }
    return out;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// Six stations: one whose abscissa is not positive, two whose names clash as files.
const char* kSurvey = "# test survey\n"
                      "station,t,rho,v,rho_fwd,v_fwd\n"
                      "A/1,1,100,10,110,11\nA/1,10,50,20,55,21\nA/1,100,80,40,85,41\n"
                      "a_1,1,100,10,110,11\na_1,10,60,20,55,21\na_1,100,90,40,85,41\n"
                      "bad,-1,100,10,110,11\nbad,10,50,20,55,21\n"
                      "测点4,1,300,30,310,31\n测点4,10,30,60,35,61\n测点4,1000,90,300,95,310\n"
                      "L2-1,0.5,20,5,22,6\nL2-1,50,200,50,190,52\n"
                      "L2-2,0.5,25,5,22,6\nL2-2,50,210,50,190,52\n";

}  // namespace

TEST(BatchCommand, DrawsEveryGoodStationTheSameWhateverTheJobsOrShards)
{
    const std::string survey = testsupport::writeFile("survey.csv", kSurvey);
    const std::string one = testsupport::tempDir() + "/one", many = testsupport::tempDir() + "/many";
    Result r = batch({q(survey), "-o", q(one), "--jobs", "1", "--dpi", "60"});
    EXPECT_EQ(r.code, 1) << r.err;  // some failed, the others drawn
    EXPECT_NE(r.err.find("survey.csv: station bad (line 9): row 1: the abscissa must be positive"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("5 of 6 stations drawn"), std::string::npos) << r.err;
    r = batch({q(survey), "-o", q(many), "--jobs", "3", "--dpi", "60", "--quiet"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.find("stations drawn"), std::string::npos) << r.err;  // quiet: errors only

    const auto whole = files(one);
    std::vector<std::string> names;
    for (const auto& [name, bytes] : whole)
        names.push_back(name);
    const std::vector<std::string> expect = {"A_1.png",          "L2-1.png",          "L2-2.png",
                                             "a_1~2.png",        "index.html",        "thumbs/A_1.png",
                                             "thumbs/L2-1.png",  "thumbs/L2-2.png",   "thumbs/a_1~2.png",
                                             "thumbs/测点4.png", "测点4.png"};
    EXPECT_EQ(names, expect);
    EXPECT_TRUE(whole == files(many)) << "1 and 3 jobs differ";
    const QImage chart(q(one + "/测点4.png"));
    EXPECT_GT(chart.width(), 100);
    EXPECT_GT(testsupport::countColour(chart, QColor(255, 0, 0)), 50);  // the measured R curve
    const std::string& index = whole.at("index.html");
    EXPECT_NE(index.find("<a href=\"a_1~2.png\">a_1</a>"), std::string::npos);
    EXPECT_NE(index.find("src=\"thumbs/%E6%B5%8B%E7%82%B94.png\""), std::string::npos);

    // Three shards into three folders make up the whole.
    std::map<std::string, std::string> joined;
    for (int k = 1; k <= 3; ++k) {
        const std::string dir = testsupport::tempDir() + "/shard";
        r = batch({q(survey), "-o", q(dir), "--dpi", "60", "--shard", QString("%1/3").arg(k)});
        EXPECT_EQ(r.code, k == 3 ? 1 : 0) << k << r.err;  // "bad" is the third shard's
        for (auto& [name, bytes] : files(dir))
            EXPECT_TRUE(joined.emplace(name, bytes).second) << name << " drawn by two shards";
    }
    EXPECT_TRUE(joined == whole) << "the shards' union differs from the whole";
}

TEST(BatchCommand, OnePdfHasAPageAndABookmarkAStation)
{
    const std::string survey = testsupport::writeFile("survey.csv", kSurvey);
    const std::string pdfPath = testsupport::tempDir() + "/survey.pdf";
    const Result r = batch({q(survey), "-o", q(pdfPath), "--dpi", "72"});
    EXPECT_EQ(r.code, 1) << r.err;
    std::string pdf;
    CString err;
    ASSERT_TRUE(CappedFile::ReadAll(pdfPath.c_str(), 64u << 20, pdf, err));
    std::vector<int> pages;
    ASSERT_TRUE(PdfOutline::PageObjects(pdf, pages, err)) << err.GetString();
    EXPECT_EQ(pages.size(), 5u);
    const std::string tail = pdf.substr(pdf.rfind("/Type /Outlines"));
    EXPECT_NE(tail.find("/Count 5"), std::string::npos);
    EXPECT_NE(tail.find("/Title (A/1) /Parent"), std::string::npos);
    EXPECT_NE(tail.find("/Title <FEFF6D4B70B90034>"), std::string::npos);
    EXPECT_NE(tail.find("/Title (L2-2) /Parent"), std::string::npos);
    EXPECT_NE(tail.find("/Dest [" + std::to_string(pages[4]) + " 0 R /Fit]"), std::string::npos);
}

TEST(BatchCommand, BadFilesAreNamedAndTheStatusSaysHowMuchFailed)
{
    const std::string dir = testsupport::tempDir();
    testsupport::writeFile("unused", "");
    const std::string good = dir + "/good.dat", broken = dir + "/broken.dat";
    std::FILE* f = std::fopen(good.c_str(), "w");
    std::fputs("1 100 50 110 55\n10 150 70 140 72\n100 300 120 280 118\n", f);
    std::fclose(f);
    f = std::fopen(broken.c_str(), "w");
    std::fputs("1 100 50 110\n", f);
    std::fclose(f);
    const std::string out = testsupport::tempDir() + "/out";
    Result r = batch({q(dir), "/no/such/file", "-o", q(out), "--dpi", "40", "--no-index"});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_NE(r.err.find("broken.dat:1: holds 4 numbers"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("cannot open /no/such/file"), std::string::npos) << r.err;
    EXPECT_EQ(files(out).size(), 1u);  // good.png, no index
    r = batch({q(broken), "-o", q(out + "2")});
    EXPECT_EQ(r.code, 3) << r.err;
    r = batch({q(good), "-o", q(out + "3"), "--shard", "2/1"});
    EXPECT_EQ(r.code, 2) << r.err;
}

TEST(BatchCommand, CtrlCLeavesOnlyCompleteCharts)
{
    std::string survey = "station x r v rf vf\n";
    for (int s = 0; s < 400; ++s)
        for (int i = 0; i < 5; ++i)
            survey += "S" + std::to_string(s) + " " + std::to_string(1 << (2 * i)) + " 100 10 90 11\n";
    const std::string path = testsupport::writeFile("big.txt", survey);
    const std::string out = testsupport::tempDir() + "/out";
    QProcess p;
    p.start(QStringLiteral(TARNEX_RENDER_EXE),
            {"batch", q(path), "-o", q(out), "--dpi", "300", "--jobs", "2", "--no-index"});
    ASSERT_TRUE(p.waitForStarted());
    // Wait for the first charts, then interrupt as a terminal's Ctrl+C does.
    for (int i = 0; i < 600 && QDir(q(out)).entryList(QDir::Files).size() < 3; ++i)
        p.waitForFinished(50);
    ASSERT_EQ(p.state(), QProcess::Running) << "the batch ended before it could be interrupted";
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 130) << p.readAllStandardError().toStdString();
    const QStringList left = QDir(q(out)).entryList(QDir::Files | QDir::Hidden);
    EXPECT_GE(left.size(), 3);
    EXPECT_LT(left.size(), 400);
    for (const QString& f : left)
        EXPECT_FALSE(QImage(q(out) + "/" + f).isNull()) << f.toStdString();
}
