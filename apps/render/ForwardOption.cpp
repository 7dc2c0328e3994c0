#include "ForwardOption.h"

#include "OptionScanner.h"

#include "SoundingForward.h"

#include "em1d/ModelError.h"
#include "model1d/LayeredModelFile.h"
#include "platform/core/TextNumber.h"
#include "sounding/SoundingFile.h"

#include <cmath>
#include <cstdio>
#include <span>


void ForwardOption::AddOptions(OptionScanner& scan)
{
    // A value is checked with the others in Check, once all are read.
    const auto text = [&scan](const char* names, const char* meta, const char* help, std::string& target) {
        scan.Custom(names, meta, help, [names, &target](const std::string& v, std::string& error) {
            if (v.empty()) {
                error = std::string(names) + " needs a value";
                return false;
            }
            target = v;
            return true;
        });
    };
    text("--forward", "MODEL",
         "draw the response of the layered model in MODEL as the\nmodelled curves (time and V in the units the header\nnames: ms and uV/A when none) and print\n"
         "\"misfit: X %\" (V, RMS over the samples not masked)",
         model);
    settings.Add(scan);
}

void ForwardOption::RefuseOptions(OptionScanner& scan)
{
    for (const char* o : {"--forward", "--loop-radius", "--loop-side", "--rx-area", "--ramp"})
        scan.Refuse(o, std::string(o) + " applies to sounding files only");
}

bool ForwardOption::Check(std::string& error) const
{
    if (model.empty() && settings.Any()) {
        error = "--loop-radius, --loop-side, --rx-area and --ramp describe the system of --forward MODEL";
        return false;
    }
    if (settings.Conflicting()) {
        error = "--loop-radius and --loop-side both given; a loop has one size";
        return false;
    }
    em1d::TemSystem system;
    return System({}, {}, system, error);
}

bool ForwardOption::System(std::string_view text, const std::string& name, em1d::TemSystem& system,
                           std::string& error) const
{
    if (!SoundingForward::ApplySystem(text, name, system, error))
        return false;
    if (!settings.Apply(system, error))
        return false;
    try {
        system.validate();
    } catch (const em1d::ModelError& e) {
        error = e.what();
        return false;
    }
    return true;
}

bool ForwardOption::Apply(SoundingTable& table, const LayeredModel& model, const em1d::TemSystem& system,
                          const std::string& name, double& misfit, std::string& error)
{
    const int n = table.Rows();
    std::vector<int> maskRows;
    if (table.source && !SoundingForward::ReadMask(*table.source, name, n, maskRows, error))
        return false;
    std::vector<char> masked(static_cast<std::size_t>(n), 0);
    for (int row : maskRows)
        masked[static_cast<std::size_t>(row)] = 1;
    // The engine works in ms and µV/A; the file's units come back for the
    // modelled columns.
    SoundingForward::Scales scale;
    if (!SoundingForward::ScalesOf(table.header, scale, error)) {
        error = name + ": " + error;
        return false;
    }
    std::vector<double> times(static_cast<std::size_t>(n)), measured(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        times[static_cast<std::size_t>(i)] = static_cast<double>(table.x[i]) * scale.msPerUnit;
        measured[static_cast<std::size_t>(i)] = table.v[i] * scale.microVoltsPerUnit;
    }
    SoundingForward::Curves c;
    try {
        const auto earth = SoundingForward::Earth(
            std::span<const float>(model.thick.GetData(), static_cast<std::size_t>(model.thick.GetSize())),
            std::span<const float>(model.res.GetData(), static_cast<std::size_t>(model.res.GetSize())));
        c = SoundingForward::Compute(earth, system, times);
    } catch (const em1d::ModelError& e) {
        error = name + ": " + e.what();
        return false;
    }
    // A measured-only sounding gains its modelled columns.
    if (table.rFwd.GetSize() < n || table.vFwd.GetSize() < n) {
        table.rFwd.SetSize(n);
        table.vFwd.SetSize(n);
        table.columns = 5;
    }
    for (int i = 0; i < n; ++i) {
        const double rho = c.rho[static_cast<std::size_t>(i)], v = c.v[static_cast<std::size_t>(i)];
        if (!std::isfinite(rho) || !std::isfinite(v) || std::fabs(rho) > 3e38 || std::fabs(v) > 3e38) {
            error = name + ": row " + std::to_string(i + 1) + ": the model's response cannot be drawn there "
                    "(the field is zero or out of range)";
            return false;
        }
        table.rFwd[i] = static_cast<float>(rho);
        table.vFwd[i] = static_cast<float>(v / scale.microVoltsPerUnit);
    }
    misfit = SoundingForward::MisfitPercent(measured, c.v, masked);
    return true;
}

std::string ForwardOption::MisfitLine(double misfit)
{
    if (!std::isfinite(misfit))
        return "misfit: none (no sample left to compare: every one masked or zero)";
    char buf[64];
    std::snprintf(buf, sizeof buf, "misfit: %.2f %%", misfit);
    return buf;
}
