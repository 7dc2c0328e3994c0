// Edit > Invert in the studio, offscreen: a sounding computed in the test
// from a known H-type model is inverted back to it from another start model,
// one undo takes the whole result back, a cancelled run leaves the model
// alone, masked samples take no part, and the layer table's held values and
// uncertainties.
#include "TestSupport.h"

#include "InversionRun.h"
#include "LayerTable.h"
#include "ModelView.h"
#include "StudioWindow.h"

#include "em1d/TemForward.h"

#include <QStatusBar>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Truth: 100 ohm-m over a 10 ohm-m conductor 40 m thick at 50 m depth, on a
// 100 ohm-m half-space; the conductor's conductance is 4 S.
constexpr double kConductance = 40.0 / 10.0;
const char* kStart = "30 50\n60 30\n50\n";

struct Inverting {
    StudioWindow w;
    std::string dir = testsupport::tempDir();
    // badSample >= 0: that sample's V is a hundred times too large and masked.
    explicit Inverting(int badSample = -1)
    {
        w.onError = [](const CString&) {};
        std::vector<double> t;
        for (int i = 0; i < 31; ++i)
            t.push_back(0.01 * std::pow(10.0, i / 10.0));
        const auto v = em1d::TemForward(em1d::TemSystem())
                           .compute(em1d::LayeredEarth({50, 40}, {100, 10, 100}), t)
                           .voltage;
        std::ofstream f(dir + "/s.dat");
        char line[160];
        for (std::size_t i = 0; i < t.size(); ++i) {
            // ±1 % alternating, so the fit is not exact.
            const double d = v[i] * (i % 2 ? 1.01 : 0.99) * (static_cast<int>(i) == badSample ? 100 : 1);
            std::snprintf(line, sizeof line, "%.6g 100 %.7g 1 1\n", t[i], d);
            f << line;
        }
        if (badSample >= 0)
            f << "# mask: " << badSample + 1 << "\n";
        f.close();
        std::ofstream(dir + "/m.txt") << kStart;
        EXPECT_TRUE(w.OpenSounding((dir + "/s.dat").c_str()));
        EXPECT_TRUE(w.OpenModel((dir + "/m.txt").c_str()));
        w.show();
    }
    // The model in ohm-metres and metres.
    const LayeredModel& model() { return w.Model()->Model(); }
    std::vector<float> values()
    {
        std::vector<float> out;
        for (int i = 0; i < model().Layers(); ++i)
            out.push_back(model().res[i]);
        for (int i = 0; i + 1 < model().Layers(); ++i)
            out.push_back(model().thick[i]);
        return out;
    }
    double conductance() { return model().thick[1] / model().res[1]; }
    void invert()
    {
        ASSERT_TRUE(w.Invert());
        w.Inversion()->Wait();
    }
};

const std::vector<float> kStartValues{50, 30, 50, 30, 60};

}  // namespace

TEST(StudioInversion, RecoversTheConductorAsOneUndoableStep)
{
    Inverting s;
    ASSERT_EQ(s.values(), kStartValues);
    int steps = 0;
    auto shown = s.w.Inversion()->onStep;
    s.w.Inversion()->onStep = [&](const InversionRun::Step& st) {
        ++steps;
        shown(st);
    };
    s.invert();
    EXPECT_GT(steps, 0) << "the chart follows the iterations";
    EXPECT_NEAR(s.conductance(), kConductance, 0.1 * kConductance);
    EXPECT_NEAR(s.model().thick[0], 50, 10) << "the conductor's depth";
    // The start model was drawn up to about 50 ohm-m; the result's 100 ohm-m
    // is shown on scales that hold it.
    EXPECT_FALSE(s.w.Model()->OutlineLeavesFrame());
    const std::vector<float> inverted = s.values();
    EXPECT_TRUE(s.w.ModelModified());

    ASSERT_TRUE(s.w.Undo());
    EXPECT_EQ(s.values(), kStartValues) << "one undo restores the whole start model";
    EXPECT_FALSE(s.w.ModelModified());
    EXPECT_FALSE(s.w.History().CanUndo());
    ASSERT_TRUE(s.w.Redo());
    EXPECT_EQ(s.values(), inverted);
    EXPECT_FALSE(s.w.History().CanRedo());
}

TEST(StudioInversion, CancelLeavesTheModelAsItWas)
{
    Inverting s;
    // Cancelled once the chart has followed a step away from the start.
    auto shown = s.w.Inversion()->onStep;
    s.w.Inversion()->onStep = [&](const InversionRun::Step& st) {
        shown(st);
        EXPECT_NE(s.values(), kStartValues);
        s.w.CancelInversion();
    };
    ASSERT_TRUE(s.w.Invert());
    EXPECT_FALSE(s.w.Invert()) << "one inversion at a time";
    s.w.Inversion()->Wait();
    EXPECT_EQ(s.values(), kStartValues);
    EXPECT_FALSE(s.w.History().CanUndo());
    EXPECT_FALSE(s.w.ModelModified());
}

TEST(StudioInversion, AModelOpenedMeanwhileIsLeftAlone)
{
    Inverting s;
    std::ofstream(s.dir + "/other.txt") << "7 70\n8 80\n90\n";
    auto shown = s.w.Inversion()->onStep;
    bool opened = false;
    s.w.Inversion()->onStep = [&](const InversionRun::Step& st) {
        shown(st);
        EXPECT_FALSE(s.w.Layers()->isEnabled()) << "the model is the inversion's while it runs";
        if (!opened)
            opened = s.w.OpenModel((s.dir + "/other.txt").c_str());
    };
    s.invert();
    ASSERT_TRUE(opened);
    EXPECT_EQ(s.values(), (std::vector<float>{70, 80, 90, 7, 8}));
    EXPECT_FALSE(s.w.History().CanUndo());
    EXPECT_TRUE(s.w.Layers()->isEnabled());
}

TEST(StudioInversion, MaskedSampleTakesNoPart)
{
    Inverting s(12);
    s.invert();
    EXPECT_NEAR(s.conductance(), kConductance, 0.1 * kConductance);
    EXPECT_NE(s.w.statusBar()->currentMessage().indexOf(QStringLiteral("misfit")), -1);
}

TEST(StudioInversion, LayerTableHoldsValuesAndShowsUncertainty)
{
    Inverting s;
    LayerTable* t = s.w.Layers();
    ASSERT_EQ(t->columnCount(), 4);
    EXPECT_TRUE(t->item(0, LayerTable::kThicknessSigma)->text().isEmpty()) << "no uncertainty before an inversion";
    // The user ticks the first thickness and the half-space's resistivity.
    t->item(0, LayerTable::kThickness)->setCheckState(Qt::Checked);
    t->item(2, LayerTable::kResistivity)->setCheckState(Qt::Checked);
    EXPECT_EQ(t->FixedThickness(), (std::vector<char>{1, 0}));
    EXPECT_EQ(t->FixedResistivity(), (std::vector<char>{0, 0, 1}));
    s.invert();
    EXPECT_EQ(s.model().thick[0], 30.0f) << "held thickness";
    EXPECT_EQ(s.model().res[2], 50.0f) << "held half-space";
    EXPECT_NE(s.model().res[1], 30.0f) << "free values move";
    EXPECT_EQ(t->item(0, LayerTable::kThicknessSigma)->text(), LayerTable::FactorText(0));
    const QString free = t->item(1, LayerTable::kResistivitySigma)->text();
    ASSERT_TRUE(free.startsWith(QStringLiteral("×/÷"))) << free.toStdString();
    EXPECT_GT(free.mid(3).toDouble(), 1.0);
    EXPECT_TRUE(t->item(2, LayerTable::kThicknessSigma)->text().isEmpty()) << "the half-space has no thickness";
    // Undo: the start model's values have no uncertainty; redo shows it again.
    ASSERT_TRUE(s.w.Undo());
    EXPECT_TRUE(t->item(1, LayerTable::kResistivitySigma)->text().isEmpty());
    ASSERT_TRUE(s.w.Redo());
    EXPECT_EQ(t->item(1, LayerTable::kResistivitySigma)->text(), free);
    // The ticks stay for the next inversion.
    EXPECT_EQ(t->item(0, LayerTable::kThickness)->checkState(), Qt::Checked);

    EXPECT_EQ(LayerTable::FactorText(std::log(1.12)), QStringLiteral("×/÷1.12"));
    EXPECT_EQ(LayerTable::FactorText(std::log(99.9)), QStringLiteral("×/÷99.9"));
    EXPECT_EQ(LayerTable::FactorText(std::log(100.0)), LayerTable::FactorText(HUGE_VAL)) << "unresolved";
}
