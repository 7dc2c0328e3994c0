// tarnex-em1d: forward modelling of layered earths from the command line.
// It links the modelling library and the core part only: no Qt is loaded.
#include "ForwardCommand.h"
#include "InvertCommand.h"
#include "StitchCommand.h"
#include "OptionScanner.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage: tarnex-em1d forward MODEL... [options]   the response of layered-model files\n"
    "       tarnex-em1d forward --help               the options\n"
    "usage: tarnex-em1d invert SOUNDING [options]    a layered model fitted to a sounding\n"
    "       tarnex-em1d invert --help                the options\n"
    "usage: tarnex-em1d stitch OUTDIR                the tables of a sharded survey inversion joined\n"
    "       tarnex-em1d stitch --help                the options\n"
    "       tarnex-em1d --version                    the version\n";

bool writeAll(std::FILE* f, const std::string& s)
{
    return std::fwrite(s.data(), 1, s.size(), f) == s.size() && std::fflush(f) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return OptionScanner::kExitBadCommandLine;
    }
    const std::string& verb = args.front();
    if (verb == "--version") {
        std::puts("tarnex-em1d " TARNEX_VERSION);
        return OptionScanner::kExitOk;
    }
    if (verb == "-h" || verb == "--help") {
        std::fputs(kUsage, stdout);
        return OptionScanner::kExitOk;
    }
    if (verb != "forward" && verb != "invert" && verb != "stitch") {
        std::fprintf(stderr, "tarnex-em1d: unknown command '%s'\n%s", verb.c_str(), kUsage);
        return OptionScanner::kExitBadCommandLine;
    }
    std::string out, err;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const int status = verb == "invert"   ? InvertCommand::Run(rest, out, err)
                       : verb == "stitch" ? StitchCommand::Run(rest, out, err)
                                          : ForwardCommand::Run(rest, out, err);
    if (!err.empty())
        std::fputs(err.c_str(), stderr);
    if (!out.empty() && !writeAll(stdout, out)) {
        std::perror("tarnex-em1d: standard output");
        return ForwardCommand::kExitBadInput;
    }
    return status;
}
