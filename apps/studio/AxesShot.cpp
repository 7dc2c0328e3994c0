// Shows the axes page offscreen, opens each dialog by a double-click as a
// user would, and writes screenshots of the page and the dialogs:
//   tarnex-axes-shot [DIR]   (default: the current directory)
#include "AxesPage.h"

#include "axis/CMyFontDialog.h"
#include "ScreenShots.h"
#include "platform/wnd/CDialog.h"
#include "res/resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

namespace {

void press(CDialog& d, int id)
{
    if (CWnd* w = d.GetDlgItem(id))
        if (auto* b = qobject_cast<QAbstractButton*>(w->m_hWnd))
            b->click();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const ScreenShots shots(argc, argv);

    AxesPage page;
    page.resize(page.sizeHint());
    page.show();
    bool ok = shots.Save(&page, "axes-page.png");

    // The horizontal axis: its dialog, then the font dialog over it, then a new maximum.
    CDialog::ScriptNextModal([&](CDialog& d) {
        ok &= shots.Save(d.m_hWnd, "axis-dialog.png");
        CDialog::ScriptNextModal([&](CDialog& f) {
            ok &= shots.Save(f.m_hWnd, "axis-font-dialog.png");
            press(f, IDCANCEL);
        });
        press(d, IDC_AXIS_TITLE_FONT);
        if (auto* e = qobject_cast<QLineEdit*>(d.GetDlgItem(IDC_AXIS_MAX)->m_hWnd)) {
            e->selectAll();
            e->insert(QStringLiteral("60"));
        }
        press(d, IDOK);
    });
    const CPoint onX((page.Sheet().m_xAxis.m_ptStart.x + page.Sheet().m_xAxis.m_ptEnd.x) / 2,
                     page.Sheet().m_xAxis.m_ptStart.y);
    page.EditAt(page.ToPixel(onX));

    CDialog::ScriptNextModal([&](CDialog& d) {
        ok &= shots.Save(d.m_hWnd, "grid-axis-dialog.png");
        press(d, IDCANCEL);
    });
    const CMyGridAxis& g = page.Sheet().m_grid;
    page.EditAt(page.ToPixel(CPoint(g.m_nXMid, g.m_nYMid)));

    ok &= shots.Save(&page, "axes-page-edited.png");
    return ok ? 0 : 1;
}
