#include "RenderOptions.h"

#include "OptionScanner.h"

#include "chart/ChartExporter.h"
#include "platform/core/TextNumber.h"

#include <climits>

namespace {

const char* const kSynopsis =
    "tarnex-render [FILE] [-o OUT] [--view auto|linear|loglog] [--dpi N] [--rows N] [--stream]\n"
    "              [--plain] [--forward MODEL [--loop-radius M | --loop-side M] [--rx-area M2] [--ramp US]]\n"
    "tarnex-render model [FILE] [-o OUT] [--dpi N] [--plain]\n"
    "tarnex-render axes [-o OUT] [--dpi N]\n"
    "tarnex-render profile [FILE] [-o OUT] [--dpi N]\n"
    "tarnex-render section [FILE] [-o OUT] [--dpi N]\n"
    "tarnex-render batch INPUT... -o OUTDIR|SURVEY.pdf [options] (see batch --help)";

const char* const kAbout =
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
    "bundled sample model.";

struct ChartWord {
    const char* word;
    RenderOptions::Chart chart;
    const char* output;
};
const ChartWord kCharts[] = {
    {"", RenderOptions::Chart::Sounding, "sounding.png"},
    {"model", RenderOptions::Chart::LayeredModel, "model.png"},
    {"axes", RenderOptions::Chart::Axes, "axes.png"},
    {"profile", RenderOptions::Chart::Profile, "profile.png"},
    {"section", RenderOptions::Chart::Section, "section.png"},
};

}  // namespace

void RenderOptions::addOptions(OptionScanner& scan, std::string& outputArg)
{
    const bool sounding = chart == Chart::Sounding;
    scan.Custom("-o, --output", "OUT",
                "output file: " + OptionScanner::ListFormats(ChartExporter::Formats(), ".") +
                    "\n(default sounding.png, model.png, axes.png, profile.png\nor section.png)",
                [&outputArg](const std::string& v, std::string& error) {
                    if (v.empty()) {
                        error = "the output file name is empty";
                        return false;
                    }
                    outputArg = v;
                    return true;
                });
    if (sounding) {
        AddViewOptions(scan, model, "the");
        forward.AddOptions(scan);
    } else {
        scan.Refuse("--view", "--view chooses the view of a sounding chart only");
        scan.Refuse("--model", "--model chooses the view of a sounding chart only");
        ForwardOption::RefuseOptions(scan);
    }
    scan.Whole("--dpi", "N", "resolution, 24 to 2400 (default 150)", kMinDpi, kMaxDpi, dpi);
    if (sounding) {
        scan.Whole("--rows", "N", "read the first N rows only (default: every row)", 1, INT_MAX, rows);
        scan.Flag("--stream", "read the sounding's numbers five at a time, whatever\nthe line breaks (no comments "
                              "or header)",
                  stream);
    } else {
        scan.Refuse("--rows", "--rows applies to sounding files only");
        scan.Refuse("--stream", "--stream applies to sounding files only");
    }
    if (sounding || chart == Chart::LayeredModel)
        scan.Flag("--plain", "the chart alone, as the library lays it out: no legend,\naxis titles, label spacing or "
                             "room beside the model",
                  plain);
    else
        scan.Refuse("--plain", "--plain applies to the sounding and model charts only");
    scan.Operands([this](const std::string& a, std::string& error) {
        if (chart == Chart::Axes) {
            error = "axes takes no input file (" + a + ")";
            return false;
        }
        if (!input.empty()) {
            error = "more than one input file: " + input + " and " + a;
            return false;
        }
        input = a;
        return true;
    });
}

void RenderOptions::AddViewOptions(OptionScanner& scan, int& model, const char* whose)
{
    scan.Custom("--view", "V",
                std::string("auto (default): log-log when ") + whose + " values span more\nthan two decades, else "
                "linear; linear: linear values;\nloglog: values on decades (by magnitude)",
                [&model](const std::string& v, std::string& error) {
                    if (v == "auto" || v == "linear" || v == "loglog") {
                        model = v == "auto" ? 0 : v == "linear" ? 1 : 2;
                        return true;
                    }
                    error = "--view takes auto, linear or loglog, not \"" + v + "\"";
                    return false;
                });
    scan.Whole("--model", "1|2", "the same as --view linear (1) or --view loglog (2)", 1, 2, model);
}

std::string RenderOptions::Usage()
{
    RenderOptions o;
    OptionScanner scan(kSynopsis, kAbout);
    std::string ignored;
    o.addOptions(scan, ignored);
    return scan.Help();
}

bool RenderOptions::Parse(const std::vector<std::string>& args, std::string& error)
{
    const ChartWord* form = &kCharts[0];
    for (const ChartWord& c : kCharts)
        if (*c.word && !args.empty() && args[0] == c.word)
            form = &c;
    chart = form->chart;
    OptionScanner scan(kSynopsis, kAbout);
    std::string outputArg;
    addOptions(scan, outputArg);
    const auto from = args.begin() + (*form->word ? 1 : 0);
    const OptionScanner::Outcome outcome = scan.Parse(std::vector<std::string>(from, args.end()), error);
    output = outputArg.empty() ? form->output : outputArg;
    if (outcome == OptionScanner::Outcome::Help) {
        help = true;
        return true;
    }
    if (outcome == OptionScanner::Outcome::Bad)
        return false;
    if (!forward.Check(error)) {
        error = TextNumber::Escape(error);
        return false;
    }
    std::string format;
    if (!OptionScanner::FormatOf(output, ChartExporter::Formats(), format)) {
        error = "unknown output type for " + TextNumber::Escape(output) + ": use " +
                OptionScanner::ListFormats(ChartExporter::Formats(), ".");
        return false;
    }
    return true;
}
