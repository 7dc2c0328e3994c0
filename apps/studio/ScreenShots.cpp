#include "ScreenShots.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace {

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

}  // namespace

ScreenShots::ScreenShots(int argc, char** argv)
    : m_dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath())
{
    QDir().mkpath(m_dir);
}

bool ScreenShots::Save(QWidget* w, const char* name) const
{
    const QString path = m_dir + QLatin1Char('/') + QLatin1String(name);
    const bool ok = framed(w).save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.toUtf8().constData());
    return ok;
}
