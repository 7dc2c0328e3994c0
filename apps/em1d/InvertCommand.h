// tarnex-em1d invert: a layered model fitted to a sounding's measured V.
#pragma once

#include <string>
#include <vector>

class InvertCommand {
public:
    // args after "invert". Writes the model (and with --fit the fitted
    // sounding) atomically; a summary to out; messages, one line each, to
    // err. Nothing is written when anything fails. Exit statuses as forward:
    // 0 done, 1 bad input, 2 a bad command line.
    static int Run(const std::vector<std::string>& args, std::string& out, std::string& err);
};
