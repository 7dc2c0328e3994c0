// The Qt application the charts draw under. Python brings none, and text
// and images need a QGuiApplication; the module makes one on first use,
// on the offscreen platform, so no chart needs a display.
#pragma once

namespace pytarnex {

// Makes the application when none exists yet: with QT_QPA_PLATFORM unset
// on the offscreen platform; a platform the user set is tried first, with
// offscreen as its fallback. The variable and the process's locale are
// restored afterwards, so Python's number formatting and the programs it
// starts later are left as they were. An application made by someone else (a Qt GUI program
// embedding Python) is used as it is. Raises RuntimeError when only a
// QCoreApplication exists, which cannot draw text.
void EnsureGui();

}  // namespace pytarnex
