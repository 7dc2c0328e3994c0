// Shows the axes page offscreen, opens each dialog by a double-click as a
// user would, and writes screenshots of the page and the dialogs:
//   tarnex-axes-shot [DIR]   (default: the current directory)
#include "AxesPage.h"

#include "axis/CMyFontDialog.h"
#include "platform/wnd/CDialog.h"
#include "res/resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>

#include <cstdio>

namespace {

QString g_dir;

// The offscreen display draws no window frames: top-level windows get a
// plain title bar with their caption, so the shot shows what a desktop would.
QImage framed(QWidget* w)
{
    const QPixmap body = w->grab();
    if (!w->isWindow())
        return body.toImage();
    const int bar = 26;
    QImage img(body.width() + 2, body.height() + bar + 1, QImage::Format_RGB32);
    img.fill(QColor(120, 120, 120));
    QPainter p(&img);
    p.fillRect(1, 1, body.width(), bar - 1, QColor(225, 232, 242));
    QFont f = w->font();
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRect(8, 1, body.width() - 40, bar - 1), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
    p.drawText(QRect(body.width() - 26, 1, 24, bar - 1), Qt::AlignCenter, QStringLiteral("×"));
    p.drawPixmap(1, bar, body);
    return img;
}

bool save(QWidget* w, const char* name)
{
    const QString path = g_dir + QLatin1Char('/') + QLatin1String(name);
    const bool ok = framed(w).save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.toUtf8().constData());
    return ok;
}

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
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(g_dir);

    AxesPage page;
    page.resize(page.sizeHint());
    page.show();
    bool ok = save(&page, "axes-page.png");

    // The horizontal axis: its dialog, then the font dialog over it, then a new maximum.
    CDialog::ScriptNextModal([&](CDialog& d) {
        ok &= save(d.m_hWnd, "axis-dialog.png");
        CDialog::ScriptNextModal([&](CDialog& f) {
            ok &= save(f.m_hWnd, "axis-font-dialog.png");
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
        ok &= save(d.m_hWnd, "grid-axis-dialog.png");
        press(d, IDCANCEL);
    });
    const CMyGridAxis& g = page.Sheet().m_grid;
    page.EditAt(page.ToPixel(CPoint(g.m_nXMid, g.m_nYMid)));

    ok &= save(&page, "axes-page-edited.png");
    return ok ? 0 : 1;
}
