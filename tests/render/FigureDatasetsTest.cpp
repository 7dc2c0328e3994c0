// Soundings and models as instruments and modelling codes give them (time in
// seconds, volts over seven decades, MT frequency, a sign reversal, wide and
// deep models) drawn by tarnex-render: each comes out within the size bounds
// of a page, with at least four distinct labels on each axis.
#include "TestSupport.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::string kData = TARNEX_SOURCE_DIR "/tests/data/";

int render(const QStringList& args, std::string* err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(TARNEX_RENDER_EXE), args);
    p.waitForFinished(60000);
    if (err)
        *err = p.readAllStandardError().toStdString();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

std::string slurp(const std::string& path)
{
    std::ifstream f(path);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct Label {
    double x, y;
    std::string text;
};

// The upright texts of an SVG chart in the labels' size, each at the
// translation of its group. The writer splits a text where its glyphs come
// from another font ("10", "⁻⁵") into pieces of one group: joined again.
std::vector<Label> svgLabels(const std::string& svg)
{
    std::vector<Label> out;
    static const QRegularExpression group(
        QStringLiteral("transform=\"matrix\\(1,0,0,1,([-0-9.e]+),([-0-9.e]+)\\)\"[^>]*>(.*?)</g>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression piece(QStringLiteral("<text[^>]*font-size=\"21\"[^>]*>([^<]*)</text>"));
    auto it = group.globalMatch(QString::fromStdString(svg));
    while (it.hasNext()) {
        const auto g = it.next();
        std::string text;
        auto pieces = piece.globalMatch(g.captured(3));
        while (pieces.hasNext())
            text += pieces.next().captured(1).toStdString();
        if (!text.empty())
            out.push_back({g.captured(1).toDouble(), g.captured(2).toDouble(), text});
    }
    return out;
}

// The labels that share the most common coordinate: under the frame (y) or
// beside it (x).
std::vector<std::string> axis(const std::vector<Label>& labels, bool alongX)
{
    std::map<long, std::vector<std::string>> rows;
    for (const Label& l : labels)
        rows[std::lround(alongX ? l.y : l.x)].push_back(l.text);
    std::vector<std::string> best;
    for (auto& [pos, texts] : rows)
        if (texts.size() > best.size())
            best = texts;
    return best;
}

void expectReadableAxes(const std::string& name, const std::string& svg)
{
    const std::vector<Label> labels = svgLabels(svg);
    for (bool alongX : {true, false}) {
        const std::vector<std::string> texts = axis(labels, alongX);
        const std::set<std::string> distinct(texts.begin(), texts.end());
        EXPECT_GE(texts.size(), 4u) << name << (alongX ? " abscissa" : " values");
        EXPECT_EQ(distinct.size(), texts.size()) << name << (alongX ? " abscissa" : " values") << ": a label repeats";
        EXPECT_EQ(distinct.count("0.0"), 0u) << name;
    }
}

}  // namespace

TEST(FigureDatasets, EverySoundingHasFourDistinctLabelsOnEachAxisInEveryView)
{
    const std::string dir = testsupport::tempDir();
    const std::vector<std::pair<std::string, QStringList>> runs = {
        {"tem-seconds.dat", {}},   {"volts-small.dat", {}}, {"volts-small.dat", {"--model", "2"}},
        {"mt-frequency.dat", {}},  {"sign-reversal.dat", {}}, {"sign-reversal.dat", {"--view", "linear"}},
        {"commented.dat", {"--view", "loglog"}}};
    int k = 0;
    for (const auto& [file, extra] : runs) {
        const std::string out = dir + "/s" + std::to_string(k++) + ".svg";
        std::string err;
        ASSERT_EQ(render(QStringList{QString::fromStdString(kData + file), "-o", QString::fromStdString(out)} + extra,
                         &err),
                  0)
            << file << ": " << err;
        expectReadableAxes(file + " " + extra.join(' ').toStdString(), slurp(out));
    }
}

TEST(FigureDatasets, FiguresStayWithinAPageAt150DpiWhateverTheValues)
{
    const std::string dir = testsupport::tempDir();
    const std::vector<QStringList> runs = {{QString::fromStdString(kData + "tem-seconds.dat")},
                                           {QString::fromStdString(kData + "volts-small.dat"), "--model", "2"},
                                           {QString::fromStdString(kData + "mt-frequency.dat")},
                                           {"model", QString::fromStdString(kData + "wide-model.txt")},
                                           {"model", QString::fromStdString(kData + "deep-model.txt")}};
    int k = 0;
    for (const QStringList& args : runs) {
        const QString out = QString::fromStdString(dir + "/f" + std::to_string(k++) + ".png");
        std::string err;
        ASSERT_EQ(render(args + QStringList{"-o", out}, &err), 0) << err;
        const QImage img(out);
        EXPECT_GE(img.width(), 900) << args.join(' ').toStdString();
        EXPECT_LE(img.width(), 2000) << args.join(' ').toStdString();
        EXPECT_LE(img.height(), 1400) << args.join(' ').toStdString();
    }
}

TEST(FigureDatasets, TitlesNameTheQuantityAndUnitShown)
{
    const std::string dir = testsupport::tempDir();
    const auto svgOf = [&](const std::string& file, QStringList extra = {}) {
        const std::string out = dir + "/" + file + ".svg";
        EXPECT_EQ(render(QStringList{QString::fromStdString(kData + file), "-o", QString::fromStdString(out)} + extra), 0);
        return slurp(out);
    };
    const auto has = [](const std::string& svg, const std::string& text) {
        for (const Label& l : svgLabels(svg))
            if (l.text == text)
                return true;
        return false;
    };
    // Seconds from 1e-5 to 1e-2 read best in microseconds.
    EXPECT_TRUE(has(svgOf("tem-seconds.dat"), "时间 t (μs)"));
    EXPECT_TRUE(has(svgOf("mt-frequency.dat"), "频率 f (Hz)"));
    // The wide model's resistivities span three decades: drawn on decades.
    EXPECT_EQ(render({"model", QString::fromStdString(kData + "wide-model.txt"), "-o",
                      QString::fromStdString(dir + "/wide.svg")}),
              0);
    const std::string wide = slurp(dir + "/wide.svg");
    EXPECT_NE(wide.find("对数坐标"), std::string::npos);
    expectReadableAxes("wide-model", wide);
}
