// Shows the profiles page offscreen, opens the line-style dialog by a
// double-click inside the panel as a user would, and writes screenshots:
//   tarnex-profile-shot [DIR]   (default: the current directory)
#include "ProfilePage.h"

#include "ScreenShots.h"
#include "platform/wnd/CDialog.h"
#include "res/resource.h"

#include <QApplication>
#include <QListWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const ScreenShots shots(argc, argv);

    ProfilePage page;
    page.resize(page.sizeHint());
    page.show();
    bool ok = shots.Save(&page, "profile-page.png");

    CDialog::ScriptNextModal([&](CDialog& d) {
        d.m_hWnd->show();
        if (CWnd* l = d.GetDlgItem(IDC_PROF_LIST))
            if (auto* list = qobject_cast<QListWidget*>(l->m_hWnd)) {
                list->setFocus();
                list->setCurrentRow(1);
            }
        ok &= shots.Save(d.m_hWnd, "profile-line-dialog.png");
        d.EndDialog(IDCANCEL);
    });
    const CRect& r = page.Panel().m_rcPanel;
    page.EditAt(page.ToPixel(CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2)));
    return ok ? 0 : 1;
}
