// Live modelling while a survey is browsed, as a user drives it: each station's
// modelled curves are the model's response under the table's system and
// abscissa unit, saving keeps the file's own modelled columns, masks stay with
// their station, and no station is left while an inversion fits the one shown.
#include "StudioDriver.h"
#include "TestSupport.h"
#include "support/StudioFixture.h"

#include "InversionRun.h"
#include "LiveForward.h"
#include "ModelView.h"
#include "SoundingView.h"
#include "StudioWindow.h"
#include "SurveyBrowser.h"

#include "em1d/TemForward.h"
#include "sounding/SurveyFile.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace {

using studiodriver::lines;
using studiodriver::slurp;

// Times in seconds, a 40 m loop and a 2 m² receiver: a station modelled in ms
// or with the default system shows it. The modelled columns are nobody's
// response to the half-space the tests model.
const char* const kSurvey = "# tem: loop_radius=40 rx_area=2 ramp_us=0\n"
                            "station, x_m, time_s, R, V, Rf, Vf\n"
                            "B1, 0, 1e-5, 100, 300.0, 90, 250.5\n"
                            "B1, 0, 1e-4, 100, 1.00, 90, 0.800\n"
                            "B1, 0, 1e-3, 100, 0.0040, 90, 0.0030\n"
                            "B1, 0, 1e-2, 100, 1.2e-4, 90, 1.0e-4\n"
                            "B2, 20, 1e-5, 120, 280.0, 90, 250.5\n"
                            "B2, 20, 1e-3, 120, 0.0050, 90, 0.0030\n"
                            "B2, 20, 1e-2, 120, 1.5e-4, 90, 1.0e-4\n";

struct Survey : testsupport::StudioFixture {
    std::string path = dir + "/line.csv";
    Survey() : StudioFixture(Open::Nothing)
    {
        activate();
        std::ofstream(model) << "100\n";
        std::ofstream(path) << kSurvey;
        EXPECT_TRUE(w.OpenModel(model.c_str()));
        EXPECT_TRUE(w.OpenSurvey(path.c_str()));
        w.Live()->Drain();
    }
    SoundingView* sv() { return w.Sounding(); }
    void expectLiveV(const std::vector<double>& timesMs)
    {
        em1d::TemSystem system;
        system.loopRadius = 40;
        system.rxArea = 2;
        const auto v = em1d::TemForward(system).compute(em1d::LayeredEarth({}, {100}), timesMs).voltage;
        ASSERT_EQ(sv()->Values().Rows(), static_cast<int>(v.size()));
        for (std::size_t i = 0; i < v.size(); ++i)
            EXPECT_NEAR(sv()->Values().vFwd[static_cast<int>(i)], v[i], 1e-5 * v[i]) << "sample " << i + 1;
        EXPECT_TRUE(w.MisfitLabel()->text().startsWith("Misfit V ")) << w.MisfitLabel()->text().toStdString();
        EXPECT_FALSE(std::isnan(w.Model()->InvestigationDepth()));
    }
    void shiftClickV(int sample)
    {
        const QPoint at = sv()->ToWidget(sv()->Chart().m_VPoints[sample]);
        QTest::mouseClick(sv(), Qt::LeftButton, Qt::ShiftModifier, at);
        w.Live()->Drain();
    }
};

}  // namespace

TEST(StudioSurveyLive, StationsAreModelledLiveAndSavedWithTheirOwnModelledColumns)
{
    Survey s;
    s.expectLiveV({0.01, 0.1, 1, 10});
    s.w.ShowFileModelled(true);
    EXPECT_EQ(s.sv()->Values().vFwd[1], 0.8f);
    s.w.ShowFileModelled(false);
    s.w.Live()->Drain();
    s.expectLiveV({0.01, 0.1, 1, 10});

    // Drag a measured point on B1; B2 is modelled at its own times.
    const QPoint from = s.sv()->ToWidget(s.sv()->Chart().m_VPoints[1]);
    studiodriver::drag(s.sv(), from, from + QPoint(0, -40));
    const float dragged = s.sv()->Values().v[1];
    ASSERT_NE(dragged, 1.0f);
    // B1's response, still on its way while B2's is slow, never shows on B2.
    const std::uint64_t b2 = s.w.Live()->LastSubmitted() + 1;
    s.w.Live()->beforeCompute = [b2](std::uint64_t serial) {
        if (serial == b2)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
    };
    std::set<std::string> misfitsOnB2;
    const auto show = s.w.Live()->onResult;
    s.w.Live()->onResult = [&](const LiveForward::Result& r) {
        show(r);
        if (s.w.Survey()->Current() == 1 && !s.w.MisfitLabel()->text().isEmpty())
            misfitsOnB2.insert(s.w.MisfitLabel()->text().toStdString());
    };
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    s.w.Live()->Drain();
    s.expectLiveV({0.01, 1, 10});
    EXPECT_EQ(misfitsOnB2.size(), 1u);
    // A mask on B2 stays with it in memory; a table has no place to save it.
    s.shiftClickV(1);
    const std::string masked = s.w.MisfitLabel()->text().toStdString();
    ASSERT_EQ(s.sv()->Masked()[1], 1);
    QTest::keyClick(&s.w, Qt::Key_PageUp);
    s.w.Live()->Drain();
    EXPECT_EQ(s.sv()->Values().v[1], dragged);
    EXPECT_EQ(s.sv()->Masked(), std::vector<char>(4, 0));
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    s.w.Live()->Drain();
    EXPECT_EQ(s.sv()->Masked()[1], 1);
    EXPECT_EQ(s.w.MisfitLabel()->text().toStdString(), masked);

    ASSERT_TRUE(s.w.SaveSounding());
    const std::vector<std::string> before = lines(kSurvey), after = lines(slurp(s.path));
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(i == 3 || after[i] == before[i]) << "line " << i + 1 << ": " << after[i];  // 4: the dragged V
    EXPECT_EQ(after[3].substr(after[3].find(", 90, ")), ", 90, 0.800");
    SurveyTable back;
    CString err;
    ASSERT_TRUE(SurveyFile::Read(s.path.c_str(), back, err)) << err.GetString();
    EXPECT_NEAR(back.stations[0].table.v[1], dragged, 0.006);

    // The survey opened again starts afresh: no mask of the one shown before.
    ASSERT_TRUE(s.w.OpenSurvey(s.path.c_str()));
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    EXPECT_EQ(s.sv()->Masked(), std::vector<char>(3, 0));
}

TEST(StudioSurveyLive, NoOtherStationIsShownWhileAnInversionFitsThisOne)
{
    Survey s;
    ASSERT_TRUE(s.w.Invert());
    ASSERT_TRUE(s.w.Inversion()->Running());
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    s.w.Survey()->setCurrentRow(1);
    EXPECT_EQ(s.w.Survey()->Current(), 0);
    EXPECT_EQ(s.w.Survey()->currentRow(), 0);
    EXPECT_EQ(s.sv()->Values().Rows(), 4);
    EXPECT_TRUE(s.w.statusBar()->currentMessage().contains("cancel it")) << s.w.statusBar()->currentMessage().toStdString();
    s.w.Inversion()->Wait();
    EXPECT_TRUE(s.w.ModelModified()) << "the inversion's result is an edit of the model";
    EXPECT_NE(s.w.Model()->Model().res[0], 100.0f);
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    EXPECT_EQ(s.w.Survey()->Current(), 1);
    ASSERT_TRUE(s.w.Undo());
    EXPECT_EQ(s.w.Model()->Model().res[0], 100.0f);
}

TEST(StudioSurveyLive, AFolderStationKeepsItsMaskAndModelledColumnsInItsFile)
{
    testsupport::StudioFixture s;  // the fixture's model, modelled live
    const std::string folder = s.dir + "/line";
    std::filesystem::create_directory(folder);
    const std::string rows = "1.0 50.0 40 55 45\n10.0 250 200.0 240 210\n100.0 400 300.0 380 320\n";
    for (const char* name : {"st1.dat", "st2.dat"})
        std::ofstream(folder + "/" + name) << rows;
    ASSERT_TRUE(s.w.OpenSurvey(folder.c_str()));
    s.w.Live()->Drain();
    ASSERT_NE(s.w.Sounding()->Values().vFwd[1], 210.0f);
    const QPoint at = s.w.Sounding()->ToWidget(s.w.Sounding()->Chart().m_VPoints[2]);
    QTest::mouseClick(s.w.Sounding(), Qt::LeftButton, Qt::ShiftModifier, at);
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    ASSERT_TRUE(s.w.SaveSounding());
    EXPECT_EQ(slurp(folder + "/st1.dat"), rows + "# mask: 3\n");
    EXPECT_EQ(slurp(folder + "/st2.dat"), rows);
}
