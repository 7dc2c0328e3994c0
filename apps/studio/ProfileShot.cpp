// Shows the profiles page offscreen, opens the line-style dialog by a
// double-click inside the panel as a user would, and writes screenshots:
//   tarnex-profile-shot [DIR]   (default: the current directory)
#include "ProfilePage.h"

#include "platform/wnd/CDialog.h"
#include "res/resource.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPainter>

#include <cstdio>

namespace {

QString g_dir;

// Offscreen windows have no frame: the shot gets a plain title bar.
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
    p.drawText(QRect(8, 1, body.width() - 16, bar - 1), Qt::AlignVCenter | Qt::AlignLeft, w->windowTitle());
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

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(g_dir);

    ProfilePage page;
    page.resize(page.sizeHint());
    page.show();
    bool ok = save(&page, "profile-page.png");

    CDialog::ScriptNextModal([&](CDialog& d) {
        d.m_hWnd->show();
        if (CWnd* l = d.GetDlgItem(IDC_PROF_LIST))
            if (auto* list = qobject_cast<QListWidget*>(l->m_hWnd)) {
                list->setFocus();
                list->setCurrentRow(1);
            }
        ok &= save(d.m_hWnd, "profile-line-dialog.png");
        d.EndDialog(IDCANCEL);
    });
    const CRect& r = page.Panel().m_rcPanel;
    page.EditAt(page.ToPixel(CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2)));
    return ok ? 0 : 1;
}
