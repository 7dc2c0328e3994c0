// The command line of "tarnex-render batch": which inputs, where to, in which
// form, on how many threads, and which part of the work this process does.
#pragma once

#include <string>
#include <vector>

class OptionScanner;

class BatchOptions {
public:
    std::vector<std::string> inputs;  // sounding files, folders of them, survey tables
    std::string output;               // a folder, or one .pdf file (a book, a page a station)
    std::string format = "png";       // of the charts in a folder: png, svg, pdf or bmp
    int model = 0;                    // view: 0 from the data, 1 linear, 2 log-log
    std::string page = "a4";          // pages of a PDF book: a4, letter or fit
    int dpi = 150;
    int jobs = 0;                     // 0: one a processor
    int shard = 1, shards = 1;        // draw the shard-th of shards parts
    bool quiet = false;
    bool index = true;                // write index.html with thumbnails
    bool plain = false;               // the chart alone: no legend, no axis titles
    bool commonScale = false;         // every station on the same axes
    bool help = false;
    std::string forwardDir;           // one layered model a station drives its modelled curves

    static constexpr int kMaxJobs = 256;

    bool Book() const;  // the output is one PDF
    // args after "batch"; false with a one-line message (exit status
    // OptionScanner::kExitBadCommandLine); help set for -h or --help.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static std::string Usage();

private:
    void addOptions(OptionScanner& scan, std::string& formatGiven);
};
