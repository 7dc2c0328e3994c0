// The command line of tarnex-render: which chart, from which file, to which
// output, at which resolution. Parsing never exits; errors come back as text.
#pragma once

#include "ForwardOption.h"
#include "sounding/SoundingPlan.h"

#include <string>
#include <vector>

class OptionScanner;

class RenderOptions {
public:
    enum class Chart { Sounding, LayeredModel, Axes, Profile, Section };

    Chart chart = Chart::Sounding;
    std::string input;                  // empty: the bundled sample
    std::string output;                 // empty: sounding.png, model.png, axes.png or profile.png
    // The sounding's view: 0 chosen from the data, 1 linear values, 2 log-log.
    int model = 0;
    int dpi = 150;
    int rows = 0;                       // 0: every row of the file
    bool stream = false;                // sounding numbers five at a time, whatever the lines
    bool plain = false;                 // the chart alone: no legend or axis titles, labels as laid out
    bool help = false;
    ForwardOption forward;              // a layered model drives the modelled curves

    static constexpr int kMinDpi = 24;
    static constexpr int kMaxDpi = 2400;

    // False with a one-line message on bad arguments (exit status
    // OptionScanner::kExitBadCommandLine); help set for -h or --help.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static std::string Usage();
    // The figure's view for a --view/--model value (0 auto, 1, 2).
    static SoundingPlan::View ViewOf(int model)
    {
        return model == 1 ? SoundingPlan::View::Linear : model == 2 ? SoundingPlan::View::LogLog : SoundingPlan::View::Auto;
    }
    // --view auto|linear|loglog and its older spelling --model 1|2, into
    // model (0, 1, 2); whose: "the" or "a station's" in the help.
    static void AddViewOptions(OptionScanner& scan, int& model, const char* whose);

private:
    void addOptions(OptionScanner& scan, std::string& outputArg);
};
