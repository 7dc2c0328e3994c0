// The studio's screenshot programs: a widget or dialog written as a PNG into
// one folder, top-level windows with a plain title bar drawn around them.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QString>

class QImage;
class QWidget;

class ScreenShots {
public:
    // The folder named on the command line (argv[1]), else the current one.
    ScreenShots(int argc, char** argv);
    // Writes dir/name and says so on stdout (or why not, on stderr); false
    // when it could not.
    bool Save(QWidget* w, const char* name) const;

    // Writes image as a PNG file whole or not at all: encoded in memory,
    // then through the atomic writer (an existing file is kept when the
    // write fails). False with a one-line message.
    static bool WritePng(const QImage& image, const QString& path, QString& error);

    // A left-button press, move or release at a point of w, as a user's
    // mouse sends it: how the programs drive a drag to photograph it.
    static void Mouse(QWidget* w, QEvent::Type type, QPoint at);

private:
    QString m_dir;
};
