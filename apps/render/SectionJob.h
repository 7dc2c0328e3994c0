// tarnex-render section: the section of a 2-D polygon model file (or the
// bundled sample) at true scale with its colour bar, written to a file.
#pragma once

#include <string>
#include <vector>

class SectionJob {
public:
    std::string input;   // empty: the bundled sample
    std::string output = "section.png";
    int dpi = 150;
    bool help = false;

    // args follow the word "section". False with a one-line message.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static const char* Usage();
    // The whole command after the word "section": parse, read, draw, write.
    // Returns the exit status (0, 1 bad input or failed write, 2 bad usage),
    // having written any message to standard error.
    static int Run(char** argv, const std::vector<std::string>& args);
};
