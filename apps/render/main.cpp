// tarnex-render: draws a chart of the library from a data file (or the
// bundled sample) into a PNG, SVG, PDF or BMP file, without a display.
#include "BatchCommand.h"
#include "OptionScanner.h"
#include "RenderJob.h"
#include "RenderOptions.h"

#include "platform/core/TextNumber.h"

#include <QGuiApplication>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <system_error>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tarnex-render: %s\n", TextNumber::Escape(msg.toStdString()).c_str());
}

int run(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::puts("tarnex-render " TARNEX_VERSION);
        return 0;
    }
    // Many stations at once: a command of its own with its own options.
    if (!args.empty() && args[0] == "batch")
        return RunBatchCommand(std::vector<std::string>(args.begin() + 1, args.end()), argv[0]);
    RenderOptions opt;
    std::string error;
    if (!opt.Parse(args, error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", TextNumber::Escape(error).c_str());
        return OptionScanner::kExitBadCommandLine;
    }
    if (opt.help) {
        std::fputs(RenderOptions::Usage().c_str(), stdout);
        return OptionScanner::kExitOk;
    }
    RenderJob job(opt);
    if (!job.Prepare(error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", TextNumber::Escape(error).c_str());
        return 1;
    }
    if (!job.Note().empty())
        std::fprintf(stderr, "tarnex-render: note: %s\n", TextNumber::Escape(job.Note()).c_str());
    if (!job.Misfit().empty())
        std::fprintf(stderr, "%s\n", job.Misfit().c_str());
    // A command-line renderer needs no display, and the framework's chatter
    // (missing runtime folders and the like) is not the user's business.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("TARNEX_DEBUG"))
        qInstallMessageHandler(quietMessages);
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    // Qt takes the user's locale for the C library; numbers stay in "C".
    std::setlocale(LC_NUMERIC, "C");
    if (!job.Render(error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", TextNumber::Escape(error).c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Past a file size limit a write fails with an error the output path
    // reports, instead of the signal ending the process mid-file.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::fputs("tarnex-render: out of memory: the input or the image is too large for this machine\n", stderr);
        return 1;
    } catch (const std::system_error& e) {
        // No thread or other resource of the system left.
        std::fprintf(stderr, "tarnex-render: %s\n", TextNumber::Escape(e.what()).c_str());
        return 1;
    }
}
