// The one way the tests run tarnex-render: in a folder, with its exit
// status (-1 when it did not end normally) and what it printed.
#pragma once

#include <QProcessEnvironment>
#include <QStringList>

#include <string>

namespace testsupport {

struct CommandResult {
    int code = -1;
    std::string out, err;
};

// Runs tarnex-render with args in cwd (empty: the test's own folder) and
// waits up to timeoutMs; env, when given, replaces the environment.
CommandResult runRender(const QStringList& args, const std::string& cwd = {}, int timeoutMs = 120000,
                        const QProcessEnvironment* env = nullptr);

}  // namespace testsupport
