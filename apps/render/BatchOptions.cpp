#include "BatchOptions.h"

#include "platform/core/TextNumber.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <strings.h>

namespace {

bool wholeNumber(std::string_view s, int lo, int hi, int& out)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

}  // namespace

const char* BatchOptions::Usage()
{
    return "usage: tarnex-render batch INPUT... -o OUTDIR [--format png|svg|pdf|bmp] [--view V]\n"
           "                          [--dpi N] [--jobs N] [--shard K/N] [--quiet] [--no-index]\n"
           "                          [--plain]\n"
           "       tarnex-render batch INPUT... -o SURVEY.pdf [--page a4|letter|fit] [--view V]\n"
           "                          [--common-scale]\n"
           "                          [--dpi N] [--quiet]\n"
           "\n"
           "Draws one sounding chart a station. INPUT is a sounding file (five numbers a\n"
           "row), a folder of them, or a survey table (one row a sample: station,\n"
           "abscissa, measured R, measured V, modelled R, modelled V; blanks or commas;\n"
           "an optional header line; # starts a comment). The charts go into OUTDIR,\n"
           "named after the stations, with index.html showing them all; an output ending\n"
           "in .pdf writes one PDF instead, a page and a bookmark a station.\n"
           "\n"
           "  -o, --output OUT  the folder (made when missing) or the .pdf file\n"
           "  --format F        png, svg, pdf or bmp charts in the folder (default png)\n"
           "  --view V          auto (default): log-log when a station's values span\n"
           "                    more than two decades, else linear; linear; loglog\n"
           "  --model 1|2       the same as --view linear (1) or --view loglog (2)\n"
           "  --common-scale    every station on the same axes: those that hold all\n"
           "                    the stations' values\n"
           "  --page P          pages of the PDF: a4 (default) or letter, landscape, the\n"
           "                    chart fitted and centred; fit: each page the chart's size\n"
           "  --dpi N           resolution, 24 to 2400 (default 150)\n"
           "  --jobs N          threads drawing at once (default: one a processor)\n"
           "  --shard K/N       draw only the K-th of N parts (for job arrays)\n"
           "  --quiet           no progress and no summary; errors still\n"
           "  --no-index        no index.html and no thumbnails\n"
           "  --plain           the chart alone, as the library lays it out: no legend,\n"
           "                    no axis titles, labels where the chart puts them\n"
           "  --forward-dir DIR the modelled curves of each station are the response of\n"
           "                    DIR/STATION.txt (or DIR/STATION.model.txt), a layered\n"
           "                    model, with its misfit named; a station without one is\n"
           "                    named and drawn as it is\n"
           "\n"
           "Exit status: 0 every station drawn, 1 some stations or files failed (each\n"
           "named on stderr), 2 bad command line, 3 nothing could be drawn,\n"
           "130 interrupted (only complete files are left).\n";
}

bool BatchOptions::Book() const
{
    return output.size() > 4 && strcasecmp(output.c_str() + output.size() - 4, ".pdf") == 0;
}

bool BatchOptions::Parse(const std::vector<std::string>& args, std::string& error)
{
    bool formatGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string v;
        auto value = [&] {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        if (a == "-h" || a == "--help") {
            help = true;
        } else if (a == "-o" || a == "--output") {
            if (!value())
                return false;
            output = v;
        } else if (a == "--format") {
            if (!value())
                return false;
            std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::tolower(c); });
            if (v != "png" && v != "svg" && v != "pdf" && v != "bmp") {
                error = "--format takes png, svg, pdf or bmp, not \"" + TextNumber::Escape(v) + "\"";
                return false;
            }
            format = v;
            formatGiven = true;
        } else if (a == "--view") {
            if (!value())
                return false;
            if (v == "auto") model = 0;
            else if (v == "linear") model = 1;
            else if (v == "loglog") model = 2;
            else {
                error = "--view takes auto, linear or loglog, not \"" + TextNumber::Escape(v) + "\"";
                return false;
            }
        } else if (a == "--common-scale") {
            commonScale = true;
        } else if (a == "--page") {
            if (!value())
                return false;
            std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::tolower(c); });
            if (v != "a4" && v != "letter" && v != "fit") {
                error = "--page takes a4, letter or fit, not \"" + TextNumber::Escape(v) + "\"";
                return false;
            }
            page = v;
        } else if (a == "--model") {
            if (!value())
                return false;
            if (!wholeNumber(v, 1, 2, model)) {
                error = "--model takes 1 or 2, not \"" + TextNumber::Escape(v) + "\"";
                return false;
            }
        } else if (a == "--dpi") {
            if (!value())
                return false;
            if (!wholeNumber(v, 24, 2400, dpi)) {
                error = "--dpi takes a whole number from 24 to 2400, not \"" + TextNumber::Escape(v) + "\"";
                return false;
            }
        } else if (a == "--jobs" || a == "-j") {
            if (!value())
                return false;
            if (!wholeNumber(v, 1, kMaxJobs, jobs)) {
                error = "--jobs takes a whole number from 1 to 256, not \"" + TextNumber::Escape(v) + "\"";
                return false;
            }
        } else if (a == "--shard") {
            if (!value())
                return false;
            const size_t slash = v.find('/');
            if (slash == std::string::npos || !wholeNumber(std::string_view(v).substr(slash + 1), 1, kMaxShards, shards) ||
                !wholeNumber(std::string_view(v).substr(0, slash), 1, shards, shard)) {
                error = "--shard takes K/N with 1 <= K <= N <= 100000, not \"" + TextNumber::Escape(v) + "\"";
                return false;
            }
        } else if (a == "--quiet" || a == "-q") {
            quiet = true;
        } else if (a == "--no-index") {
            index = false;
        } else if (a == "--plain") {
            plain = true;
        } else if (a == "--forward-dir") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = "--forward-dir needs a folder";
                return false;
            }
            forwardDir = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + TextNumber::Escape(a) + " (see batch --help)";
            return false;
        } else {
            inputs.push_back(a);
        }
    }
    if (help)
        return true;
    if (inputs.empty()) {
        error = "batch needs at least one input: sounding files, folders of them, or a survey table";
        return false;
    }
    if (output.empty()) {
        error = "batch needs -o OUTDIR (or -o SURVEY.pdf)";
        return false;
    }
    if (Book() && formatGiven && format != "pdf") {
        error = "one PDF holds the charts as pages: --format " + format + " does not apply";
        return false;
    }
    if (Book() && shards > 1) {
        error = "one PDF cannot be drawn in shards: write to a folder with --format pdf instead";
        return false;
    }
    return true;
}
