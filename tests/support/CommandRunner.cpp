#include "support/CommandRunner.h"

#include <QProcess>

namespace testsupport {

CommandResult runRender(const QStringList& args, const std::string& cwd, int timeoutMs, const QProcessEnvironment* env)
{
    QProcess p;
    if (!cwd.empty())
        p.setWorkingDirectory(QString::fromStdString(cwd));
    if (env)
        p.setProcessEnvironment(*env);
    p.start(QStringLiteral(TARNEX_RENDER_EXE), args);
    const bool ended = p.waitForFinished(timeoutMs);
    if (!ended) {
        p.kill();
        p.waitForFinished(5000);
    }
    return {ended && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

}  // namespace testsupport
