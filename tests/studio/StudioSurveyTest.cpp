// Browsing a survey in the studio as a user does: stations one after another
// with Page Down and Page Up, edits kept per station and marked in the list,
// and saving that rewrites only what was edited.
#include "StudioDriver.h"
#include "TestSupport.h"
#include "support/StudioFixture.h"

#include "LiveForward.h"
#include "ModelView.h"
#include "SoundingView.h"
#include "StudioWindow.h"
#include "SurveyBrowser.h"

#include "platform/wnd/CFileDialog.h"
#include "sounding/SoundingFile.h"
#include "sounding/SurveyFile.h"

#include <QDockWidget>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using studiodriver::lines;
using studiodriver::slurp;

// Drags the third measured point of the station shown 40 pixels up.
float editShownStation(StudioWindow& w)
{
    SoundingView* view = w.Sounding();
    const QPoint from = view->ToWidget(view->Chart().m_VPoints[2]);
    studiodriver::drag(view, from, from + QPoint(0, -40));
    return view->Values().v[2];
}

struct Studio : testsupport::StudioFixture {
    Studio() : StudioFixture(Open::Nothing) { activate(); }
    QStringList stationLabels()
    {
        QStringList out;
        for (int i = 0; i < w.Survey()->count(); ++i)
            out << w.Survey()->item(i)->text();
        return out;
    }
};

// Three stations; numbers written as no writer would write them, so that a
// station rewritten by mistake shows in its bytes.
const char* const kTable = "# line 7, sounding survey\n"
                           "station, x, R, V, Rf, Vf\n"
                           "A1, 1.0, 50.00, 40, 55, 45\nA1, 10.0, 250, 200.0, 240, 210\n"
                           "A1, 100.0, 400, 300.0, 380, 320\nA1, 1000.0, 500, 350, 480, 360\n"
                           "A2, 1.0, 60.00, 30, 55, 45\nA2, 10.0, 260, 210.0, 240, 210\n"
                           "A2, 100.0, 410, 310.0, 380, 320\n"
                           "# A3 re-measured\n"
                           "A3, 1.0, 70.00, 20, 55, 45\nA3, 10.0, 270, 220.0, 240, 210\n"
                           "A3, 100.0, 420, 320.0, 380, 320\nA3, 1000.0, 520, 330, 480, 360\n";

}  // namespace

TEST(StudioSurvey, PagingKeepsEachStationsEditsAndSavingRewritesOnlyThose)
{
    Studio s;
    const std::string path = s.dir + "/line7.csv";
    std::ofstream(path) << kTable;
    ASSERT_TRUE(s.w.OpenSurvey(path.c_str()));
    EXPECT_TRUE(s.w.findChild<QDockWidget*>("stations")->isVisible());
    EXPECT_EQ(s.stationLabels(), (QStringList{"A1", "A2", "A3"}));
    EXPECT_EQ(s.w.Sounding()->Values().r[0], 50.0f);

    const float edited = editShownStation(s.w);
    EXPECT_TRUE(s.w.SoundingModified());
    EXPECT_EQ(s.stationLabels(), (QStringList{"A1 *", "A2", "A3"}));

    QTest::keyClick(&s.w, Qt::Key_PageDown);
    EXPECT_EQ(s.w.Survey()->Current(), 1);
    EXPECT_EQ(s.w.Sounding()->Values().r[0], 60.0f);
    EXPECT_EQ(s.w.Sounding()->Chart().m_nCount, 3);
    EXPECT_TRUE(s.w.windowTitle().contains("line7.csv* [A2 2/3]")) << s.w.windowTitle().toStdString();
    // A1's edit is not A2's to take back: undo stays with the station.
    const float a2v = s.w.Sounding()->Values().v[2];
    EXPECT_FALSE(s.w.Undo());
    EXPECT_EQ(s.w.Sounding()->Values().v[2], a2v);
    EXPECT_TRUE(s.w.SoundingModified());
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    QTest::keyClick(&s.w, Qt::Key_PageDown);  // past the last: stays
    EXPECT_EQ(s.w.Survey()->Current(), 2);
    QTest::keyClick(&s.w, Qt::Key_PageUp);
    QTest::keyClick(&s.w, Qt::Key_PageUp);
    ASSERT_EQ(s.w.Survey()->Current(), 0);
    EXPECT_EQ(s.w.Sounding()->Values().v[2], edited);  // the edit came back with its station

    // A click in the list shows that station too.
    s.w.Survey()->setCurrentRow(2);
    EXPECT_EQ(s.w.Sounding()->Values().r[0], 70.0f);

    ASSERT_TRUE(s.w.SaveSounding());
    EXPECT_FALSE(s.w.SoundingModified());
    EXPECT_EQ(s.stationLabels(), (QStringList{"A1", "A2", "A3"}));
    const std::vector<std::string> before = lines(kTable), after = lines(slurp(path));
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        if (i >= 2 && i < 6)  // A1's rows
            EXPECT_EQ(after[i].rfind("A1, ", 0), 0u) << after[i];
        else
            EXPECT_EQ(after[i], before[i]) << "line " << i + 1;
    }
    SurveyTable back;
    CString err;
    ASSERT_TRUE(SurveyFile::Read(path.c_str(), back, err)) << err.GetString();
    EXPECT_NEAR(back.stations[0].table.v[2], edited, 0.5f) << "saved with the precision of its column";
    EXPECT_EQ(back.stations[0].table.v[1], 200.0f);

    // A second edit after the save, on another station: A1's new rows are
    // now what is kept.
    QTest::keyClick(&s.w, Qt::Key_PageUp);
    const float second = editShownStation(s.w);
    ASSERT_TRUE(s.w.SaveSounding());
    ASSERT_TRUE(SurveyFile::Read(path.c_str(), back, err)) << err.GetString();
    EXPECT_NEAR(back.stations[0].table.v[2], edited, 0.5f);
    EXPECT_NEAR(back.stations[1].table.v[2], second, 0.5f);
    EXPECT_EQ(lines(slurp(path))[9], "# A3 re-measured");
    EXPECT_TRUE(s.errors.empty());

    // A sounding file opened after it ends the browsing.
    const std::string single = s.dir + "/one.dat";
    std::ofstream(single) << "1 50 40 55 45\n10 250 200 240 210\n100 400 300 380 320\n";
    ASSERT_TRUE(s.w.OpenSounding(single.c_str()));
    EXPECT_FALSE(s.w.Survey()->IsOpen());
    EXPECT_FALSE(s.w.findChild<QDockWidget*>("stations")->isVisible());
    editShownStation(s.w);
    ASSERT_TRUE(s.w.SaveSounding());
    SoundingTable t;
    ASSERT_TRUE(SoundingFile::Read(single.c_str(), 0, t, err)) << err.GetString();
    EXPECT_EQ(lines(slurp(path))[9], "# A3 re-measured");

    // The survey comes back from the recent files as a survey.
    ASSERT_EQ(s.w.Recent().Entries()[1].kind, RecentFiles::Kind::Survey);
    ASSERT_TRUE(s.w.OpenRecent(1));
    EXPECT_EQ(s.w.Survey()->Count(), 3);
}

TEST(StudioSurvey, AFolderIsASurveyWhoseEditedFilesAloneAreWritten)
{
    Studio s;
    const std::string folder = s.dir + "/line9";
    std::filesystem::create_directory(folder);
    const std::string rows = "1.0 50.0 40 55 45\n10.0 250 200.0 240 210\n100.0 400 300.0 380 320\n";
    for (const char* name : {"st10.dat", "st2.dat", "st1.dat"})
        std::ofstream(folder + "/" + name) << rows;
    std::ofstream(folder + "/bad.dat") << "1 2\n";
    std::ofstream(folder + "/notes.md") << "not a sounding\n";
    ASSERT_TRUE(s.w.OpenSurvey(folder.c_str()));
    EXPECT_EQ(s.stationLabels(), (QStringList{"st1.dat", "st2.dat", "st10.dat"}));
    ASSERT_EQ(s.errors.size(), 1u);  // the unreadable file is named
    EXPECT_NE(s.errors[0].find("bad.dat"), std::string::npos) << s.errors[0];

    QTest::keyClick(&s.w, Qt::Key_PageDown);
    const float edited = editShownStation(s.w);
    EXPECT_EQ(s.stationLabels(), (QStringList{"st1.dat", "st2.dat *", "st10.dat"}));
    QTest::keyClick(&s.w, Qt::Key_PageDown);
    ASSERT_TRUE(s.w.SaveSounding());
    EXPECT_EQ(slurp(folder + "/st1.dat"), rows);
    EXPECT_EQ(slurp(folder + "/st10.dat"), rows);
    SoundingTable t;
    CString err;
    ASSERT_TRUE(SoundingFile::Read((folder + "/st2.dat").c_str(), 0, t, err)) << err.GetString();
    EXPECT_NEAR(t.v[2], edited, 0.5f);
    EXPECT_EQ(s.stationLabels(), (QStringList{"st1.dat", "st2.dat", "st10.dat"}));

    // Save As has no meaning for a folder; the user is told and nothing is written.
    QTest::keyClick(&s.w, Qt::Key_PageUp);
    editShownStation(s.w);
    AfxSetFileDialogHook([&](const FileDialogRequest&, CString& p) {
        p = (s.dir + "/elsewhere.txt").c_str();
        return true;
    });
    EXPECT_FALSE(s.w.SaveSoundingAs());
    AfxSetFileDialogHook(nullptr);
    EXPECT_NE(s.errors.back().find("saved in place"), std::string::npos) << s.errors.back();
    EXPECT_TRUE(s.w.SoundingModified());
    EXPECT_FALSE(std::filesystem::exists(s.dir + "/elsewhere.txt"));
}
