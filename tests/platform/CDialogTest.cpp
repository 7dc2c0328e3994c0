#include "axis/DialogDriver.h"

#include "platform/wnd/AfxModule.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/CEdit.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

using namespace dialogdriver;

namespace {

constexpr UINT kProbeDialog = 4101;

// A dialog that counts what its message map routes to it.
class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(kProbeDialog) {}
    CEdit m_edit;
    int m_nValue = 7;
    double m_dValue = 0.5;
    CString m_strText = "abc";
    int changes = 0;
    int modifiedChanges = 0;
    int picks = 0;
    std::vector<UINT_PTR> ticks;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 10, m_edit);
        DDX_Text(pDX, 10, m_nValue);
        DDV_MinMaxInt(pDX, m_nValue, 0, 9);
        DDX_Text(pDX, 11, m_dValue);
        DDX_Text(pDX, 12, m_strText);
        DDV_MaxChars(pDX, m_strText, 4);
    }
    void OnChangeValue()
    {
        ++changes;
        if (m_edit.GetModify())
            ++modifiedChanges;
    }
    void OnPick() { ++picks; }

public:
    void OnTimer(UINT_PTR id)
    {
        ticks.push_back(id);
        KillTimer(id);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeDialog, CDialog)
    ON_EN_CHANGE(10, OnChangeValue)
    ON_CBN_SELCHANGE(13, OnPick)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class ProbeModule : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = AfxRegisterExtensionModule("libprobe.so", "/tmp/libprobe.so", R"(
4101 DIALOG 0, 0, 120, 60
STYLE DS_MODALFRAME | WS_CAPTION | WS_SYSMENU
CAPTION "probe"
FONT 9, "Times New Roman"
BEGIN
    EDITTEXT 10, 4, 4, 40, 12
    EDITTEXT 11, 4, 20, 40, 12
    EDITTEXT 12, 4, 36, 40, 12
    COMBOBOX 13, 60, 4, 40, 40, CBS_DROPDOWNLIST
    DEFPUSHBUTTON "OK", IDOK, 60, 40, 25, 14
END
4101 DLGINIT
BEGIN
    13, "a", "b"
END
)");
    }
    void TearDown() override { AfxTermExtensionModule(m_module); }
    HINSTANCE m_module = nullptr;
};

}  // namespace

TEST_F(ProbeModule, ChangesReachTheMapAndOnlyTypingSetsTheModifiedFlag)
{
    ProbeDialog dlg;
    MessageBoxes boxes;
    CDialog::ScriptNextModal([&](CDialog& d) {
        EXPECT_EQ(dlg.changes, 1);  // the initial exchange wrote the text
        EXPECT_EQ(dlg.modifiedChanges, 0);
        retype(d, 10, "3");
        EXPECT_EQ(dlg.changes, 2);
        EXPECT_EQ(dlg.modifiedChanges, 1);
        dlg.m_edit.SetWindowText("4");
        EXPECT_EQ(dlg.changes, 3);
        EXPECT_FALSE(dlg.m_edit.GetModify());
        pick(d, 13, 1);
        EXPECT_EQ(dlg.picks, 1);
        dlg.SetTimer(5, 1, nullptr);
        dlg.SendMessage(WM_TIMER, 5);
        EXPECT_EQ(dlg.ticks, (std::vector<UINT_PTR>{5}));
        EXPECT_FALSE(dlg.HasTimer(5));

        retype(d, 12, "abcde");
        EXPECT_EQ(text(d, 12), "abcd");  // the exchange limited the box
        retype(d, 12, "ab");
        retype(d, 11, "1e400");
        click(d, IDOK);
        ASSERT_FALSE(boxes.texts.empty());
        EXPECT_EQ(boxes.texts.back(), "请输入一个数。");
        retype(d, 11, " 2.25 ");
        retype(d, 10, "x");
        click(d, IDOK);
        EXPECT_EQ(boxes.texts.back(), "请输入一个整数。");
        retype(d, 10, "8");
        click(d, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(dlg.m_nValue, 8);
    EXPECT_DOUBLE_EQ(dlg.m_dValue, 2.25);
    EXPECT_EQ(dlg.m_strText, CString("ab"));
    EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr);  // the control went with the window
}

TEST_F(ProbeModule, TimerTicksArriveThroughTheEventLoop)
{
    ProbeDialog dlg;
    CDialog::ScriptNextModal([&](CDialog& d) {
        d.SetTimer(3, 5, nullptr);
        // Until the first tick, or a deadline far beyond any machine's delay.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!dlg.ticks.empty())
                loop.quit();
        });
        poll.start(1);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        EXPECT_EQ(dlg.ticks, (std::vector<UINT_PTR>{3}));
        EXPECT_FALSE(d.HasTimer(3));  // the handler killed it
        click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(ProbeModule, UnansweredRunsEndWithCancel)
{
    const int before = CDialog::ModalRunsCancelledForNobody();
    ProbeDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);  // nobody to answer on the offscreen display
    CDialog::ScriptNextModal([](CDialog&) {});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);  // a script that leaves it open
    EXPECT_EQ(CDialog::ModalRunsCancelledForNobody(), before + 2);

    CDialog missing(9999);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(AfxShowMessageBox("nobody reads this", nullptr, MB_YESNO), IDYES);
}

TEST(AfxModuleChain, ModulesJoinAndLeaveByName)
{
    HINSTANCE app = AfxGetInstanceHandle();
    EXPECT_EQ(GetModuleHandle(nullptr), app);
    EXPECT_EQ(AfxGetResourceHandle(), app);
    ASSERT_NE(GetModuleHandle("libtarnex.so"), nullptr);  // joined when loaded
    EXPECT_EQ(GetModuleHandle("/usr/lib/libtarnex.so"), GetModuleHandle("libtarnex.so"));
    EXPECT_EQ(GetModuleHandle("libnothing.so"), nullptr);

    HINSTANCE extra = AfxRegisterExtensionModule("libextra.so", "", nullptr);
    AfxSetResourceHandle(extra);
    AfxTermExtensionModule(extra);
    EXPECT_EQ(GetModuleHandle("libextra.so"), nullptr);
    EXPECT_EQ(AfxGetResourceHandle(), app);  // leaving while current gives the application back

    HINSTANCE broken = AfxRegisterExtensionModule("libbroken.so", "", [] { return std::string("1 DIALOG 0\n"); });
    EXPECT_EQ(broken->FindDialog(1), nullptr);
    AfxTermExtensionModule(broken);
}

TEST(CWndWindows, ObjectsLetGoOfWidgetsTheirParentDestroys)
{
    auto* top = new QWidget;
    CWnd frame;
    frame.Attach(top);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_CENTER, CRect(2, 3, 52, 23), &frame, 42));
    EXPECT_EQ(frame.GetDlgItem(42), &edit);
    EXPECT_EQ(edit.GetParent(), &frame);
    EXPECT_EQ(edit.m_hWnd->geometry(), QRect(2, 3, 50, 20));
    CButton box;
    ASSERT_TRUE(box.Create("选", WS_CHILD | BS_AUTOCHECKBOX, CRect(0, 30, 40, 45), &frame, 43));
    frame.CheckDlgButton(43, BST_CHECKED);
    EXPECT_EQ(frame.IsDlgButtonChecked(43), BST_CHECKED);
    auto* plain = new QLineEdit(top);  // a control no object claims
    CWnd::AssignControlId(plain, 44);
    CWnd* temporary = frame.GetDlgItem(44);
    ASSERT_NE(dynamic_cast<CEdit*>(temporary), nullptr);
    delete top;  // the toolkit takes the widgets down
    EXPECT_EQ(frame.m_hWnd, nullptr);
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(box.m_hWnd, nullptr);
    EXPECT_EQ(frame.GetDlgItem(42), nullptr);
}
