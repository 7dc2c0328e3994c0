// The line-style dialog as a user drives it from a profile panel: picks in
// the profile and style lists, typing in the width field, the colour chooser.
#include "TestSupport.h"

#include "../axis/DialogDriver.h"
#include "platform/wnd/CColorDialog.h"
#include "profile/CProfLineDlg.h"
#include "profile/CRectProf.h"
#include "res/resource.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace dialogdriver;

namespace {

constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

// Three profiles: red 0.1 mm solid, blue 0.5 mm solid, green 1.0 mm dashed.
CRectProf threeProfiles()
{
    CRectProf p;
    p.IntRect(0, 800, 1200, 0, 10);
    const double v[] = {0, 100};
    for (int i = 0; i < 3; ++i)
        p.Add_a_prof(v, v, 2);
    p.m_Profs[0].m_crColor = kRed;
    p.m_Profs[1].m_crColor = kBlue;
    p.m_Profs[1].m_fWidth = 0.5f;
    p.m_Profs[2].m_crColor = RGB(0, 150, 0);
    p.m_Profs[2].m_fWidth = 1.0f;
    p.m_Profs[2].m_nStyle = PS_DASH;
    return p;
}

CProfLineDlg& lineDialog(CDialog& d) { return static_cast<CProfLineDlg&>(d); }
QListWidget* list(CDialog& d) { return qobject_cast<QListWidget*>(control(d, IDC_PROF_LIST)); }
int styleIndex(CDialog& d) { return qobject_cast<QComboBox*>(control(d, IDC_PROF_STYLE))->currentIndex(); }

// A value pasted over the whole field: one change, where typing it key by
// key would have the dialog rewrite the field after every key.
void paste(CDialog& d, int id, const char* value)
{
    if (QLineEdit* e = edit(d, id)) {
        e->selectAll();
        e->insert(QString::fromUtf8(value));
    }
}

// A click on a profile in the list, as the user makes it.
void pickProfile(CDialog& d, int row)
{
    QListWidget* l = list(d);
    l->setCurrentRow(row);
}

// Answers colour dialogs for as long as it lives.
class ColourChooser {
public:
    explicit ColourChooser(bool ok, COLORREF answer = 0)
    {
        m_previous = AfxSetColorDialogHook([this, ok, answer](const ColorDialogRequest& r, COLORREF& c) {
            ++asked;
            initial = r.initial;
            c = answer;
            return ok;
        });
    }
    ~ColourChooser() { AfxSetColorDialogHook(std::move(m_previous)); }
    int asked = 0;
    COLORREF initial = 1;

private:
    ColorDialogHook m_previous;
};

}  // namespace

TEST(ProfLineDialog, OpensOnTheFirstProfileWithTheListNumberedFromOne)
{
    CRectProf p = threeProfiles();
    bool ran = false;
    CDialog::ScriptNextModal([&](CDialog& d) {
        ran = true;
        EXPECT_EQ(d.m_hWnd->windowTitle(), QStringLiteral("Dialog"));
        CProfLineDlg& dlg = lineDialog(d);
        ASSERT_EQ(dlg.m_listProf.GetCount(), 3);
        EXPECT_STREQ(dlg.m_listProf.Record(0)->text, " 剖面 1");
        EXPECT_STREQ(dlg.m_listProf.Record(2)->text, " 剖面 3");
        EXPECT_EQ(dlg.m_listProf.GetItemHeight(1), 30);
        EXPECT_EQ(dlg.m_listProf.GetCurSel(), 0);
        EXPECT_EQ(text(d, IDC_PROF_WIDTH), "0.100000");
        EXPECT_EQ(styleIndex(d), 0);
        EXPECT_EQ(dlg.m_btnColor.GetColour(), kRed);
        auto* combo = qobject_cast<QComboBox*>(control(d, IDC_PROF_STYLE));
        ASSERT_EQ(combo->count(), 5);
        EXPECT_EQ(combo->itemText(3), QStringLiteral("虚--点线"));
        // The colour button is sized from the system's arrow: 17 + 2 * 2 high.
        EXPECT_EQ(control(d, IDC_PROF_COLOR)->height(), 21);
        EXPECT_EQ(dlg.m_btnColor.m_rcArrow.Width(), 17);

        // The items draw their own lines: each profile's colour shows in the
        // list, the selected one's text is inverted (white on black).
        const QImage shown = list(d)->grab().toImage();
        EXPECT_GT(testsupport::countColour(shown, QColor(220, 0, 0)), 20);
        EXPECT_GT(testsupport::countColour(shown, QColor(0, 0, 200)), 20);
        const QImage button = control(d, IDC_PROF_COLOR)->grab().toImage();
        EXPECT_GT(testsupport::countColour(button, QColor(220, 0, 0)), 50);

        pickProfile(d, 2);
        EXPECT_EQ(text(d, IDC_PROF_WIDTH), "1.000000");
        EXPECT_EQ(styleIndex(d), 1);
        click(d, IDCANCEL);
    });
    p.SetProfLineArb();
    EXPECT_TRUE(ran);
}

TEST(ProfLineDialog, DashedStylesAreOneMillimetreAndWiderLinesSolid)
{
    CRectProf p = threeProfiles();
    CDialog::ScriptNextModal([&](CDialog& d) {
        // "虚线" for the 0.5 mm profile: width 1.0, style 1.
        pickProfile(d, 1);
        pick(d, IDC_PROF_STYLE, 1);
        EXPECT_EQ(text(d, IDC_PROF_WIDTH), "1.000000");
        EXPECT_EQ(lineDialog(d).m_listProf.GetCurSel(), 1);
        // Exactly 1 keeps the dashes.
        retype(d, IDC_PROF_WIDTH, "1");
        EXPECT_EQ(styleIndex(d), 1);
        EXPECT_EQ(text(d, IDC_PROF_WIDTH), "1.000000");
        // 2 makes the dashed green profile solid and is written back in full.
        pickProfile(d, 2);
        retype(d, IDC_PROF_WIDTH, "2");
        EXPECT_EQ(text(d, IDC_PROF_WIDTH), "2.000000");
        EXPECT_EQ(styleIndex(d), 0);
        // A field with no number leaves the entry alone.
        erase(d, IDC_PROF_WIDTH);
        type(d, IDC_PROF_WIDTH, "x");
        EXPECT_FLOAT_EQ(lineDialog(d).m_Attrs[2].width, 2.0f);
        paste(d, IDC_PROF_WIDTH, "2.5");
        click(d, IDOK);
    });
    p.SetProfLineArb();
    EXPECT_FLOAT_EQ(p.m_Profs[1].m_fWidth, 1.0f);
    EXPECT_EQ(p.m_Profs[1].m_nStyle, PS_DASH);
    EXPECT_FLOAT_EQ(p.m_Profs[2].m_fWidth, 2.5f);
    EXPECT_EQ(p.m_Profs[2].m_nStyle, PS_SOLID);
    EXPECT_EQ(p.m_Profs[0].m_crColor, kRed);
}

TEST(ProfLineDialog, CancelChangesNothingAndOkChecksTheWidth)
{
    CRectProf p = threeProfiles();
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        pick(d, IDC_PROF_STYLE, 4);
        paste(d, IDC_PROF_WIDTH, "0.3");
        click(d, IDCANCEL);
    });
    p.SetProfLineArb();
    EXPECT_EQ(p.m_Profs[0].m_nStyle, PS_SOLID);
    EXPECT_FLOAT_EQ(p.m_Profs[0].m_fWidth, 0.1f);

    bool stayed = false;
    CDialog::ScriptNextModal([&](CDialog& d) {
        paste(d, IDC_PROF_WIDTH, "11");
        click(d, IDOK);
        stayed = d.m_hWnd && d.m_hWnd->isVisible();
        paste(d, IDC_PROF_WIDTH, "0.3");
        click(d, IDOK);
    });
    p.SetProfLineArb();
    EXPECT_TRUE(stayed);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "请输入一个在 0 和 10 之间的数。");
    EXPECT_FLOAT_EQ(p.m_Profs[0].m_fWidth, 0.3f);
}

TEST(ProfLineDialog, ColourComesFromTheChooserOnlyOnOk)
{
    CRectProf p = threeProfiles();
    {
        ColourChooser chooser(true, RGB(10, 20, 30));
        CDialog::ScriptNextModal([&](CDialog& d) {
            pickProfile(d, 1);
            click(d, IDC_PROF_COLOR);
            EXPECT_EQ(lineDialog(d).m_btnColor.GetColour(), RGB(10, 20, 30));
            EXPECT_EQ(lineDialog(d).m_listProf.GetCurSel(), 1);
            click(d, IDOK);
        });
        p.SetProfLineArb();
        EXPECT_EQ(chooser.asked, 1);
        EXPECT_EQ(chooser.initial, RGB(0, 0, 0));
    }
    EXPECT_EQ(p.m_Profs[1].m_crColor, RGB(10, 20, 30));
    {
        ColourChooser chooser(false, RGB(1, 1, 1));
        CDialog::ScriptNextModal([&](CDialog& d) {
            click(d, IDC_PROF_COLOR);
            click(d, IDOK);
        });
        p.SetProfLineArb();
    }
    EXPECT_EQ(p.m_Profs[0].m_crColor, kRed);
}

TEST(ProfLineDialog, WithoutASelectionTheFieldsShowTheDefaults)
{
    CRectProf p = threeProfiles();
    ColourChooser chooser(true, RGB(1, 1, 1));
    CDialog::ScriptNextModal([&](CDialog& d) {
        CProfLineDlg& dlg = lineDialog(d);
        dlg.m_listProf.SetCurSel(-1);
        dlg.m_btnColor.SetColour(kBlue);
        pick(d, IDC_PROF_STYLE, 2);  // nothing to apply it to
        EXPECT_EQ(dlg.m_btnColor.GetColour(), kBlue);
        click(d, IDC_PROF_COLOR);  // no entry: no chooser
        EXPECT_EQ(chooser.asked, 0);
        list(d)->setCurrentRow(-1);
        CWnd::NotifyParent(list(d), LBN_SELCHANGE);
        EXPECT_EQ(text(d, IDC_PROF_WIDTH), "1.0");
        EXPECT_EQ(styleIndex(d), -1);
        EXPECT_EQ(dlg.m_btnColor.GetColour(), RGB(0, 0, 0));
        click(d, IDCANCEL);
    });
    p.SetProfLineArb();
}
