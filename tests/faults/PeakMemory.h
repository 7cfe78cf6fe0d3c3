#pragma once

// Peak memory of a piece of work, measured in a child process so that nothing the test
// process allocated before (or keeps cached afterwards) counts: the child starts as a copy
// of the test, resets its high-water mark, runs the work and reports how far its resident
// size rose above where it started.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvex::test {

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"); -1 when it cannot be read.
inline qint64 statusBytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

struct PeakMemory {
    bool finished = false; // the work ran to its end in the child (no crash, no abort)
    bool workOk = false;   // what the work returned
    qint64 bytes = -1;     // peak resident size above the child's size at its start
};

// Runs `work` in a forked child and measures it as described above.
inline PeakMemory peakMemoryOf(const std::function<bool()>& work) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(fds[0]);
        // Free memory the test process left in the heap is handed back first, so the work
        // cannot reuse it unseen; then "5" resets the high-water mark to the present size
        // (Linux 4.0 and later).
        malloc_trim(0);
        QFile refs(QStringLiteral("/proc/self/clear_refs"));
        if (refs.open(QIODevice::WriteOnly))
            refs.write("5");
        refs.close();
        const qint64 start = statusBytes("VmRSS");
        const qint64 ok = work() ? 1 : 0;
        const qint64 result[2] = {ok, statusBytes("VmHWM") - start};
        const bool sent = ::write(fds[1], result, sizeof result) == qint64(sizeof result);
        _exit(sent ? 0 : 1);
    }
    ::close(fds[1]);
    qint64 result[2] = {0, -1};
    const bool got = ::read(fds[0], result, sizeof result) == qint64(sizeof result);
    ::close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    PeakMemory peak;
    peak.finished = got && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    peak.workOk = result[0] != 0;
    peak.bytes = result[1];
    return peak;
}

// Runs `program` with `args` (output discarded) through the launcher `launcher`
// (korvex-peak-rss) and gives its peak resident size; -1 when it could not be measured.
// `exitCode` receives the program's exit code.
inline qint64 peakMemoryOfProgram(const QString& launcher, const QString& program,
                                  const QStringList& args, int* exitCode = nullptr) {
    QProcess process;
    process.start(launcher, QStringList{program} + args);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return -1;
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        return -1;
    if (exitCode)
        *exitCode = fields[0].toInt();
    return fields[1].toLongLong();
}

// The bound every reader keeps: max(4 x file size, 64 MB) above the program's idle size.
inline qint64 memoryBound(qint64 fileSize) {
    return std::max<qint64>(4 * fileSize, qint64(64) * 1024 * 1024);
}

} // namespace korvex::test
