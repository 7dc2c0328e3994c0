#include "ScreenShots.h"

#include <QApplication>
#include <QMouseEvent>

#include "platform/core/TextNumber.h"
#include "platform/core/AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <csignal>
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
    // Past a file size limit a write fails and is reported, instead of the
    // signal ending the program mid-file.
    std::signal(SIGXFSZ, SIG_IGN);
    QDir().mkpath(m_dir);
}

bool ScreenShots::WritePng(const QImage& image, const QString& path, QString& error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        error = QStringLiteral("cannot encode %1").arg(path);
        return false;
    }
    CString err;
    if (!AtomicFile::WriteBytes(path.toUtf8().constData(), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), err)) {
        error = QString::fromUtf8(TextNumber::Escape(err.str()));
        return false;
    }
    return true;
}

bool ScreenShots::Save(QWidget* w, const char* name) const
{
    const QString path = m_dir + QLatin1Char('/') + QLatin1String(name);
    QString error;
    const bool ok = WritePng(framed(w), path, error);
    if (ok)
        std::printf("wrote %s\n", path.toUtf8().constData());
    else
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
    return ok;
}

void ScreenShots::Mouse(QWidget* w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
