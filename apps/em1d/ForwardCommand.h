// tarnex-em1d forward: the TEM (or MT) response of layered-model files,
// as tables or put into a sounding file's modelled columns.
#pragma once

#include <string>
#include <vector>

class ForwardCommand {
public:
    // Exit statuses: 0 done, 1 bad input (a file, a value), 2 a bad command line.
    static constexpr int kExitBadInput = 1;

    // args after "forward". Writes the result to OUT or out; messages, one
    // line each, to err. Nothing is written when anything fails.
    static int Run(const std::vector<std::string>& args, std::string& out, std::string& err);
    static std::string Help();
};
