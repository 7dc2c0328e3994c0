// The command line of tarnex-render: which chart, from which file, to which
// output, at which resolution. Parsing never exits; errors come back as text.
#pragma once

#include <string>
#include <vector>

class OptionScanner;

class RenderOptions {
public:
    enum class Chart { Sounding, LayeredModel, Axes, Profile, Section };

    Chart chart = Chart::Sounding;
    std::string input;                  // empty: the bundled sample
    std::string output;                 // empty: sounding.png, model.png, axes.png or profile.png
    int model = 1;                      // display model of the sounding chart
    int dpi = 150;
    int rows = 0;                       // 0: every row of the file
    bool stream = false;                // sounding numbers five at a time, whatever the lines
    bool plain = false;                 // the chart alone: no legend or axis titles, labels as laid out
    bool help = false;

    static constexpr int kMinDpi = 24;
    static constexpr int kMaxDpi = 2400;

    // False with a one-line message on bad arguments (exit status
    // OptionScanner::kExitBadCommandLine); help set for -h or --help.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static std::string Usage();

private:
    void addOptions(OptionScanner& scan, std::string& outputArg);
};
