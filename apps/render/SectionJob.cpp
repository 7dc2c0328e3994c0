#include "SectionJob.h"

#include "RenderJob.h"
#include "RenderOptions.h"

#include "chart/ChartExporter.h"
#include "geometry/PolyModelFile.h"
#include "geometry/SectionSheet.h"
#include "geometry/TMOD2D.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace {

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tarnex-render: %s\n", msg.toLocal8Bit().constData());
}

}  // namespace

const char* SectionJob::Usage()
{
    return "usage: tarnex-render section [FILE] [-o OUT] [--dpi N]\n"
           "\n"
           "Draws the section of the 2-D polygon model in FILE (or of the bundled\n"
           "sample) at true scale, with a colour bar of resistivity in ohm-metres.\n"
           "FILE: \"vertex ID X Z\", \"body NAME RHO ring\" and \"hole NAME ring\" lines,\n"
           "rings closed on their first vertex; # starts a comment.\n"
           "\n"
           "  -o, --output OUT  output file: .png, .svg, .pdf or .bmp (default section.png)\n"
           "  --dpi N           resolution, 24 to 2400 (default 150)\n"
           "  -h, --help        this text\n";
}

bool SectionJob::Parse(const std::vector<std::string>& args, std::string& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            help = true;
        } else if (a == "-o" || a == "--output" || a == "--dpi") {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            const std::string& v = args[++i];
            if (a == "--dpi") {
                const auto r = std::from_chars(v.data(), v.data() + v.size(), dpi);
                if (v.empty() || r.ec != std::errc() || r.ptr != v.data() + v.size() ||
                    dpi < RenderOptions::kMinDpi || dpi > RenderOptions::kMaxDpi) {
                    error = "--dpi takes a whole number from 24 to 2400, not \"" + v + "\"";
                    return false;
                }
            } else if (v.empty()) {
                error = "the output file name is empty";
                return false;
            } else {
                output = v;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a + " (see section --help)";
            return false;
        } else if (input.empty()) {
            input = a;
        } else {
            error = "more than one input file: " + input + " and " + a;
            return false;
        }
    }
    if (!ChartExporter::IsSupported(output.c_str())) {
        error = "unknown output type for " + output + ": use .png, .svg, .pdf or .bmp";
        return false;
    }
    return true;
}

int SectionJob::Run(char** argv, const std::vector<std::string>& args)
{
    SectionJob job;
    std::string error;
    if (!job.Parse(args, error)) {
        std::fprintf(stderr, "tarnex-render: %s\n", error.c_str());
        return 2;
    }
    if (job.help) {
        std::fputs(Usage(), stdout);
        return 0;
    }
    const std::string input = job.input.empty() ? RenderJob::BundledData("section-model.txt") : job.input;
    TMOD2D model;
    CString err;
    if (!PolyModelFile::Read(input.c_str(), model, err)) {
        std::fprintf(stderr, "tarnex-render: %s\n", err.GetString());
        return 1;
    }
    SectionSheet sheet;
    if (!sheet.Load(model)) {
        std::fprintf(stderr, "tarnex-render: %s: the model has no extent to draw\n", input.c_str());
        return 1;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("TARNEX_DEBUG"))
        qInstallMessageHandler(quietMessages);
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    if (!ChartExporter::Export([&](CDC* dc) { sheet.Draw(dc); }, job.output.c_str(), job.dpi, err)) {
        std::fprintf(stderr, "tarnex-render: %s\n", err.GetString());
        return 1;
    }
    return 0;
}
