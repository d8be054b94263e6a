#pragma once

// Running another program from a test: its exit code and what it wrote, or nothing when it did not end in
// time (then it is killed).

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace wordtest {

struct ProgramRun {
    int exitCode = -1; // -1 also when it crashed or did not end in time
    QByteArray output; // its standard output, with its standard error when merged
};

inline ProgramRun runProgram(const QString& program, const QStringList& arguments, int timeoutMs,
                             QProcess::ProcessChannelMode channels) {
    QProcess process;
    process.setProcessChannelMode(channels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

} // namespace wordtest
