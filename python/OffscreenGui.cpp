#include "OffscreenGui.h"

#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <stdexcept>
#include <cstdlib>
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
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
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
}

}  // namespace pytarnex
