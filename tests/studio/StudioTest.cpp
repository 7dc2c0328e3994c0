// The studio driven as a user drives it: real widgets (offscreen), a press,
// a drag and a release on a measured point and on a layer side, then saving
// and reading the files back.
#include "StudioDriver.h"
#include "TestSupport.h"
#include "support/StudioFixture.h"

#include "ModelView.h"
#include "SoundingView.h"
#include "StudioWindow.h"

#include "model1d/LayeredModelFile.h"
#include "platform/core/CappedFile.h"
#include "platform/wnd/CFileDialog.h"
#include "platform/wnd/MouseCapture.h"
#include "sounding/SoundingFile.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <vector>

namespace {

using studiodriver::drag;
using studiodriver::mouse;

// Answers every file dialog with the next path, recording what was asked.
struct ScriptedDialogs {
    std::vector<CString> answers;
    std::vector<FileDialogRequest> asked;
    ScriptedDialogs()
    {
        AfxSetFileDialogHook([this](const FileDialogRequest& r, CString& path) {
            asked.push_back(r);
            if (answers.empty())
                return false;
            path = answers.front();
            answers.erase(answers.begin());
            return true;
        });
    }
    ~ScriptedDialogs() { AfxSetFileDialogHook(nullptr); }
};

using Studio = testsupport::StudioFixture;

}  // namespace

TEST(Studio, DraggingAMeasuredPointRewritesItsValueAndSavesIt)
{
    Studio s;
    SoundingView* view = s.w.Sounding();
    CDrawRPCurve& c = view->Chart();
    const float xBefore = c.m_fX[2];
    const QPoint from = view->ToWidget(c.m_VPoints[2]);
    const QPoint to = from + QPoint(0, -40);
    drag(view, from, to);
    EXPECT_EQ(c.m_nSelCurve, 0);  // the pick ends with the release
    EXPECT_EQ(GetCapture(), nullptr);
    const float expected = static_cast<float>(view->ToLogical(to).y / static_cast<double>(c.m_fYRate));
    EXPECT_NEAR(c.m_fV[2], expected, 1e-3);
    EXPECT_GT(view->Values().v[2], 300.0f);  // dragged upwards
    EXPECT_EQ(c.m_fX[2], xBefore);
    EXPECT_EQ(view->Values().r[2], 400.0f);
    EXPECT_TRUE(s.w.SoundingModified());

    // Save writes over the document's own file; reopening keeps the edit.
    ASSERT_TRUE(s.w.SaveSounding());
    EXPECT_FALSE(s.w.SoundingModified());
    SoundingTable back;
    CString err;
    ASSERT_TRUE(SoundingFile::Read((s.dir + "/s.dat").c_str(), 0, back, err));
    EXPECT_NEAR(back.v[2], view->Values().v[2], 0.5f) << "written with the whole numbers of its column";
    EXPECT_EQ(back.r[3], 500.0f);
    ASSERT_TRUE(s.w.OpenSounding((s.dir + "/s.dat").c_str()));
    EXPECT_EQ(view->Values().v[2], back.v[2]);

    // A drag that starts on no marker edits nothing.
    const SoundingTable before = view->Sounding();
    drag(view, QPoint(2, 2), QPoint(40, 40));
    EXPECT_EQ(view->Sounding().v[1], before.v[1]);
    EXPECT_TRUE(s.errors.empty());
}

TEST(Studio, DraggingALayerSideRewritesItsResistivityAndSavesIt)
{
    Studio s;
    ModelView* view = s.w.Model();
    CDrawRPToH& c = view->Chart();
    const float rate = c.m_fRRate;
    const CPoint mid(c.m_RPoints[1].x, (c.m_RPoints[1].y + c.m_RPoints[2].y) / 2);
    const QPoint from = view->ToWidget(mid);
    const QPoint to = from + QPoint(60, 25);
    drag(view, from, to);
    EXPECT_EQ(c.m_bInSide, FALSE);
    // 10 to 300 ohm-m is drawn on decades from 1 ohm-m, ten units each.
    const float expected = static_cast<float>(std::pow(10.0, view->ToLogical(to).x / (10.0 * rate)));
    const LayeredModel& m = view->Model();
    EXPECT_NEAR(m.res[1], expected, 1e-4 * expected);
    EXPECT_GT(m.res[1], 10.0f);
    EXPECT_EQ(m.res[0], 100.0f);
    // The mapping ran again: the outline stands at the new value.
    EXPECT_NEAR(c.m_RPoints[1].x, view->ToLogical(to).x, 1);
    EXPECT_TRUE(s.w.ModelModified());

    // Save As asks for a name, with the overwrite question on.
    ScriptedDialogs dialogs;
    dialogs.answers.push_back(CString((s.dir + "/edited").c_str()));
    ASSERT_TRUE(s.w.SaveModelAs());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_FALSE(dialogs.asked[0].open);
    EXPECT_TRUE(dialogs.asked[0].flags & OFN_OVERWRITEPROMPT);
    EXPECT_EQ(s.w.ModelPath().str(), s.dir + "/edited.txt");
    LayeredModel back;
    CString err;
    ASSERT_TRUE(LayeredModelFile::Read((s.dir + "/edited.txt").c_str(), back, err)) << err.GetString();
    EXPECT_NEAR(back.res[1], m.res[1], 0.5f);
    EXPECT_EQ(back.thick[1], 20.0f);
    EXPECT_EQ(back.res[2], 300.0f);

    // The half-space's side edits the last layer.
    const CPoint deep(c.m_RPoints[2].x, c.m_RPoints[2].y - 40);
    drag(view, view->ToWidget(deep), view->ToWidget(deep) + QPoint(-30, 0));
    EXPECT_LT(m.res[2], 300.0f);
    EXPECT_NEAR(m.res[1], back.res[1], 0.5f);
}

TEST(Studio, BadFilesAreReportedAndTheOpenDocumentsStay)
{
    Studio s;
    const std::string bad = testsupport::writeFile("bad.txt", "10 100\n20 10\n");
    EXPECT_FALSE(s.w.OpenModel(bad.c_str()));
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_NE(s.errors[0].find(":2: missing half-space"), std::string::npos) << s.errors[0];
    EXPECT_EQ(s.w.ModelPath().str(), s.dir + "/m.txt");
    EXPECT_EQ(s.w.Model()->Layers(), 3);

    const std::string badSounding = testsupport::writeFile("bad.dat", "1 2 3 4");
    EXPECT_FALSE(s.w.OpenSounding(badSounding.c_str()));
    EXPECT_NE(s.errors.back().find("bad.dat:1: holds 4 numbers"), std::string::npos);
    EXPECT_EQ(s.w.Sounding()->Chart().m_nCount, 4);

    // A model dragged to a negative resistivity is refused, the file kept.
    s.w.Model()->SetValue(EditField::LayerResistivity, 0, -5.0f);
    EXPECT_FALSE(s.w.SaveModel());
    EXPECT_NE(s.errors.back().find("layer 1: resistivity -5 must be greater than 0"), std::string::npos);
    LayeredModel kept;
    CString err;
    ASSERT_TRUE(LayeredModelFile::Read((s.dir + "/m.txt").c_str(), kept, err));
    EXPECT_EQ(kept.res[0], 100.0f);
}

TEST(Studio, ExportsEitherChartAndSwitchesTheDisplayModel)
{
    Studio s;
    ScriptedDialogs dialogs;
    dialogs.answers = {CString((s.dir + "/sounding.svg").c_str()), CString((s.dir + "/model").c_str())};
    EXPECT_TRUE(s.w.ExportSoundingChart());
    EXPECT_TRUE(s.w.ExportModelChart());
    EXPECT_TRUE(std::ifstream(s.dir + "/sounding.svg").good());
    EXPECT_TRUE(std::ifstream(s.dir + "/model.png").good());
    EXPECT_TRUE(s.errors.empty());

    EXPECT_TRUE(s.w.SetDisplayModel(2));
    EXPECT_EQ(s.w.Sounding()->Chart().m_nDisModel, 2);
    EXPECT_TRUE(s.w.SetDisplayModel(1));
    EXPECT_EQ(s.w.Sounding()->Chart().m_nDisModel, 1);
}

TEST(Studio, UnsavedEditsAreOfferedForSavingBeforeTheWindowCloses)
{
    Studio s;
    std::vector<std::string> asked;
    int answer = IDCANCEL;
    s.w.onQuestion = [&](const CString& q) {
        asked.push_back(q.str());
        return answer;
    };
    EXPECT_TRUE(s.w.close());  // nothing edited: no question
    EXPECT_TRUE(asked.empty());
    s.w.show();

    CDrawRPToH& c = s.w.Model()->Chart();
    const CPoint mid(c.m_RPoints[0].x, c.m_RPoints[1].y / 2);
    drag(s.w.Model(), s.w.Model()->ToWidget(mid), s.w.Model()->ToWidget(mid) + QPoint(20, 0));
    ASSERT_TRUE(s.w.ModelModified());
    EXPECT_FALSE(s.w.close());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find("The layered model m.txt has unsaved edits"), std::string::npos) << asked[0];

    answer = IDYES;  // saved over its own file, then closed
    EXPECT_TRUE(s.w.close());
    LayeredModel back;
    CString err;
    ASSERT_TRUE(LayeredModelFile::Read((s.dir + "/m.txt").c_str(), back, err));
    EXPECT_NEAR(back.res[0], s.w.Model()->Model().res[0], 0.5f);
    EXPECT_NE(back.res[0], 100.0f);
}

TEST(Studio, AReadOnlyFileIsKeptAndTheEditsMayBeSavedUnderAnotherName)
{
    Studio s;
    const std::string path = s.dir + "/s.dat";
    std::string original;
    CString err;
    ASSERT_TRUE(CappedFile::ReadAll(path.c_str(), 1 << 16, original, err));
    chmod(path.c_str(), 0444);
    SoundingView* view = s.w.Sounding();
    const QPoint from = view->ToWidget(view->Chart().m_VPoints[2]);
    drag(view, from, from + QPoint(0, -40));

    std::vector<std::string> asked;
    int answer = IDNO;
    s.w.onQuestion = [&](const CString& q) {
        asked.push_back(q.str());
        return answer;
    };
    EXPECT_FALSE(s.w.SaveSounding());
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "s.dat is read-only. Save the edits under another name?");
    EXPECT_TRUE(s.w.SoundingModified());

    ScriptedDialogs dialogs;
    dialogs.answers.push_back((s.dir + "/copy.dat").c_str());
    answer = IDYES;
    EXPECT_TRUE(s.w.SaveSounding());
    EXPECT_FALSE(s.w.SoundingModified());
    std::string now;
    ASSERT_TRUE(CappedFile::ReadAll(path.c_str(), 1 << 16, now, err));
    EXPECT_EQ(now, original);
    SoundingTable copy;
    ASSERT_TRUE(SoundingFile::Read((s.dir + "/copy.dat").c_str(), 0, copy, err)) << err.GetString();
    EXPECT_NEAR(copy.v[2], view->Values().v[2], 0.5f);
    EXPECT_TRUE(s.errors.empty());
}

TEST(Studio, ValuesTooSmallForTheLinearViewOpenInTheLogLogViewWithANote)
{
    Studio s;
    std::ofstream(s.dir + "/small.dat") << "1 2 3 4 5\n10 3 2 1 1\n";
    ASSERT_TRUE(s.w.OpenSounding((s.dir + "/small.dat").c_str()));
    EXPECT_EQ(s.w.Sounding()->Chart().m_nDisModel, 2);
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_NE(s.errors[0].find("the log-log view (model 2) is drawn"), std::string::npos) << s.errors[0];

    // Measured only, as an MT sounding in frequency comes: the same view.
    Studio linear;
    ASSERT_EQ(linear.w.Sounding()->Chart().m_nDisModel, 1);
    std::ofstream(linear.dir + "/mt.dat") << "freq_Hz rho phase\n1000 2 3\n10 3 2\n";
    ASSERT_TRUE(linear.w.OpenSounding((linear.dir + "/mt.dat").c_str()));
    EXPECT_EQ(linear.w.Sounding()->Chart().m_nDisModel, 2);
}

TEST(Studio, SavingAfterADragKeepsCommentsAndUneditedLinesAsWritten)
{
    Studio s;
    const std::string rows[] = {"   1  50.00  40.00  55.00  45.00", "  10 250.00 200.00 240.00 210.00",
                                " 100 400.00 300.00 380.00 320.00", "1000 500.00 350.00 480.00 360.00"};
    std::ofstream(s.dir + "/c.dat") << "# site 7, loop 100 m\nt_ms R V Rf Vf\n" << rows[0] << "\n" << rows[1] << "  # noisy\n"
                                    << rows[2] << "\n" << rows[3] << "\n";
    std::ofstream(s.dir + "/c.txt") << "# cover\n10   100  # sand\n20   10\n300\n";
    ASSERT_TRUE(s.w.OpenSounding((s.dir + "/c.dat").c_str()));
    ASSERT_TRUE(s.w.OpenModel((s.dir + "/c.txt").c_str()));
    SoundingView* view = s.w.Sounding();
    const QPoint from = view->ToWidget(view->Chart().m_VPoints[2]);
    drag(view, from, from + QPoint(0, -40));
    ModelView* model = s.w.Model();
    CDrawRPToH& m = model->Chart();
    const CPoint mid(m.m_RPoints[1].x, (m.m_RPoints[1].y + m.m_RPoints[2].y) / 2);
    drag(model, model->ToWidget(mid), model->ToWidget(mid) + QPoint(30, 0));
    ASSERT_TRUE(s.w.SaveSounding());
    ASSERT_TRUE(s.w.SaveModel());
    if (const char* dir = std::getenv("TARNEX_STUDIO_PNG_DIR"))  // to look at
        s.w.grab().save(QString::fromUtf8(dir) + "/studio-after-drag.png");

    std::string text;
    CString err;
    ASSERT_TRUE(CappedFile::ReadAll((s.dir + "/c.dat").c_str(), 1 << 16, text, err));
    EXPECT_EQ(text.substr(0, text.find(rows[2].substr(0, 11))),
              "# site 7, loop 100 m\nt_ms R V Rf Vf\n" + rows[0] + "\n" + rows[1] + "  # noisy\n");
    EXPECT_EQ(text.substr(text.size() - rows[3].size() - 1), rows[3] + "\n");
    SoundingTable back;
    ASSERT_TRUE(SoundingFile::Read((s.dir + "/c.dat").c_str(), 0, back, err)) << err.GetString();
    EXPECT_NEAR(back.v[2], view->Values().v[2], 0.05f) << "two decimals, as its column";
    EXPECT_NE(back.v[2], 300.0f);
    ASSERT_TRUE(CappedFile::ReadAll((s.dir + "/c.txt").c_str(), 1 << 16, text, err));
    EXPECT_EQ(text.substr(0, 25), "# cover\n10   100  # sand\n");
    EXPECT_EQ(text.substr(text.size() - 4), "300\n");

    // Rows spanning lines open as a stream.
    std::ofstream(s.dir + "/span.dat") << "1 50 40\n55 45\n10 250 200\n240 210\n";
    ASSERT_TRUE(s.w.OpenSounding((s.dir + "/span.dat").c_str(), true));
    EXPECT_EQ(view->Chart().m_nCount, 2);
}
