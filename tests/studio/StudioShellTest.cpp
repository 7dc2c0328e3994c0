// The studio's shell as a user meets it: its language chosen by the locale,
// the recent files kept between sessions, and one question for all edited
// documents when the window closes.
#include "StudioDriver.h"
#include "TestSupport.h"
#include "support/StudioFixture.h"

#include "ModelView.h"
#include "SoundingView.h"
#include "StudioLanguage.h"
#include "StudioWindow.h"

#include "model1d/LayeredModelFile.h"
#include "platform/wnd/CFileDialog.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

// Settings go to a temporary folder for the whole test program, never to the
// user's own.
class TemporarySettings : public ::testing::Environment {
public:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(testsupport::tempDir()));
    }
};
[[maybe_unused]] const auto* const g_settings = ::testing::AddGlobalTestEnvironment(new TemporarySettings);

// Back to English whatever a test left installed.
struct Language {
    explicit Language(const char* name) { ok = StudioLanguage::Install(QString::fromLatin1(name)); }
    ~Language() { StudioLanguage::Install(QStringLiteral("en")); }
    bool ok;
};

using studiodriver::drag;
using studiodriver::slurp;

struct Studio : testsupport::StudioFixture {
    // A measured point dragged up and a layer side dragged right.
    void editBoth()
    {
        SoundingView* s = w.Sounding();
        const QPoint from = s->ToWidget(s->Chart().m_VPoints[2]);
        drag(s, from, from + QPoint(0, -40));
        CDrawRPToH& c = w.Model()->Chart();
        const QPoint side = w.Model()->ToWidget(CPoint(c.m_RPoints[0].x, c.m_RPoints[1].y / 2));
        drag(w.Model(), side, side + QPoint(30, 0));
        ASSERT_TRUE(w.SoundingModified());
        ASSERT_TRUE(w.ModelModified());
    }
};

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

}  // namespace

TEST(StudioLanguage, ChineseForAChineseLocaleEnglishOtherwise)
{
    using StudioLanguage::Choose;
    EXPECT_EQ(Choose({"zh_CN.UTF-8"}), "zh_CN");
    EXPECT_EQ(Choose({"zh-Hans-CN", "zh-CN", "zh"}), "zh_CN");
    EXPECT_EQ(Choose({"zh_TW"}), "zh_CN");
    EXPECT_EQ(Choose({"de_DE", "zh_CN"}), "zh_CN");  // no German: the next the studio speaks
    EXPECT_EQ(Choose({"en_GB", "zh_CN"}), "en");
    EXPECT_EQ(Choose({"C"}), "en");
    EXPECT_EQ(Choose({"fr_FR"}), "en");
    EXPECT_EQ(Choose({}), "en");

    using StudioLanguage::FromArguments;
    EXPECT_EQ(FromArguments({"studio", "--lang", "zh_CN", "s.dat"}), "zh_CN");
    EXPECT_EQ(FromArguments({"studio", "s.dat", "--lang=en"}), "en");
    EXPECT_EQ(FromArguments({"studio", "--", "--lang=en"}), "");
    EXPECT_EQ(FromArguments({"studio", "--lang"}), "");

    QString named;
    EXPECT_FALSE(StudioLanguage::Unknown({"studio", "--lang", "zh_CN"}, named));
    EXPECT_FALSE(StudioLanguage::Unknown({"studio", "s.dat", "--lang=en"}, named));
    EXPECT_FALSE(StudioLanguage::Unknown({"studio", "--lang"}, named));
    EXPECT_FALSE(StudioLanguage::Unknown({"studio", "--", "--lang=fr"}, named));
    EXPECT_TRUE(StudioLanguage::Unknown({"studio", "--lang", "zh"}, named));
    EXPECT_EQ(named, "zh");
    EXPECT_TRUE(StudioLanguage::Unknown({"studio", "--lang="}, named));
    EXPECT_EQ(named, "");
}

// An unknown language ends the studio with one line naming the ones it
// speaks, before it looks for a display: without one, reaching the window
// system would abort rather than exit with 2.
TEST(StudioLanguage, AnUnknownLanguageIsRefusedBeforeAnyWindow)
{
    for (const QStringList& args : {QStringList{"--lang", "fr"}, QStringList{"s.dat", "--lang=EN"}}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TARNEX_STUDIO_EXE), args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 2);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << err.toStdString();
        EXPECT_TRUE(err.contains("zh_CN") && err.contains(" en") && err.contains(args.last().right(2)))
            << err.toStdString();
    }
}

TEST(StudioLanguage, MenusMessagesAndQtsOwnButtonsSpeakTheInstalledLanguage)
{
    {
        Language zh("zh_CN");
        ASSERT_TRUE(zh.ok);
        EXPECT_EQ(StudioLanguage::Current(), "zh_CN");
        StudioWindow w;
        const QList<QAction*> menus = w.menuBar()->actions();
        ASSERT_GE(menus.size(), 3);
        EXPECT_EQ(menus[0]->text(), QString::fromUtf8("文件(&F)"));
        EXPECT_TRUE(menuTexts(menus[0]->menu()).contains(QString::fromUtf8("全部保存(&L)")));
        EXPECT_EQ(menus.back()->text(), QString::fromUtf8("帮助(&H)"));  // Help stays last
        EXPECT_EQ(w.windowTitle(), QString::fromUtf8("tarnex studio - （无） | （无）"));
        char label[64] = {};
        TCITEM tab;
        tab.mask = TCIF_TEXT;
        tab.pszText = label;
        tab.cchTextMax = sizeof label;
        ASSERT_TRUE(w.Tabs().GetItem(0, &tab));
        EXPECT_STREQ(label, "测深曲线与模型");
        // Standard buttons come from Qt's own catalogue.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("取消"));

        std::vector<std::string> errors;
        w.onError = [&](const CString& m) { errors.push_back(m.str()); };
        EXPECT_FALSE(w.ExportSoundingChart());
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], "没有可导出的测深曲线。");

        // A reader's complaint: the file and line as written, the sentence in
        // Chinese, names and the system's reason as the reader gave them.
        const std::string bad = testsupport::writeFile("zh.dat", "1 2 3 4 5\n10 2\n");
        EXPECT_FALSE(w.OpenSounding(bad.c_str()));
        const std::string number = testsupport::writeFile("zh-number.dat", "1 2 abc 4 5\n");
        EXPECT_FALSE(w.OpenSounding(number.c_str()));
        EXPECT_FALSE(w.OpenModel("/nonexistent/m.txt"));
        ASSERT_EQ(errors.size(), 4u);
        EXPECT_EQ(errors[1], bad + ":2: 该行有 2 个数，而上面各行有 5 个；测深文件各行的列数须相同"
                                   "（一行数据跨多行的文件须按数据流读取）");
        EXPECT_EQ(errors[2], number + ":1: “abc”不是数字（measured V 列）");
        EXPECT_EQ(errors[3], "无法打开 /nonexistent/m.txt：No such file or directory");
    }
    EXPECT_EQ(StudioLanguage::Current(), "en");
    StudioWindow w;
    EXPECT_EQ(w.menuBar()->actions()[0]->text(), "&File");
    EXPECT_EQ(w.windowTitle(), "tarnex studio - (none) | (none)");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST(StudioRecentFiles, NewestFirstKeptBetweenSessionsAndGoneFilesDropped)
{
    std::string sounding, model, other;
    {
        Studio s;
        s.w.Recent().Clear();
        s.w.OpenSounding(s.sounding.c_str());
        s.w.OpenModel(s.model.c_str());
        other = s.dir + "/other.dat";
        std::ofstream(other) << "1 2 3 4 5\n10 3 4 5 6\n";
        s.w.OpenSounding(other.c_str());
        s.w.OpenSounding(s.sounding.c_str());  // again: moves to the top, once
        sounding = s.sounding;
        model = s.model;
        // A bundled sample is not worth remembering.
        s.w.OpenModel(StudioWindow::BundledData("layered-model.txt"));
        ASSERT_EQ(s.w.Recent().Entries().size(), 3);
    }

    // The next session finds the list, and its menu lists it.
    StudioWindow w;
    std::vector<std::string> errors;
    w.onError = [&](const CString& m) { errors.push_back(m.str()); };
    const QList<RecentFiles::Entry>& e = w.Recent().Entries();
    ASSERT_EQ(e.size(), 3);
    EXPECT_EQ(e[0].path.toStdString(), sounding);
    EXPECT_EQ(e[0].kind, RecentFiles::Kind::Sounding);
    EXPECT_EQ(e[1].path.toStdString(), other);
    EXPECT_EQ(e[2].path.toStdString(), model);
    EXPECT_EQ(e[2].kind, RecentFiles::Kind::Model);
    emit w.RecentMenu()->aboutToShow();
    const QStringList items = menuTexts(w.RecentMenu());
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], QStringLiteral("&1 ") + QString::fromStdString(sounding));
    EXPECT_EQ(items[3], "&Clear Recent Files");

    // A model reopened from the list opens as a model, in the model chart.
    ASSERT_TRUE(w.OpenRecent(2));
    EXPECT_EQ(w.ModelPath().str(), model);
    EXPECT_EQ(w.Recent().Entries()[0].path.toStdString(), model);

    // A file gone since: the user is told and the entry leaves the list,
    // for the next session too.
    std::remove(other.c_str());
    EXPECT_FALSE(w.OpenRecent(2));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], other + " no longer exists; it was removed from the recent files.");
    EXPECT_TRUE(w.SoundingPath().IsEmpty());
    RecentFiles stored;
    stored.Load();
    ASSERT_EQ(stored.Entries().size(), 2);
    EXPECT_EQ(stored.Entries()[1].path.toStdString(), sounding);

    // The list holds the newest eight.
    std::vector<std::string> last;
    for (int i = 0; i < 10; ++i) {
        const std::string path = testsupport::writeFile("n" + std::to_string(i) + ".dat", "1 2 3 4 5\n10 3 4 5 6\n");
        ASSERT_TRUE(w.OpenSounding(path.c_str()));
        last.push_back(path);
    }
    stored.Load();
    ASSERT_EQ(stored.Entries().size(), RecentFiles::kMaxEntries);
    EXPECT_EQ(stored.Entries().front().path.toStdString(), last[9]);
    EXPECT_EQ(stored.Entries().back().path.toStdString(), last[2]);
}

TEST(StudioClose, SeveralEditedDocumentsAreSavedDiscardedOrKeptTogether)
{
    Studio s;
    const std::string sounding = slurp(s.sounding), model = slurp(s.model);
    s.editBoth();

    // Cancel: one question naming both, the window stays with its edits.
    EXPECT_FALSE(s.w.close());
    ASSERT_EQ(s.asked.size(), 1u);
    EXPECT_EQ(s.asked[0], "These documents have unsaved edits:\n\n    sounding s.dat\n    layered model m.txt\n\n"
                          "Save all of them?");
    EXPECT_TRUE(s.w.isVisible());
    EXPECT_TRUE(s.w.SoundingModified() && s.w.ModelModified());

    // Discard all: closes, neither file written.
    s.answer = IDNO;
    EXPECT_TRUE(s.w.close());
    EXPECT_EQ(slurp(s.sounding), sounding);
    EXPECT_EQ(slurp(s.model), model);

    // Save all: both written, then closed.
    s.w.show();
    s.answer = IDYES;
    EXPECT_TRUE(s.w.close());
    EXPECT_EQ(s.asked.size(), 3u);
    EXPECT_FALSE(s.w.SoundingModified() || s.w.ModelModified());
    EXPECT_NE(slurp(s.sounding), sounding);
    LayeredModel back;
    CString err;
    ASSERT_TRUE(LayeredModelFile::Read(s.model.c_str(), back, err));
    EXPECT_NEAR(back.res[0], s.w.Model()->Model().res[0], 0.5f);
    EXPECT_NE(back.res[0], 100.0f);
    EXPECT_TRUE(s.errors.empty());
}

TEST(StudioClose, ASaveThatFailsKeepsTheWindowOpen)
{
    Studio s;
    s.editBoth();
    s.w.Model()->SetValue(EditField::LayerResistivity, 0, -5.0f);  // refused by the model writer
    s.answer = IDYES;
    EXPECT_FALSE(s.w.close());
    EXPECT_TRUE(s.w.isVisible());
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_NE(s.errors[0].find("resistivity -5 must be greater than 0"), std::string::npos) << s.errors[0];
    EXPECT_FALSE(s.w.SoundingModified());  // saved before the model failed
    EXPECT_TRUE(s.w.ModelModified());
}
