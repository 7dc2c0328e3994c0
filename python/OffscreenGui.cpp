#include "OffscreenGui.h"

#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <stdexcept>
#include <cstdlib>
#include <optional>
#include <string>

namespace pytarnex {

namespace {

// Qt's start-up chatter (no runtime folder and the like) is not the
// notebook user's business; errors still show.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tarnex: %s\n", msg.toLocal8Bit().constData());
}

}  // namespace

void EnsureGui()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app) {
        if (!qobject_cast<QGuiApplication*>(app))
            throw std::runtime_error("tarnex draws charts under a QGuiApplication, and this process runs a "
                                       "QCoreApplication that cannot draw text");
        return;
    }
    // Qt reads the platform when the application is made; the variable is
    // put back afterwards, so programs started from Python later still get
    // the user's display. A platform the user chose is tried first, with
    // offscreen behind it, so a missing display falls back instead of
    // aborting the interpreter.
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    const std::optional<std::string> saved = chosen ? std::optional<std::string>(chosen) : std::nullopt;
    std::string platform = "offscreen";
    if (saved && !saved->empty())
        platform = saved->find("offscreen") == std::string::npos ? *saved + ";offscreen" : *saved;
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    // Qt takes the user's locale for the C library; Python's stays.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    const QtMessageHandler previous = qInstallMessageHandler(std::getenv("TARNEX_DEBUG") ? nullptr : quietMessages);
    // Lives as long as the process: argc and argv must outlive it, and an
    // application torn down while Python finalises could outlast the fonts
    // and images of objects not yet collected.
    static int argc = 1;
    static char name[] = "tarnex";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    qInstallMessageHandler(previous);
    std::setlocale(LC_ALL, locale.c_str());
    if (saved)
        setenv("QT_QPA_PLATFORM", saved->c_str(), 1);
    else
        unsetenv("QT_QPA_PLATFORM");
}

}  // namespace pytarnex
