#pragma once

// Runs the korvex-cli of the laid-out installation (build/bin) as a script would.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace korvex::test {

struct CliRun {
    int exitCode = -1; // -1 when it did not finish or crashed
    QByteArray out;
    QByteArray err;
};

inline CliRun cli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KORVEX_APP_DIR "/korvex-cli"), args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace korvex::test
