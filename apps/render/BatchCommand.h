// The batch subcommand as main runs it: options, signals, progress, summary.
#pragma once

#include <string>
#include <vector>

// args are the words after "batch"; returns the exit status (see BatchJob).
int RunBatchCommand(const std::vector<std::string>& args, char* argv0);
