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
    // The charts and thumbnails are the whole run's; the sheet marks the
    // failures of shard 1's own stations only ("bad" is shard 3's).
    const std::string shardIndex = joined.at("index.html");
    joined.erase("index.html");
    auto charts = whole;
    charts.erase("index.html");
    EXPECT_TRUE(joined == charts) << "the shards' union differs from the whole";
    EXPECT_NE(index.find("failed</div><figcaption>bad"), std::string::npos);
    EXPECT_NE(shardIndex.find("<a href=\"bad.png\">"), std::string::npos);
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
    EXPECT_NE(tail.find("/Count 6"), std::string::npos);  // five stations and line L2
    EXPECT_NE(tail.find("/Title (A/1) /Parent"), std::string::npos);
    EXPECT_NE(tail.find("/Title (L2) /Parent"), std::string::npos);
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

TEST(BatchCommand, ChartsAndPagesSayWhichStationAndLineTheyShow)
{
    const std::string data = TARNEX_SOURCE_DIR "/tests/data/";
    const std::string dir = testsupport::tempDir() + "/charts";
    Result r = batch({q(data + "survey-lines.csv"), q(data + "commented.dat"), "-o", q(dir), "--format", "svg",
                      "--no-index", "--dpi", "72"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto out = files(dir);
    ASSERT_EQ(out.size(), 7u);
    for (const char* station : {"L01-001", "L01-003", "L02-003"}) {
        const auto it = out.find(std::string(station) + ".svg");
        ASSERT_NE(it, out.end()) << station;
        // The writer splits texts where the font changes: the words and the
        // names are looked for apart.
        const std::string& svg = it->second;
        EXPECT_NE(svg.find(std::string(">") + station), std::string::npos) << station;
        EXPECT_NE(svg.find("测站"), std::string::npos) << station;
        EXPECT_NE(svg.find(std::string(">") + std::string(station).substr(0, 3) + "<"), std::string::npos) << station;
    }
    EXPECT_NE(out.at("commented.svg").find(">commented<"), std::string::npos);

    // One PDF: every page A4 landscape, the stations under their lines.
    const std::string pdfPath = testsupport::tempDir() + "/lines.pdf";
    r = batch({q(data + "survey-lines.csv"), "-o", q(pdfPath), "--dpi", "72"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string pdf;
    CString err;
    ASSERT_TRUE(CappedFile::ReadAll(pdfPath.c_str(), 64u << 20, pdf, err));
    size_t boxes = 0;
    for (size_t at = pdf.find("/MediaBox"); at != std::string::npos; at = pdf.find("/MediaBox", at + 1)) {
        double w = 0, h = 0;
        ASSERT_EQ(std::sscanf(pdf.c_str() + at, "/MediaBox [0 0 %lf %lf]", &w, &h), 2);
        EXPECT_NEAR(w, 841.9, 1.5);
        EXPECT_NEAR(h, 595.3, 1.5);
        ++boxes;
    }
    EXPECT_EQ(boxes, 6u);
    const std::string tail = pdf.substr(pdf.rfind("/Type /Outlines"));
    EXPECT_NE(tail.find("/Count 8"), std::string::npos);
    const size_t line = tail.find("/Title (L02) /Parent");
    ASSERT_NE(line, std::string::npos);
    EXPECT_NE(tail.find("/Count 3", line), std::string::npos);
}

TEST(BatchCommand, CommonScaleDrawsEveryStationOnTheSameAxes)
{
    const std::string data = TARNEX_SOURCE_DIR "/tests/data/";
    // The axis labels of a chart, in drawing order: texts in the labels' size.
    const auto labels = [](const std::string& svg) {
        std::vector<std::string> out;
        const std::string key = "font-size=\"10\"";
        for (size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at + 1)) {
            const size_t close = svg.find('>', at), end = svg.find("</text>", at);
            if (svg.compare(svg.find("font-size=", at), key.size(), key) == 0)
                out.push_back(svg.substr(close + 1, end - close - 1));
        }
        return out;
    };
    for (const bool common : {false, true}) {
        const std::string dir = testsupport::tempDir() + (common ? "/common" : "/own");
        QStringList args{q(data + "survey-lines.csv"), q(data + "commented.dat"), "-o", q(dir), "--format", "svg",
                         "--no-index", "--dpi", "72"};
        if (common)
            args << "--common-scale";
        const Result r = batch(args);
        ASSERT_EQ(r.code, 0) << r.err;
        const auto out = files(dir);
        const auto a = labels(out.at("L01-001.svg")), b = labels(out.at("commented.svg"));
        ASSERT_GE(a.size(), 8u);
        if (common)
            EXPECT_EQ(a, b);
        else
            EXPECT_NE(a, b);
    }
}
