// tarnex-em1d stitch OUTDIR: joins the tables that the shards of a survey's
// inversion left in OUTDIR into the models.csv and section files one whole
// run of the survey writes there.
#pragma once

#include <string>
#include <vector>

class StitchCommand {
public:
    // args after "stitch"; messages and the summary go to err.
    static int Run(const std::vector<std::string>& args, std::string& out, std::string& err);
};
