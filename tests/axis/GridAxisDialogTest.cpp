#include "DialogDriver.h"

#include "axis/CGridAxisDlg.h"
#include "axis/CMyGridAxis.h"
#include "platform/wnd/AfxModule.h"
#include "res/resource.h"

#include <QScrollArea>

#include <gtest/gtest.h>

using namespace dialogdriver;

namespace {

CMyGridAxis tenByTen()
{
    CMyGridAxis g;
    g.intil(0, 0, 0, 10, 1, 0, 10, 1, 10);
    return g;
}

CGridAxisDlg& gridDialog(CDialog& d) { return static_cast<CGridAxisDlg&>(d); }

bool readOnly(CDialog& d, int id) { return edit(d, id)->isReadOnly(); }

const int kXTickEdits[] = {IDC_GX_GRID_WIDTH, IDC_GX_TICK_LENGTH, IDC_GX_TICK_STEP, IDC_GX_DECIMALS,
                           IDC_GX_TICK_START};

}  // namespace

TEST(GridAxisDialogWindow, TemplateControlsScrollBarsAndReadOnlyStates)
{
    CMyGridAxis g = tenByTen();
    g.m_bYTitle = 0;
    g.m_bYLabels = 0;
    CDialog::ScriptNextModal([&](CDialog& d) {
        EXPECT_EQ(d.m_hWnd->windowTitle(), QStringLiteral("网格坐标参数"));
        EXPECT_NE(d.m_hWnd->findChild<QScrollArea*>(), nullptr);
        const DialogTemplate* t = AfxFindDialogTemplate(IDD_GRID_AXIS_PARAM);
        ASSERT_NE(t, nullptr);
        for (const DialogItemTemplate& it : t->items) {
            if (it.id == IDC_STATIC)
                continue;
            CRect r = it.rect;
            d.MapDialogRect(&r);
            EXPECT_EQ(control(d, it.id)->geometry(), QRect(r.left, r.top, r.Width(), r.Height())) << it.id;
        }
        EXPECT_EQ(text(d, IDC_GX_TICK_STEP), "3.33333333333333");
        EXPECT_FALSE(readOnly(d, IDC_GX_TITLE));
        EXPECT_TRUE(readOnly(d, IDC_GY_TITLE));
        EXPECT_TRUE(readOnly(d, IDC_GY_TICK_START));
        for (int id : kXTickEdits)
            EXPECT_FALSE(readOnly(d, id));

        click(d, IDC_GX_LABELS_ON);
        for (int id : kXTickEdits)
            EXPECT_TRUE(readOnly(d, id)) << id;
        click(d, IDC_GX_LABELS_ON);
        for (int id : kXTickEdits)
            EXPECT_FALSE(readOnly(d, id)) << id;
        click(d, IDC_GY_TITLE_ON);
        EXPECT_FALSE(readOnly(d, IDC_GY_TITLE));
        // Font buttons stay usable whatever the boxes say.
        EXPECT_TRUE(control(d, IDC_GY_LABEL_FONT)->isEnabled());
        click(d, IDCANCEL);
    });
    g.SetAxisParm();
    EXPECT_EQ(g.m_bYTitle, 0);
}

TEST(GridAxisDialogLive, LengthAndScaleFollowPerDirection)
{
    CMyGridAxis g = tenByTen();
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_GX_LENGTH, "2");
        EXPECT_EQ(text(d, IDC_GX_SCALE), "5.0000000");
        type(d, IDC_GX_LENGTH, "0");
        EXPECT_EQ(text(d, IDC_GX_SCALE), "0.5000000");
        retype(d, IDC_GY_SCALE, "4");
        EXPECT_EQ(text(d, IDC_GY_LENGTH), "2.5000000");
        EXPECT_EQ(text(d, IDC_GX_LENGTH), "20");  // the other direction is untouched

        retype(d, IDC_GX_MIN, "5");
        EXPECT_EQ(text(d, IDC_GX_LENGTH), "10.0000000");
        retype(d, IDC_GX_MAX, "3");
        EXPECT_EQ(text(d, IDC_GX_MAX), "10.0000000");
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(boxes.texts[0], "输入错误！请重输");

        retype(d, IDC_GY_MIN, "0.1234567891");
        EXPECT_DOUBLE_EQ(gridDialog(d).m_dYMin, 0.12345679104328156);
        click(d, IDOK);
    });
    g.SetAxisParm();
    EXPECT_DOUBLE_EQ(g.m_dXMin, 5.0);
    EXPECT_DOUBLE_EQ(g.m_dXLength, 10.0);
    EXPECT_DOUBLE_EQ(g.m_dXScale, 0.5);
    EXPECT_DOUBLE_EQ(g.m_dYScale, 4.0);
    EXPECT_EQ(g.m_nX1, 100);
    EXPECT_EQ(g.m_XLabels[0], CString("5.00"));
}

TEST(GridAxisDialogOk, ScalesBelowTheSmallestAreRefusedAtOk)
{
    CMyGridAxis g = tenByTen();
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_GX_SCALE, "0");
        EXPECT_TRUE(boxes.texts.empty());
        EXPECT_EQ(text(d, IDC_GX_SCALE), "0");
        click(d, IDOK);
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(boxes.texts[0], "X向比例尺输入错误！请重输");
        retype(d, IDC_GX_SCALE, "1");
        retype(d, IDC_GY_SCALE, "0");
        click(d, IDOK);
        EXPECT_EQ(boxes.texts.back(), "Y向比例尺输入错误！请重输");
        retype(d, IDC_GY_LINE_WIDTH, "101");
        retype(d, IDC_GY_SCALE, "2");
        click(d, IDOK);
        EXPECT_EQ(boxes.texts.back(), "请输入一个在 0 和 100 之间的数。");
        EXPECT_TRUE(d.m_hWnd->isVisible());
        retype(d, IDC_GY_LINE_WIDTH, "0.3");
        click(d, IDOK);
    });
    g.SetAxisParm();
    EXPECT_EQ(boxes.texts.size(), 3u);
    EXPECT_DOUBLE_EQ(g.m_dYScale, 2.0);
    EXPECT_DOUBLE_EQ(g.m_dYLineWidth, 0.3);
}

TEST(GridAxisDialogLive, ZeroScaleLeavesLengthAloneAndCancelKeepsAll)
{
    CMyGridAxis g = tenByTen();
    g.m_dXScale = 0;
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        retype(d, IDC_GX_MAX, "30");
        EXPECT_DOUBLE_EQ(gridDialog(d).m_dXMax, 30.0);
        EXPECT_EQ(text(d, IDC_GX_LENGTH), "10");
        retype(d, IDC_GY_TITLE, "深度");
        click(d, IDCANCEL);
    });
    g.SetAxisParm();
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_DOUBLE_EQ(g.m_dXMax, 10.0);
    EXPECT_EQ(g.m_strYTitle, CString("Y"));
}

// Decimals of the grid labels: 0 to 15 in either direction, the bound
// itself taken, one past it refused at OK with the range named.
TEST(GridAxisDialogOk, DecimalsAreTakenUpToFifteenInEitherDirection)
{
    for (const int id : {IDC_GX_DECIMALS, IDC_GY_DECIMALS}) {
        CMyGridAxis g = tenByTen();
        const int other = id == IDC_GX_DECIMALS ? g.m_nYDecimals : g.m_nXDecimals;
        MessageBoxes boxes;
        CDialog::ScriptNextModal([&](CDialog& d) {
            retype(d, id, "16");
            click(d, IDOK);
            EXPECT_EQ(boxes.texts, std::vector<std::string>{"请输入一个在 0 和 15 之间的整数。"});
            if (!d.m_hWnd->isVisible())
                return;  // 16 was taken: the dialog is gone
            retype(d, id, "15");
            click(d, IDOK);
        });
        g.SetAxisParm();
        EXPECT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(id == IDC_GX_DECIMALS ? g.m_nXDecimals : g.m_nYDecimals, 15);
        EXPECT_EQ(id == IDC_GX_DECIMALS ? g.m_nYDecimals : g.m_nXDecimals, other);
    }
}
