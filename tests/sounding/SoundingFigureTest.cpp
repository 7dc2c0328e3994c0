// The sounding chart as the apps draw it: no two axis labels print over each
// other, the legend and the axis titles stand clear of the chart's labels.
#include "SoundingCharts.h"
#include "TestSupport.h"

#include "sounding/SoundingFigure.h"
#include "sounding/SoundingFile.h"
#include "sounding/SoundingRender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace {

using testsupport::TextBox;

SoundingTable Bundled()
{
    SoundingTable t;
    CString err;
    EXPECT_TRUE(SoundingFile::Read(TARNEX_SOURCE_DIR "/data/sounding.dat", 0, t, err)) << err.GetString();
    return t;
}

// Sample sets: the bundled sounding, values reaching a million (value
// labels every 80 steps, far closer than a label is high), abscissas over
// nine decades (labels wider than a decade), values just above 1.
std::vector<SoundingTable> Samples()
{
    std::vector<SoundingTable> sets{Bundled()};
    const auto add = [&](Floats x, Floats r, Floats v) { sets.push_back(Table(x, r, v)); };
    add({1, 10, 100, 1000}, {100, 2500, 300000, 1000000}, {10, 50, 80, 120});
    add({0.001f, 0.1f, 10, 1000, 100000}, {5, 50, 500, 50, 5}, {3, 30, 300, 30, 3});
    add({0.5f, 5, 50}, {1.5f, 2, 3}, {1.2f, 1.8f, 2.5f});
    return sets;
}

}  // namespace

TEST(SoundingLabels, KeptApartNoTwoLabelsPrintOverEachOtherInEitherModel)
{
    int clashesOfTheClassicLayout = 0;
    for (const SoundingTable& t : Samples()) {
        for (int model : {1, 2}) {
            for (BOOL apart : {FALSE, TRUE}) {
                CDrawRPCurve c;
                c.m_bKeepLabelsApart = apart;
                ASSERT_EQ(SoundingRender::Load(c, t, model), model);
                CRecordingDC dc(150);
                c.DrawRegionRect(&dc);
                const std::vector<std::string> clashes = testsupport::overprints(testsupport::textBoxes(dc));
                if (!apart) {
                    clashesOfTheClassicLayout += !clashes.empty();
                    continue;
                }
                EXPECT_TRUE(clashes.empty()) << "model " << model << ", " << t.Rows() << " rows: " << clashes[0];
                // The last abscissa label is kept; the corner's value label
                // moved rather than vanished.
                CString last;
                last.Format("%-6.1f", std::pow(10.0, c.m_fXRightDecade));
                EXPECT_NE(testsupport::findText(dc, last.GetString()), nullptr) << last.GetString();
                if (model == 1) {
                    EXPECT_NE(testsupport::findText(dc, "   0.0"), nullptr);
                }
            }
        }
    }
    // The classic layout overprints its corner: the check above can fail.
    EXPECT_GE(clashesOfTheClassicLayout, 4);
}

TEST(SoundingFigure, LegendAndAxisTitlesStandClearOfTheChart)
{
    const SoundingTable t = Bundled();
    for (int model : {1, 2}) {
        CDrawRPCurve c;
        SoundingRender::Load(c, t, model);
        CRecordingDC dc(150);
        DrawSoundingFigure(c, &dc, SoundingFigure());
        EXPECT_EQ(c.m_bKeepLabelsApart, TRUE);
        const std::vector<TextBox> labels = testsupport::textBoxes(dc);
        const std::vector<std::string> clashes = testsupport::overprints(labels);
        EXPECT_TRUE(clashes.empty()) << clashes[0];
        // Legend: each name in its curve's colour set beside a marker.
        const std::pair<const char*, COLORREF> entries[] = {{"实测 R", RGB(255, 0, 0)},
                                                            {"实测 V", RGB(0, 0, 0)},
                                                            {"正演 R", RGB(10, 150, 0)},
                                                            {"正演 V", RGB(0, 0, 255)}};
        LONG lastX = INT_MIN;
        for (const auto& [name, colour] : entries) {
            const GdiOp* text = testsupport::findText(dc, name);
            ASSERT_NE(text, nullptr) << name;
            EXPECT_EQ(text->style.pen.color, colour) << name;
            EXPECT_LT(text->logical[0].y, c.m_rcRegion.bottom - 800) << "below the abscissa's labels";
            EXPECT_GT(text->logical[0].x, lastX);
            lastX = text->logical[0].x;
        }
        const GdiOp* below = testsupport::findText(dc, SoundingFigure::kTimeTitle);
        const GdiOp* beside = testsupport::findText(dc, SoundingFigure::kValueTitle);
        ASSERT_NE(below, nullptr);
        ASSERT_NE(beside, nullptr);
        EXPECT_EQ(below->angle, 0);
        EXPECT_EQ(beside->angle, 90);
        EXPECT_LT(testsupport::findText(dc, "实测 R")->logical[0].y, below->logical[0].y);
        // The value axis's title right of everything else.
        const auto title = std::find_if(labels.begin(), labels.end(),
                                        [](const TextBox& l) { return l.text == SoundingFigure::kValueTitle; });
        ASSERT_NE(title, labels.end());
        for (const TextBox& l : labels)
            if (&l != &*title) {
                EXPECT_LT(l.right, title->left + 1) << l.text;
            }
    }

}

TEST(SoundingFigure, AMagnetotelluricSoundingIsLegendedAsResistivityAndPhase)
{
    SoundingTable t;
    for (float f : {1000.0f, 10.0f, 0.1f}) {
        float rho = 100, phase = 45;
        t.x.Add(f);
        t.r.Add(rho);
        t.v.Add(phase);
    }
    t.columns = 3;
    t.header = "freq_Hz rho phase";
    const SoundingFigure figure = SoundingFigure::For(t, SoundingPlan::View::Auto);
    CDrawRPCurve c;
    figure.plan->Load(c, t);
    CRecordingDC dc(150);
    DrawSoundingFigure(c, &dc, figure);
    EXPECT_NE(testsupport::findText(dc, "实测 ρa"), nullptr);
    EXPECT_NE(testsupport::findText(dc, "实测 φ"), nullptr);
    EXPECT_EQ(testsupport::findText(dc, "实测 V"), nullptr);
    EXPECT_EQ(testsupport::findText(dc, "正演 φ"), nullptr) << "measured only";
}

TEST(SoundingFigure, TheAbscissaIsNamedAfterTheFilesFirstColumn)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "时间 t (ms)"},           {"time_ms R V Rf Vf", "时间 t (ms)"}, {"t(s)\tR", "时间 t (s)"},
        {"T[us] R", "时间 t (μs)"},     {"t/μs", "时间 t (μs)"},              {"freq_Hz,R", "频率 f (Hz)"},
        {"f(kHz) R", "频率 f (kHz)"}, {"gate R V", "gate"},
    };
    for (const auto& [header, title] : cases)
        EXPECT_EQ(SoundingFigure::AbscissaTitleFor(header).str(), title) << header;
}
