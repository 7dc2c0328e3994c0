#include "ForwardCommand.h"

#include "ModelReader.h"
#include "OptionScanner.h"
#include "SoundingData.h"
#include "SystemOptions.h"

#include "em1d/ModelError.h"
#include "em1d/MtForward.h"
#include "em1d/TemForward.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/TextNumber.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {

struct Options {
    std::vector<std::string> models;
    std::string times, periods, data, output;
    SystemOptions system;
    bool mt = false;
};

OptionScanner scannerFor(Options& o)
{
    OptionScanner s("tarnex-em1d forward MODEL... [--times T1,T2,...] [--data SOUNDING] [--loop-radius M | --loop-side M]\n"
                    "                    [--rx-area M2] [--ramp US] [-o OUT]\n"
                    "tarnex-em1d forward MODEL... --mt [--periods P1,P2,...] [-o OUT]",
                    "Computes the central-loop TEM response (or with --mt the magnetotelluric response)\n"
                    "of layered-model files: one table a model, or with --data the sounding file with its\n"
                    "modelled R and V columns replaced.");
    s.Text("--times", "T1,T2,...", "times after the turn-off in ms (default: 31 from 0.01 to 10 ms)", o.times);
    s.Text("--data", "SOUNDING", "model at this sounding's times and write the sounding with its modelled\n"
                                 "columns replaced (one MODEL)", o.data);
    o.system.Add(s);
    s.Flag("--mt", "magnetotelluric apparent resistivity and phase instead", o.mt);
    s.Text("--periods", "P1,P2,...", "MT periods in s (default: 25 from 0.001 to 1000 s)", o.periods);
    s.Text("-o, --output", "OUT", "write here (default: standard output)", o.output);
    s.Operands([&](const std::string& operand, std::string&) {
        o.models.push_back(operand);
        return true;
    });
    s.Epilogue("A sounding's comment line \"# tem: loop_radius=50 rx_area=100 ramp_us=20\" sets the system;\n"
               "options win over it. Exit status: 0 done, 1 bad input, 2 bad command line.");
    return s;
}

// A number given on the command line; what names it in messages.
std::optional<double> optionNumber(const std::string& text, const char* what, std::string& err)
{
    double v = 0;
    const TextNumber::Result r = TextNumber::Read(text, v);
    if (r != TextNumber::Result::Ok) {
        err = std::string(what) + ": " + TextNumber::Quote(text) + " " + TextNumber::Describe(r);
        return std::nullopt;
    }
    return v;
}

std::optional<std::vector<double>> numberList(const std::string& text, const char* what, std::string& err)
{
    std::vector<double> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto v = optionNumber(item, what, err);
        if (!v)
            return std::nullopt;
        out.push_back(*v);
        if (comma == std::string::npos)
            return out;
        start = comma + 1;
    }
}

std::string formatValue(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 7);
    return std::string(buf, r.ptr);
}

std::string table(const char* header, const std::vector<double>& x, const std::vector<double>& a,
                  const std::vector<double>& b)
{
    std::string out = header;
    out += '\n';
    for (std::size_t i = 0; i < x.size(); ++i)
        out += formatValue(x[i]) + "  " + formatValue(a[i]) + "  " + formatValue(b[i]) + "\n";
    return out;
}

std::vector<double> defaultPeriods()
{
    std::vector<double> p;
    for (int i = 0; i <= 24; ++i)
        p.push_back(0.001 * std::pow(10.0, i / 4.0));
    return p;
}

int bad(std::string& err, const std::string& message)
{
    err = "tarnex-em1d: " + message + "\n";
    return ForwardCommand::kExitBadInput;
}

} // namespace

std::string ForwardCommand::Help()
{
    Options o;
    return scannerFor(o).Help();
}

int ForwardCommand::Run(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    Options o;
    OptionScanner scanner = scannerFor(o);
    if (int status = 0; !scanner.ParseOrAnswer(args, "tarnex-em1d forward", out, err, status))
        return status;
    std::string message;
    const auto usage = [&](const std::string& m) {
        err = "tarnex-em1d forward: " + m + " (see --help)\n";
        return OptionScanner::kExitBadCommandLine;
    };
    if (o.models.empty())
        return usage("no MODEL file given");
    if (o.system.Conflicting())
        return usage("--loop-radius and --loop-side both given; a loop has one size");
    if (o.mt && (!o.times.empty() || !o.data.empty() || o.system.Any()))
        return usage("--mt takes --periods; --times, --data and the loop options are for TEM");
    if (!o.mt && !o.periods.empty())
        return usage("--periods is for --mt");
    if (!o.data.empty() && (o.models.size() != 1 || !o.times.empty()))
        return usage("--data takes one MODEL and the sounding's own times (no --times)");

    std::vector<em1d::LayeredEarth> earths;
    for (const std::string& path : o.models) {
        auto earth = ModelReader::Read(path, message);
        if (!earth)
            return bad(err, message);
        earths.push_back(std::move(*earth));
    }

    std::string result;
    std::size_t current = 0;  // the model being computed, for messages
    try {
        if (o.mt) {
            std::vector<double> periods = defaultPeriods();
            if (!o.periods.empty()) {
                auto p = numberList(o.periods, "--periods", message);
                if (!p)
                    return bad(err, message);
                periods = std::move(*p);
            }
            for (std::size_t m = 0; m < earths.size(); ++m) {
                current = m;
                const em1d::MtResponse r = em1d::MtForward::compute(earths[m], periods);
                if (earths.size() > 1)
                    result += "# model " + o.models[m] + "\n";
                result += table("period_s rho_a_ohmm phase_deg", periods, r.rhoApparent, r.phaseDeg);
            }
        } else {
            em1d::TemSystem system;
            SoundingData sounding;
            std::vector<double> times = em1d::TemForward::defaultTimesMs();
            if (!o.data.empty()) {
                if (!sounding.Read(o.data, message) || !sounding.ApplySystem(system, message))
                    return bad(err, message);
                times = sounding.TimesMs();
            } else if (!o.times.empty()) {
                auto t = numberList(o.times, "--times", message);
                if (!t)
                    return bad(err, message);
                times = std::move(*t);
            }
            // Options win over the sounding's own "# tem:" line.
            if (!o.system.Apply(system, message))
                return bad(err, message);
            std::optional<em1d::TemForward> tem;
            try {
                tem.emplace(system);
            } catch (const em1d::ModelError& e) {
                return bad(err, e.what());
            }
            const std::string source = o.data.empty() ? std::string("--times") : o.data;
            for (std::size_t i = 0; i < times.size(); ++i)
                if (!(times[i] >= em1d::TemForward::kMinTimeMs && times[i] <= em1d::TemForward::kMaxTimeMs))
                    return bad(err, source + ": time " + std::to_string(i + 1) + " (" + formatValue(times[i])
                                        + " ms) is outside " + formatValue(em1d::TemForward::kMinTimeMs) + " .. "
                                        + formatValue(em1d::TemForward::kMaxTimeMs) + " ms");
            for (std::size_t m = 0; m < earths.size(); ++m) {
                current = m;
                const em1d::TemResponse r = tem->compute(earths[m], times);
                if (!o.data.empty()) {
                    if (!sounding.Rewrite(r.rhoApparent, r.voltage, result, message))
                        return bad(err, message);
                    break;
                }
                if (earths.size() > 1)
                    result += "# model " + o.models[m] + "\n";
                result += table("time_ms rho_a_ohmm v_uv_per_a", times, r.rhoApparent, r.voltage);
            }
        }
    } catch (const em1d::ModelError& e) {
        // A period, or a model the transforms cannot handle.
        return bad(err, (o.mt && !o.periods.empty() ? std::string("--periods") : o.models[current]) + ": " + e.what());
    }

    if (o.output.empty()) {
        out = std::move(result);
        return OptionScanner::kExitOk;
    }
    CString why;
    if (!AtomicFile::WriteBytes(o.output.c_str(), result, why))
        return bad(err, why.GetString());
    return OptionScanner::kExitOk;
}
