#include "axis/DialogDriver.h"

#include "axis/CMyAxis.h"
#include "frame/CModuleResGuard.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/AfxModule.h"
#include "res/resource.h"

#include <gtest/gtest.h>

// A host whose own module carries a template 2003 still gets the library's
// inside SetAxisParm, and its own outside.
TEST(CModuleResGuard, LibraryTemplateWinsOverTheHostsOfTheSameId)
{
    HINSTANCE app = AfxGetInstanceHandle();
    app->AddDialogResources(R"(
2003 DIALOG 0, 0, 80, 40
STYLE WS_CAPTION
CAPTION "host dialog"
BEGIN
    DEFPUSHBUTTON "OK", IDOK, 10, 10, 30, 14
END
)");
    AfxSetResourceHandle(app);

    QString seen;
    CDialog::ScriptNextModal([&](CDialog& d) {
        seen = d.m_hWnd->windowTitle();
        EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandle(CModuleResGuard::kModuleName));
        dialogdriver::click(d, IDCANCEL);
    });
    CMyAxis axis;
    axis.SetAxisParm();
    EXPECT_EQ(seen, QStringLiteral("坐标轴参数"));
    EXPECT_EQ(AfxGetResourceHandle(), app);

    CDialog::ScriptNextModal([&](CDialog& d) {
        seen = d.m_hWnd->windowTitle();
        dialogdriver::click(d, IDCANCEL);
    });
    CDialog hostOwn(IDD_AXIS_PARAM);
    hostOwn.DoModal();
    EXPECT_EQ(seen, QStringLiteral("host dialog"));
    app->RemoveDialog(IDD_AXIS_PARAM);

    {
        HINSTANCE other = AfxRegisterExtensionModule("libother.so", "", nullptr);
        AfxSetResourceHandle(other);
        {
            CModuleResGuard guard;
            EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandle("libtarnex.so"));
        }
        EXPECT_EQ(AfxGetResourceHandle(), other);
        AfxTermExtensionModule(other);
    }
}
