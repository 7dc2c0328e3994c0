#include "RenderOptions.h"

#include "platform/core/TextNumber.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool parseInt(const std::string& s, int lo, int hi, int& out)
{
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || s[0] == '-' || s[0] == '+'))
        return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < lo || v > hi)
        return false;
    out = static_cast<int>(v);
    return true;
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool formatOf(const std::string& path, RenderOptions::Format& f)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    const std::string ext = lower(path.substr(dot + 1));
    if (ext == "png") f = RenderOptions::Format::Png;
    else if (ext == "svg") f = RenderOptions::Format::Svg;
    else if (ext == "pdf") f = RenderOptions::Format::Pdf;
    else if (ext == "bmp") f = RenderOptions::Format::Bmp;
    else return false;
    return true;
}

}  // namespace

const char* RenderOptions::Usage()
{
    return "usage: tarnex-render [FILE] [-o OUT] [--view auto|linear|loglog] [--dpi N] [--rows N] [--stream]\n"
           "                    [--plain] [--forward MODEL [--loop-radius M | --loop-side M] [--rx-area M2] [--ramp US]]\n"
           "       tarnex-render model [FILE] [-o OUT] [--dpi N] [--plain]\n"
           "       tarnex-render axes [-o OUT] [--dpi N]\n"
           "       tarnex-render profile [FILE] [-o OUT] [--dpi N]\n"
           "       tarnex-render section [FILE] [-o OUT] [--dpi N]\n"
           "       tarnex-render batch INPUT... -o OUTDIR|SURVEY.pdf [options] (see batch --help)\n"
           "\n"
           "Draws the sounding curve chart of FILE (one row a line, five numbers:\n"
           "abscissa, measured R, measured V, modelled R, modelled V, or three for\n"
           "a measured-only sounding; blanks or commas; # starts a comment; the\n"
           "first line may name the columns: t(s), time_ms, t_us, freq_Hz, period_s),\n"
           "or of the bundled sample when no FILE is given, with a legend and axis\n"
           "titles in the units that suit the data.\n"
           "With \"model\", draws the layered-model chart of FILE (one layer a line:\n"
           "thickness and resistivity; the last line the half-space's resistivity;\n"
           "# starts a comment), or of the bundled sample model.\n"
           "With \"axes\", draws a sample sheet: a horizontal and a vertical axis\n"
           "meeting at one origin, and a grid axis.\n"
           "With \"profile\", draws the profile panel of FILE (position along the line,\n"
           "then one column a profile; an optional header line names the columns;\n"
           "blanks or commas between numbers; # starts a comment), or of the bundled\n"
           "sample line.\n"
           "With \"section\", draws the section of the 2-D polygon model in FILE at\n"
           "true scale with a colour bar of resistivity (\"vertex ID X Z\", \"body NAME\n"
           "RHO ring\" and \"hole NAME ring\" lines; # starts a comment), or of the\n"
           "bundled sample model.\n"
           "\n"
           "  -o, --output OUT  output file: .png, .svg, .pdf or .bmp\n"
           "                    (default sounding.png, model.png, axes.png, profile.png\n"
           "                    or section.png)\n"
           "  --view V          auto (default): log-log when the values span more than\n"
           "                    two decades, else linear; linear: linear values;\n"
           "                    loglog: values on decades (by magnitude)\n"
           "  --model 1|2       the same as --view linear (1) or --view loglog (2)\n"
           "  --dpi N           resolution, 24 to 2400 (default 150)\n"
           "  --rows N          read the first N rows only (default: every row)\n"
           "  --stream          read the sounding's numbers five at a time, whatever\n"
           "                    the line breaks (no comments or header)\n"
           "  --plain           the chart alone, as the library lays it out: no legend,\n"
           "                    axis titles, label spacing or room beside the model\n"
           "  -h, --help        this text\n"
           "  --version         the program's version\n";
}

bool RenderOptions::Parse(const std::vector<std::string>& args, std::string& error)
{
    if (parseArgs(args, error))
        return true;
    // Arguments are echoed in the message: control bytes (a line feed, a
    // terminal escape) must not reach the terminal raw.
    error = TextNumber::Escape(error);
    return false;
}

bool RenderOptions::parseArgs(const std::vector<std::string>& args, std::string& error)
{
    size_t first = 0;
    if (!args.empty() && args[0] == "model") {
        chart = Chart::LayeredModel;
        first = 1;
    } else if (!args.empty() && args[0] == "axes") {
        chart = Chart::Axes;
        first = 1;
    } else if (!args.empty() && args[0] == "profile") {
        chart = Chart::Profile;
        first = 1;
    } else if (!args.empty() && args[0] == "section") {
        chart = Chart::Section;
        first = 1;
    }
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "-h" || a == "--help") {
            help = true;
        } else if (a == "-o" || a == "--output") {
            if (!value(output))
                return false;
            if (output.empty()) {
                error = "the output file name is empty";
                return false;
            }
        } else if (a == "--model") {
            if (chart != Chart::Sounding) {
                error = "--model chooses the view of a sounding chart only";
                return false;
            }
            if (!value(v))
                return false;
            if (!parseInt(v, 1, 2, model)) {
                error = "--model takes 1 or 2, not \"" + v + "\"";
                return false;
            }
        } else if (a == "--view") {
            if (chart != Chart::Sounding) {
                error = "--view chooses the view of a sounding chart only";
                return false;
            }
            if (!value(v))
                return false;
            if (v == "auto") model = 0;
            else if (v == "linear") model = 1;
            else if (v == "loglog") model = 2;
            else {
                error = "--view takes auto, linear or loglog, not \"" + v + "\"";
                return false;
            }
        } else if (a == "--dpi") {
            if (!value(v))
                return false;
            if (!parseInt(v, kMinDpi, kMaxDpi, dpi)) {
                error = "--dpi takes a whole number from 24 to 2400, not \"" + v + "\"";
                return false;
            }
        } else if (a == "--rows") {
            if (chart != Chart::Sounding) {
                error = "--rows applies to sounding files only";
                return false;
            }
            if (!value(v))
                return false;
            if (!parseInt(v, 1, INT_MAX, rows)) {
                error = "--rows takes a positive whole number, not \"" + v + "\"";
                return false;
            }
        } else if (a == "--stream") {
            if (chart != Chart::Sounding) {
                error = "--stream applies to sounding files only";
                return false;
            }
            stream = true;
        } else if (a == "--plain") {
            if (chart != Chart::Sounding && chart != Chart::LayeredModel) {
                error = "--plain applies to the sounding and model charts only";
                return false;
            }
            plain = true;
        } else if (const auto t = forward.TakeArg(args, i, error); t != ForwardOption::Take::No) {
            if (t == ForwardOption::Take::Bad)
                return false;
            if (chart != Chart::Sounding) {
                error = a + " applies to sounding files only";
                return false;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a + " (see --help)";
            return false;
        } else if (chart == Chart::Axes) {
            error = "axes takes no input file (" + a + ")";
            return false;
        } else if (input.empty()) {
            input = a;
        } else {
            error = "more than one input file: " + input + " and " + a;
            return false;
        }
    }
    if (!forward.Check(error))
        return false;
    if (output.empty())
        output = chart == Chart::LayeredModel ? "model.png"
                 : chart == Chart::Axes       ? "axes.png"
                 : chart == Chart::Profile    ? "profile.png"
                 : chart == Chart::Section    ? "section.png"
                                              : "sounding.png";
    if (!formatOf(output, format)) {
        error = "unknown output type for " + output + ": use .png, .svg, .pdf or .bmp";
        return false;
    }
    return true;
}
