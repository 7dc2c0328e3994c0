#include "BatchOptions.h"

#include "OptionScanner.h"
#include "RenderOptions.h"

#include "chart/ChartExporter.h"

#include <strings.h>

namespace {

const char* const kSynopsis =
    "tarnex-render batch INPUT... -o OUTDIR [--format png|svg|pdf|bmp] [--view V]\n"
    "                          [--dpi N] [--jobs N] [--shard K/N] [--quiet] [--no-index]\n"
    "                          [--plain] [--forward-dir DIR]\n"
    "tarnex-render batch INPUT... -o SURVEY.pdf [--page a4|letter|fit] [--view V]\n"
    "                          [--common-scale] [--dpi N] [--quiet]";

const char* const kAbout =
    "Draws one sounding chart a station. INPUT is a sounding file (five numbers a\n"
    "row), a folder of them, or a survey table (one row a sample: station,\n"
    "abscissa, measured R, measured V, modelled R, modelled V; blanks or commas;\n"
    "an optional header line; # starts a comment). The charts go into OUTDIR,\n"
    "named after the stations, with index.html showing them all; an output ending\n"
    "in .pdf writes one PDF instead, a page and a bookmark a station.";

const char* const kExitStatus =
    "Exit status: 0 every station drawn, 1 some stations or files failed (each\n"
    "named on stderr), 2 bad command line, 3 nothing could be drawn,\n"
    "130 interrupted (only complete files are left).";

}  // namespace

void BatchOptions::addOptions(OptionScanner& scan, std::string& formatGiven)
{
    scan.Text("-o, --output", "OUT", "the folder (made when missing) or the .pdf file", output);
    scan.Choice("--format", "F",
                OptionScanner::ListFormats(ChartExporter::Formats(), "") + " charts in the folder (default png)",
                ChartExporter::Formats(), formatGiven);
    RenderOptions::AddViewOptions(scan, model, "a station's");
    scan.Flag("--common-scale", "every station on the same axes: those that hold all\nthe stations' values",
              commonScale);
    scan.Choice("--page", "P",
                "pages of the PDF: a4 (default) or letter, landscape, the\nchart fitted and centred; fit: each page "
                "the chart's size",
                {"a4", "letter", "fit"}, page);
    scan.Whole("--dpi", "N", "resolution, 24 to 2400 (default 150)", RenderOptions::kMinDpi, RenderOptions::kMaxDpi,
               dpi);
    scan.Whole("-j, --jobs", "N", "threads drawing at once (default: one a processor)", 1, kMaxJobs, jobs);
    scan.Shard("draw only the K-th of N parts (for job arrays)", shard, shards);
    scan.Flag("-q, --quiet", "no progress and no summary; errors still", quiet);
    scan.Flag("--no-index", "no index.html and no thumbnails", index, false);
    scan.Flag("--plain", "the chart alone, as the library lays it out: no legend,\nno axis titles, labels where the "
                         "chart puts them",
              plain);
    scan.Custom("--forward-dir", "DIR",
                "the modelled curves of each station are the response of\nDIR/STATION.txt (or DIR/STATION.model.txt), "
                "a layered\nmodel, with its misfit named; a station without one is\nnamed and drawn as it is",
                [this](const std::string& v, std::string& error) {
                    if (v.empty()) {
                        error = "--forward-dir needs a folder";
                        return false;
                    }
                    forwardDir = v;
                    return true;
                });
    scan.Operands([this](const std::string& a, std::string&) {
        inputs.push_back(a);
        return true;
    });
    scan.Epilogue(kExitStatus);
}

std::string BatchOptions::Usage()
{
    BatchOptions o;
    std::string formatGiven;
    OptionScanner scan(kSynopsis, kAbout);
    o.addOptions(scan, formatGiven);
    return scan.Help();
}

bool BatchOptions::Book() const
{
    return output.size() > 4 && strcasecmp(output.c_str() + output.size() - 4, ".pdf") == 0;
}

bool BatchOptions::Parse(const std::vector<std::string>& args, std::string& error)
{
    std::string formatGiven;
    OptionScanner scan(kSynopsis, kAbout);
    addOptions(scan, formatGiven);
    switch (scan.Parse(args, error)) {
    case OptionScanner::Outcome::Help: help = true; return true;
    case OptionScanner::Outcome::Bad: return false;
    case OptionScanner::Outcome::Run: break;
    }
    if (!formatGiven.empty())
        format = formatGiven;
    if (inputs.empty()) {
        error = "batch needs at least one input: sounding files, folders of them, or a survey table";
        return false;
    }
    if (output.empty()) {
        error = "batch needs -o OUTDIR (or -o SURVEY.pdf)";
        return false;
    }
    if (Book() && !formatGiven.empty() && format != "pdf") {
        error = "one PDF holds the charts as pages: --format " + format + " does not apply";
        return false;
    }
    if (Book() && shards > 1) {
        error = "one PDF cannot be drawn in shards: write to a folder with --format pdf instead";
        return false;
    }
    return true;
}
