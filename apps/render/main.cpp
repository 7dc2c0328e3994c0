// tarnex-render: draws a chart of the library from a data file (or the
// bundled sample) into a PNG, SVG, PDF or BMP file, without a display.
#include "RenderJob.h"
#include "RenderOptions.h"
#include "SectionJob.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tarnex-render: %s\n", msg.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    // Sections parse and run on their own.
    if (!args.empty() && args[0] == "section")
        return SectionJob::Run(argv, std::vector<std::string>(args.begin() + 1, args.end()));
    RenderOptions opt;
    std::string error;
    if (!opt.Parse(args, error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", error.c_str());
        return 2;
    }
    if (opt.help) {
        std::fputs(RenderOptions::Usage(), stdout);
        return 0;
    }
    RenderJob job(opt);
    if (!job.Prepare(error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", error.c_str());
        return 1;
    }
    // A command-line renderer needs no display, and the framework's chatter
    // (missing runtime folders and the like) is not the user's business.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("TARNEX_DEBUG"))
        qInstallMessageHandler(quietMessages);
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    if (!job.Render(error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
