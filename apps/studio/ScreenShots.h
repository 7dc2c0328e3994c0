// The studio's screenshot programs: a widget or dialog written as a PNG into
// one folder, top-level windows with a plain title bar drawn around them.
#pragma once

#include <QString>

class QWidget;

class ScreenShots {
public:
    // The folder named on the command line (argv[1]), else the current one.
    ScreenShots(int argc, char** argv);
    // Writes dir/name and says so on stdout; false when it could not.
    bool Save(QWidget* w, const char* name) const;

private:
    QString m_dir;
};
