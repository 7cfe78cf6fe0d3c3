#pragma once

// Helpers of the fault tests: a save killed at a chosen step in a child process, a small
// file system that can be filled to the brim, and snapshots of a folder's files.

#include "core/SafeSave.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QStorageInfo>
#include <QString>
#include <QTemporaryDir>

#include <functional>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvex::test {

// Every file below `root` by its relative path, with its bytes.
inline QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return files;
}

// Puts the files of `files` back below `root` and removes every other file there.
inline void restoreSnapshot(const QString& root, const QMap<QString, QByteArray>& files) {
    for (const QString& path : snapshot(root).keys()) {
        if (!files.contains(path))
            QFile::remove(QDir(root).filePath(path));
    }
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile file(QDir(root).filePath(it.key()));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(it.value());
    }
}

// Copies every file and folder below `from` into `to`.
inline bool copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(path));
        if (it.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(path, target))
            return false;
    }
    return true;
}

enum class ChildEnd { Killed, Finished, Failed };

// Runs `work` in a child process that dies at once (as under kill -9: nothing is cleaned
// up) when its saves reach step `k` (0 = the first write). `work` returns whether it
// succeeded.
inline ChildEnd runKilledAt(int k, const std::function<bool()>& work) {
    constexpr int kKilledCode = 77;
    const pid_t pid = fork();
    if (pid == 0) {
        int steps = 0;
        setSaveFaultHook([&steps, k](SaveStep, const QString&) {
            if (steps++ == k)
                _exit(kKilledCode);
            return true;
        });
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status))
        return ChildEnd::Failed;
    if (WEXITSTATUS(status) == kKilledCode)
        return ChildEnd::Killed;
    return WEXITSTATUS(status) == 0 ? ChildEnd::Finished : ChildEnd::Failed;
}

// Fails the save step `k` (0 = the first write) in this process, as a full disk would.
class FailAtStep {
public:
    explicit FailAtStep(int k) {
        setSaveFaultHook([this, k](SaveStep, const QString&) { return m_steps++ != k; });
    }
    ~FailAtStep() { setSaveFaultHook({}); }
    int steps() const { return m_steps; }

private:
    int m_steps = 0;
};

// A tmpfs of `bytes` mounted on a temporary folder while the object lives. Only root may
// mount: check mounted() and skip the test with a message otherwise.
class SmallFileSystem {
public:
    explicit SmallFileSystem(qint64 bytes) {
        const QByteArray options = "size=" + QByteArray::number(bytes);
        m_mounted = geteuid() == 0 && m_dir.isValid() &&
                    ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                            options.constData()) == 0;
    }
    ~SmallFileSystem() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

    // Fills the file system until at most `leave` bytes remain free.
    void fill(qint64 leave) {
        QFile filler(QDir(m_dir.path()).filePath(QStringLiteral("filler")));
        filler.open(QIODevice::WriteOnly | QIODevice::Append);
        const QByteArray block(4096, 'x');
        while (freeBytes() > leave + qint64(block.size()) && filler.write(block) == block.size())
            filler.flush();
        const qint64 rest = freeBytes() - leave;
        if (rest > 0)
            filler.write(QByteArray(rest, 'x'));
        filler.close();
    }
    qint64 freeBytes() const {
        QStorageInfo info(m_dir.path());
        info.refresh();
        return info.bytesAvailable();
    }
    void empty() { QFile::remove(QDir(m_dir.path()).filePath(QStringLiteral("filler"))); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace korvex::test
