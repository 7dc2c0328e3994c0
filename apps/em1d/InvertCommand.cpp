#include "InvertCommand.h"

#include "ForwardCommand.h"
#include "ModelReader.h"
#include "OptionScanner.h"
#include "SoundingData.h"
#include "SurveyInversion.h"
#include "SystemOptions.h"

#include "em1d/InversionError.h"
#include "em1d/ModelError.h"
#include "em1d/OccamInversion.h"
#include "em1d/TemForward.h"
#include "em1d/TemInversion.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/TextNumber.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {

struct Options {
    std::string sounding;
    int layers = 0;   // 0: not given
    std::string start, fix, noise, output, fit, spacing;
    bool smooth = false, quiet = false;
    int jobs = 0;
    int shard = 0, shards = 0;   // 0: not given
    SystemOptions system;
};

OptionScanner scannerFor(Options& o)
{
    OptionScanner s("tarnex-em1d invert SOUNDING [--layers N | --start MODEL | --smooth] [--fix \"rho2,h1\"]\n"
                    "                   [--noise PCT] [--loop-radius M | --loop-side M] [--rx-area M2] [--ramp US]\n"
                    "                   [-o MODEL_OUT] [--fit FIT_OUT]\n"
                    "tarnex-em1d invert SURVEY -o OUTDIR [--layers N | --smooth] [--jobs N] [--shard K/N] [--spacing M]\n"
                    "                   [--quiet] ...",
                    "Fits a layered model to the sounding's measured V (column 3): a few layers by\n"
                    "Levenberg-Marquardt, or with --smooth many thin layers by Occam's inversion.");
    s.Whole("--layers", "N", "layers of the few-layer model, the last a half-space (default 3; the start\n"
                             "model is made from the data)", 1, 30, o.layers);
    s.Text("--start", "MODEL", "start from this layered-model file (its layer count is kept)", o.start);
    s.Flag("--smooth", "smooth 30-layer model fitted to the noise level instead", o.smooth);
    s.Text("--fix", "LIST", "hold parameters: rho1, rho2, ... resistivities, h1, h2, ... thicknesses;\n"
                            "rho2=50 also sets the value held (--smooth: resistivities only)", o.fix);
    s.Text("--noise", "PCT", "error of every gate in % of its V (default 5): weights the gates, and\n"
                             "the smooth model is fitted to it", o.noise);
    o.system.Add(s);
    s.Text("-o, --output", "MODEL_OUT", "write the model here (default model.txt); for a survey the folder\n"
                                        "of STATION.model.txt, models.csv and section-model.txt", o.output);
    s.Text("--fit", "FIT_OUT", "write the sounding with its modelled R and V from the model", o.fit);
    s.Whole("--jobs", "N", "survey: stations inverted at once (default: one a processor)", 1, 1024, o.jobs);
    s.Shard("survey: invert only the K-th of N parts of the stations (every N-th from the\n"
            "K-th) and write their table models-K-of-N.csv; \"tarnex-em1d stitch OUTDIR\" joins\n"
            "the parts' tables into models.csv and the section", o.shard, o.shards);
    s.Text("--spacing", "M", "survey: metres between stations where the table has no x_m column\n"
                             "(default 10)", o.spacing);
    s.Flag("--quiet", "survey: no progress and no summary (errors still)", o.quiet);
    s.Operands([&](const std::string& operand, std::string& error) {
        if (!o.sounding.empty()) {
            error = "one SOUNDING at a time ('" + operand + "' is a second)";
            return false;
        }
        o.sounding = operand;
        return true;
    });
    s.Epilogue("Prints \"misfit: X %\" (RMS of (measured - modelled)/measured) and the iterations.\n"
               "A SURVEY is a table whose header starts with station (time_ms, v_measured, optional x_m)\n"
               "or a folder of sounding files.\n"
               "Exit status: 0 done, 1 bad input (survey: some stations failed, each named), 2 bad command\n"
               "line, 3 survey: nothing inverted, 130 interrupted.");
    return s;
}

std::string num(double v, int digits = 6)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    return std::string(buf, r.ptr);
}

// One standard deviation of ln p as the factor e^s it multiplies or divides by.
std::string factor(double logStd)
{
    return std::isfinite(logStd) ? "x/" + num(std::exp(logStd), 3) : "unresolved";
}

int bad(std::string& err, const std::string& message)
{
    err = "tarnex-em1d invert: " + message + "\n";
    return ForwardCommand::kExitBadInput;
}

std::string modelText(const std::string& source, const std::vector<double>& h, const std::vector<double>& rho,
                      const std::vector<double>* hStd, const std::vector<double>* rhoStd, const std::string& summary)
{
    std::string t = "# Layered model inverted by tarnex-em1d from " + source + "\n# " + summary + "\n";
    t += "# thickness_m resistivity_ohmm";
    t += rhoStd ? "   one standard deviation of each as the factor it may be off by\n" : "\n";
    for (std::size_t j = 0; j < rho.size(); ++j) {
        if (j < h.size())
            t += num(h[j]) + "  " + num(rho[j]);
        else
            t += num(rho[j]);
        if (rhoStd) {
            t += "   # rho " + factor((*rhoStd)[j]);
            if (j < h.size())
                t += ", h " + factor((*hStd)[j]);
        }
        t += '\n';
    }
    return t;
}

} // namespace

int InvertCommand::Run(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    Options o;
    OptionScanner scanner = scannerFor(o);
    if (int status = 0; !scanner.ParseOrAnswer(args, "tarnex-em1d invert", out, err, status))
        return status;
    std::string message;
    const auto usage = [&](const std::string& m) {
        err = "tarnex-em1d invert: " + m + " (see --help)\n";
        return OptionScanner::kExitBadCommandLine;
    };
    if (o.sounding.empty())
        return usage("no SOUNDING file given");
    if ((o.layers > 0) + !o.start.empty() + o.smooth > 1)
        return usage("--layers, --start and --smooth choose the model: give one");
    if (o.system.Conflicting())
        return usage("--loop-radius and --loop-side both given; a loop has one size");

    double noise = 5.0;
    if (!o.noise.empty()) {
        const TextNumber::Result r = TextNumber::Read(o.noise, noise);
        if (r != TextNumber::Result::Ok)
            return usage("--noise: " + TextNumber::Quote(o.noise) + " " + TextNumber::Describe(r));
        if (!(noise > 0.0))
            return usage("--noise: " + o.noise + " is not a positive percentage");
    }

    if (!o.smooth) {
        try {
            em1d::TemInversion(em1d::TemSystem{}).fix(o.fix);   // names checked before any file is read
        } catch (const em1d::InversionError& e) {
            return usage(std::string("--fix: ") + e.what());
        }
    }

    if (SurveyInversion::IsSurvey(o.sounding)) {
        if (o.output.empty())
            return usage("a survey needs -o OUTDIR");
        if (!o.start.empty() || !o.fit.empty())
            return usage("--start and --fit are for one sounding, not a survey");
        SurveyInversion::Settings settings;
        settings.input = o.sounding;
        settings.outdir = o.output;
        settings.layers = o.layers > 0 ? o.layers : 3;
        settings.smooth = o.smooth;
        settings.fix = o.fix;
        settings.noisePercent = noise;
        settings.system = o.system;
        settings.jobs = o.jobs;
        settings.quiet = o.quiet;
        settings.shard = o.shard;
        settings.shards = o.shards;
        if (!o.spacing.empty()) {
            const TextNumber::Result r = TextNumber::Read(o.spacing, settings.spacing);
            if (r != TextNumber::Result::Ok || !(settings.spacing > 0))
                return usage("--spacing: " + TextNumber::Quote(o.spacing) + " is not a positive distance");
        }
        if (o.smooth && !o.fix.empty())
            return usage("--fix is for few-layer models in a survey");
        return SurveyInversion::Run(settings);
    }
    if (o.output.empty())
        o.output = "model.txt";
    if (o.jobs > 0 || !o.spacing.empty() || o.quiet || o.shards > 0)
        return usage("--jobs, --shard, --spacing and --quiet are for a survey");

    SoundingData sounding;
    em1d::TemSystem system;
    if (!sounding.Read(o.sounding, message) || !sounding.ApplySystem(system, message)
        || !o.system.Apply(system, message))
        return bad(err, message);
    std::optional<em1d::LayeredEarth> start;
    if (!o.start.empty()) {
        start = ModelReader::Read(o.start, message);
        if (!start)
            return bad(err, message);
    }

    std::string model, summary;
    std::vector<double> fittedRho, fittedV;
    try {
        const em1d::TemObservations data(sounding.TimesMs(), sounding.Column(2), {}, noise);
        std::vector<double> h, rho, modelled;
        if (o.smooth) {
            em1d::OccamInversion inv(system);
            if (!o.fix.empty()) {
                // "rhoK=V" only: the layering of a smooth model is fixed already.
                std::size_t at = 0;
                while (at <= o.fix.size()) {
                    const std::size_t comma = std::min(o.fix.find(',', at), o.fix.size());
                    std::string item = o.fix.substr(at, comma - at);
                    at = comma + 1;
                    const auto first = item.find_first_not_of(" \t");
                    if (first == std::string::npos)
                        continue;
                    item = item.substr(first, item.find_last_not_of(" \t") - first + 1);
                    const auto eq = item.find('=');
                    int layer = 0;
                    double value = 0;
                    if (item.rfind("rho", 0) != 0 || eq == std::string::npos
                        || std::from_chars(item.data() + 3, item.data() + eq, layer).ptr != item.data() + eq
                        || TextNumber::Read(std::string_view(item).substr(eq + 1), value) != TextNumber::Result::Ok)
                        return usage("--fix with --smooth takes resistivities with their values, as rho1=100; not '"
                                     + item + "'");
                    inv.fixResistivity(layer - 1, value);
                }
            }
            const em1d::OccamResult r = inv.run(data);
            h = r.thickness;
            rho = r.resistivity;
            modelled = r.modelledVoltage;
            summary = "smooth " + std::to_string(rho.size()) + "-layer model, misfit " + num(r.misfitPercent, 4)
                      + " % (chi " + num(r.chiRms, 3) + " at " + num(noise, 3) + " % noise), "
                      + std::to_string(r.iterations) + " iterations, depth of investigation "
                      + num(r.depthOfInvestigation, 4) + " m";
            model = modelText(o.sounding, h, rho, nullptr, nullptr, summary);
            out = "misfit: " + num(r.misfitPercent, 4) + " %\niterations: " + std::to_string(r.iterations)
                  + "\ndepth of investigation: " + num(r.depthOfInvestigation, 4) + " m\n";
        } else {
            em1d::TemInversion inv(system);
            if (start)
                inv.setStartModel(*start);
            else if (o.layers > 0)
                inv.setLayers(o.layers);
            inv.fix(o.fix);
            const em1d::TemInversionResult r = inv.run(data);
            h = r.thickness;
            rho = r.resistivity;
            modelled = r.modelledVoltage;
            summary = std::to_string(rho.size()) + " layers, misfit " + num(r.misfitPercent, 4) + " % (chi "
                      + num(r.chiRms, 3) + " at " + num(noise, 3) + " % noise), " + std::to_string(r.iterations)
                      + " iterations" + (r.converged ? "" : " (not converged)") + ", depth of investigation "
                      + num(r.depthOfInvestigation, 4) + " m";
            model = modelText(o.sounding, h, rho, &r.thicknessLogStd, &r.resistivityLogStd, summary);
            out = "misfit: " + num(r.misfitPercent, 4) + " %\niterations: " + std::to_string(r.iterations)
                  + (r.converged ? "" : " (not converged)") + "\ndepth of investigation: "
                  + num(r.depthOfInvestigation, 4) + " m\n";
            for (std::size_t j = 0; j < rho.size(); ++j) {
                out += "rho" + std::to_string(j + 1) + " = " + num(rho[j], 4) + " ohm-m "
                       + (r.resistivityFixed[j] ? "(fixed)" : factor(r.resistivityLogStd[j])) + "\n";
                if (j < h.size())
                    out += "h" + std::to_string(j + 1) + " = " + num(h[j], 4) + " m "
                           + (r.thicknessFixed[j] ? "(fixed)" : factor(r.thicknessLogStd[j])) + "\n";
            }
        }
        if (!o.fit.empty()) {
            const em1d::TemResponse fitted = em1d::TemForward(system).compute(em1d::LayeredEarth(h, rho), sounding.TimesMs());
            fittedRho = fitted.rhoApparent;
            fittedV = fitted.voltage;
        }
    } catch (const em1d::InversionError& e) {
        return bad(err, o.sounding + ": " + e.what());
    } catch (const em1d::ModelError& e) {
        return bad(err, o.sounding + ": " + e.what());
    }

    std::string fitText;
    if (!o.fit.empty() && !sounding.Rewrite(fittedRho, fittedV, fitText, message))
        return bad(err, message);
    CString why;
    if (!AtomicFile::WriteBytes(o.output.c_str(), model, why))
        return bad(err, why.GetString());
    if (!o.fit.empty() && !AtomicFile::WriteBytes(o.fit.c_str(), fitText, why))
        return bad(err, why.GetString());
    return OptionScanner::kExitOk;
}
