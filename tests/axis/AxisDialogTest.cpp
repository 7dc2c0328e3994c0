#include "DialogDriver.h"

#include "axis/AxisDialog.h"
#include "axis/CMyAxis.h"
#include "axis/CMyFontDialog.h"
#include "platform/wnd/AfxModule.h"
#include "res/resource.h"

#include <QDialog>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace dialogdriver;

namespace {

constexpr const char* kInputError = "输入错误！请重输";

// An axis of 0 to 100 at 2 units per millimetre: 50 mm long.
CMyAxis hundredAxis()
{
    CMyAxis a;
    a.intil(1, 1, 0, 0, 0, 100, 2, 10);
    return a;
}

AxisDialog& axisDialog(CDialog& d) { return static_cast<AxisDialog&>(d); }

}  // namespace

TEST(AxisDialogWindow, ControlsSitWhereTheTemplatePutsThem)
{
    CMyAxis a = hundredAxis();
    bool ran = false;
    CDialog::ScriptNextModal([&](CDialog& d) {
        ran = true;
        EXPECT_EQ(d.m_hWnd->windowTitle(), QStringLiteral("坐标轴参数"));
        const DialogTemplate* t = AfxFindDialogTemplate(IDD_AXIS_PARAM);
        ASSERT_NE(t, nullptr);
        for (const DialogItemTemplate& it : t->items) {
            if (it.id == IDC_STATIC || it.kind == DialogItemTemplate::Kind::ComboBox)
                continue;
            CRect r = it.rect;
            d.MapDialogRect(&r);
            const QRect g = control(d, it.id)->geometry();
            EXPECT_EQ(g, QRect(r.left, r.top, r.Width(), r.Height())) << it.id;
        }
        EXPECT_EQ(text(d, IDC_AXIS_MIN), "0");
        EXPECT_EQ(text(d, IDC_AXIS_SCALE), "2");
        EXPECT_EQ(text(d, IDC_AXIS_TICK_STEP), "33.3333");
        auto* combo = qobject_cast<QComboBox*>(control(d, IDC_AXIS_TICK_DIR));
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->count(), 3);
        EXPECT_EQ(combo->itemText(1), QStringLiteral("垂向大"));
        EXPECT_EQ(combo->currentIndex(), 2);
        EXPECT_TRUE(qobject_cast<QRadioButton*>(control(d, IDC_AXIS_KIND_X))->isChecked());
        EXPECT_EQ(edit(d, IDC_AXIS_TITLE)->maxLength(), 128);
        click(d, IDCANCEL);
    });
    a.SetAxisParm();
    EXPECT_TRUE(ran);
}

TEST(AxisDialogLive, LengthScaleAndRangeFollowEachKeystroke)
{
    CMyAxis a = hundredAxis();
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_AXIS_LENGTH, "5");
        EXPECT_EQ(text(d, IDC_AXIS_SCALE), "20.00");
        type(d, IDC_AXIS_LENGTH, "0");
        EXPECT_EQ(text(d, IDC_AXIS_SCALE), "2.00");
        retype(d, IDC_AXIS_SCALE, "4");
        EXPECT_EQ(text(d, IDC_AXIS_LENGTH), "25.00");
        EXPECT_FLOAT_EQ(axisDialog(d).m_fLength, 25.0f);
        // A maximum equal to the minimum is a range of nothing.
        retype(d, IDC_AXIS_MAX, "0");
        EXPECT_EQ(text(d, IDC_AXIS_LENGTH), "0.00");
        retype(d, IDC_AXIS_MAX, "80");
        EXPECT_EQ(text(d, IDC_AXIS_LENGTH), "20.00");
        click(d, IDOK);
    });
    a.SetAxisParm();
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_FLOAT_EQ(a.m_fMax, 80.0f);
    EXPECT_FLOAT_EQ(a.m_fScale, 4.0f);
    EXPECT_FLOAT_EQ(a.m_fLength, 20.0f);
    EXPECT_EQ(a.m_ptEnd, CPoint(200, 0));
}

TEST(AxisDialogLive, BadInputIsRefusedAndTheBoxRestored)
{
    CMyAxis a = hundredAxis();
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_AXIS_LENGTH, "0");
        EXPECT_EQ(text(d, IDC_AXIS_LENGTH), "50.00");
        retype(d, IDC_AXIS_SCALE, "-");
        EXPECT_EQ(text(d, IDC_AXIS_SCALE), "2.00");
        ASSERT_EQ(boxes.texts.size(), 2u);
        EXPECT_EQ(boxes.texts[0], kInputError);

        erase(d, IDC_AXIS_MIN);  // an empty box is left alone
        EXPECT_EQ(boxes.texts.size(), 2u);
        type(d, IDC_AXIS_MIN, "1");
        EXPECT_EQ(text(d, IDC_AXIS_LENGTH), "49.50");
        type(d, IDC_AXIS_MIN, "5");
        EXPECT_EQ(text(d, IDC_AXIS_LENGTH), "42.50");
        type(d, IDC_AXIS_MIN, "0");
        EXPECT_EQ(boxes.texts.size(), 3u);
        EXPECT_EQ(text(d, IDC_AXIS_MIN), "15.00");
        EXPECT_FLOAT_EQ(axisDialog(d).m_fMin, 15.0f);

        // Text the dialog writes itself triggers nothing.
        d.SetDlgItemText(IDC_AXIS_LENGTH, "0");
        EXPECT_EQ(boxes.texts.size(), 3u);
        click(d, IDCANCEL);
    });
    a.SetAxisParm();
    EXPECT_FLOAT_EQ(a.m_fMin, 0.0f);  // Cancel: nothing travels back
    EXPECT_FLOAT_EQ(a.m_fLength, 50.0f);
}

TEST(AxisDialogOk, BoundsHoldTheDialogOpenUntilFixed)
{
    CMyAxis a = hundredAxis();
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_AXIS_DECIMALS, "16");
        click(d, IDOK);
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(boxes.texts[0], "请输入一个在 0 和 15 之间的整数。");
        EXPECT_TRUE(d.m_hWnd->isVisible());
        retype(d, IDC_AXIS_DECIMALS, "3");
        retype(d, IDC_AXIS_TICK_LENGTH, "abc");
        click(d, IDOK);
        EXPECT_EQ(boxes.texts.back(), "请输入一个数。");
        EXPECT_TRUE(edit(d, IDC_AXIS_TICK_LENGTH)->hasSelectedText());
        retype(d, IDC_AXIS_TICK_LENGTH, "0.5");
        retype(d, IDC_AXIS_LABEL_ANGLE, "90");
        pick(d, IDC_AXIS_TICK_DIR, 0);
        click(d, IDC_AXIS_KIND_Y);
        EXPECT_EQ(axisDialog(d).m_nKind, 2);
        click(d, IDC_AXIS_TITLE_ON);
        click(d, IDOK);
    });
    a.SetAxisParm();
    EXPECT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(a.m_nDecimals, 3);
    EXPECT_FLOAT_EQ(a.m_fTickLength, 0.5f);
    EXPECT_EQ(a.m_nTickDir, 0);
    EXPECT_EQ(a.m_nKind, 2);
    EXPECT_EQ(a.m_bTitle, 1);
    EXPECT_EQ(a.m_lfLabel.lfEscapement, 900);
    EXPECT_EQ(a.m_lfTitle.lfEscapement, 0);
    EXPECT_EQ(a.m_ptEnd, CPoint(0, 500));
    EXPECT_EQ(a.m_Labels[1], CString("33.333"));
}

TEST(AxisDialogFonts, FontButtonThenCancelKeepsFontAndColour)
{
    CMyAxis a = hundredAxis();
    const LOGFONT before = a.m_lfTitle;
    CDialog::ScriptNextModal([&](CDialog& d) {
        CDialog::ScriptNextModal([](CDialog& f) {
            EXPECT_STREQ(f.GetRuntimeClass()->m_lpszClassName, "CMyFontDialog");
            static_cast<CFontDialog&>(f).SelectFont(LOGFONT{});  // the user plays with it, then cancels
            click(f, IDCANCEL);
        });
        click(d, IDC_AXIS_TITLE_FONT);
        click(d, IDOK);
    });
    a.SetAxisParm();
    EXPECT_EQ(a.m_lfTitle.lfHeight, before.lfHeight);
    EXPECT_STREQ(a.m_lfTitle.lfFaceName, before.lfFaceName);
    EXPECT_EQ(a.m_crTitle, RGB(0, 0, 0));
}

TEST(AxisDialogFonts, ChosenFontIsTenTimesWhatTheDialogShows)
{
    CMyAxis a = hundredAxis();
    CDialog::ScriptNextModal([&](CDialog& d) {
        CDialog::ScriptNextModal([](CDialog& dlg) {
            auto& f = static_cast<CMyFontDialog&>(dlg);
            LOGFONT shown;
            f.GetCurrentFont(&shown);
            EXPECT_EQ(shown.lfHeight, 50);  // 500 shown as 50
            EXPECT_STREQ(shown.lfFaceName, "Times New Roman");
            LOGFONT pick = shown;
            pick.lfHeight = -24;
            f.SelectFont(pick);
            f.SelectColor(RGB(255, 0, 0));
            click(f, IDOK);
        });
        click(d, IDC_AXIS_LABEL_FONT);
        click(d, IDOK);
    });
    a.SetAxisParm();
    EXPECT_EQ(a.m_lfLabel.lfHeight, -240);
    EXPECT_EQ(a.m_crLabel, RGB(255, 0, 0));
    EXPECT_EQ(a.m_lfLabel.lfPitchAndFamily, 18);
}

TEST(AxisDialogFonts, DescriptionFollowsChangesAfterTheTimer)
{
    LOGFONT lf;
    CMyAxis().intifontsize(lf);
    lf.lfHeight = 50;
    CMyFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS);
    CDialog::ScriptNextModal([](CDialog& d) {
        auto& f = static_cast<CMyFontDialog&>(d);
        CRect sample, info;
        f.GetDlgItem(kFontSampleText)->GetWindowRect(&sample);
        f.m_editInfo.GetWindowRect(&info);
        EXPECT_TRUE(sample == info) << sample.left << "," << sample.top << "," << sample.right << "," << sample.bottom
                                    << " vs " << info.left << "," << info.top << "," << info.right << ","
                                    << info.bottom;
        EXPECT_TRUE(f.m_editInfo.IsWindowVisible());
        f.SendMessage(WM_COMMAND, MAKEWPARAM(kFontColorCombo, CBN_SELCHANGE), 0);
        EXPECT_TRUE(f.HasTimer(0));
        f.SendMessage(WM_TIMER, 0, 0);
        EXPECT_FALSE(f.HasTimer(0));
        CString shown;
        f.m_editInfo.GetWindowText(shown);
        EXPECT_EQ(shown, CString("50,0,0,0,700,0,0,0,0,0,0,0,18,Times New Roman"));
        // The box's own change does not start the timer again.
        EXPECT_FALSE(f.HasTimer(0));
        click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}
