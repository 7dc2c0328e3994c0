#include "BatchCommand.h"

#include "BatchJob.h"
#include "BatchProgress.h"
#include "OptionScanner.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/TextNumber.h"
#include "platform/gdi/FontResolver.h"

#include <QGuiApplication>

#include <malloc.h>

#include <atomic>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// The first Ctrl+C lets the stations being drawn finish and stops there; a
// second one removes the temporary files of the charts being written and
// ends the process at once.
void onSignal(int sig)
{
    if (!g_stop.exchange(true))
        return;
    AtomicFile::RemoveTemporaries();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void catchStop()
{
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaddset(&sa.sa_mask, SIGINT);
    sigaddset(&sa.sa_mask, SIGTERM);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tarnex-render: %s\n", TextNumber::Escape(msg.toStdString()).c_str());
}

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args, char* argv0)
{
    BatchOptions opt;
    std::string error;
    if (!opt.Parse(args, error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", error.c_str());
        return BatchJob::kBadCommand;
    }
    if (opt.help) {
        std::fputs(BatchOptions::Usage().c_str(), stdout);
        return OptionScanner::kExitOk;
    }
    const auto start = std::chrono::steady_clock::now();
    BatchJob job(opt);
    if (!job.Prepare(error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", TextNumber::Escape(error).c_str());
        return BatchJob::kNoneDrawn;
    }
    // What listing and naming the stations left free goes back to the system.
    // From here each chart allocates and frees images of a few megabytes:
    // kept by the allocator instead of handed back and faulted in afresh,
    // they cost nothing the second time, and the peak stays where one chart
    // a thread puts it.
    malloc_trim(0);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("TARNEX_DEBUG"))
        qInstallMessageHandler(quietMessages);
    int qargc = 1;
    char* qargv[] = {argv0, nullptr};
    QGuiApplication app(qargc, qargv);
    std::setlocale(LC_NUMERIC, "C");
    // Before the drawing threads start: the substitutions are global to Qt.
    FontResolver::installSubstitutions();
    catchStop();

    const size_t total = job.ShardItems().size();
    BatchProgress progress(total, BatchProgress::ModeFor(opt.quiet));
    const int status = job.Run(g_stop, progress);
    if (!opt.quiet) {
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::string where = TextNumber::Escape(opt.output);
        if (opt.shards > 1)
            where += " (shard " + std::to_string(opt.shard) + "/" + std::to_string(opt.shards) + ")";
        std::fprintf(stderr, "tarnex-render: %zu of %zu stations drawn into %s in %.1f s (%.0f charts/s)", job.Drawn(),
                     total, where.c_str(), s, s > 0 ? static_cast<double>(job.Drawn()) / s : 0.0);
        if (job.Failed() > 0)
            std::fprintf(stderr, "; %zu failed", job.Failed());
        if (status == BatchJob::kInterrupted)
            std::fputs("; interrupted, only complete files were left", stderr);
        std::fputc('\n', stderr);
    }
    return status;
}
