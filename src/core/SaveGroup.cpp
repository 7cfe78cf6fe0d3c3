#include "core/SaveGroup.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korvex {

SaveGroup::~SaveGroup() {
    cancelFrom(0);
}

QIODevice* SaveGroup::add(const QString& path) {
    Member member;
    member.path = path;
    // A link stays a link: its target is what is replaced.
    const QFileInfo info(path);
    member.target = info.isSymLink() ? info.symLinkTarget() : path;
    member.file = std::make_unique<HookedWrites<QFile>>();
    member.file->hookPath = path;
    // Unbuffered: every write is one write of the system, checked as it happens.
    if (!openTemporaryBeside(member.file.get(), member.target, QIODevice::Unbuffered)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1: cannot be written: %2")
                          .arg(QDir::toNativeSeparators(path), member.file->errorString());
    } else {
        member.pending = true;
        if (info.exists())
            member.file->setPermissions(QFile::permissions(member.target));
    }
    m_members.push_back(std::move(member));
    return m_members.back().file.get();
}

void SaveGroup::addBytes(const QString& path, const QByteArray& bytes) {
    QIODevice* device = add(path);
    if (device->isOpen() && device->write(bytes) != bytes.size())
        fail(path, device->errorString());
}

void SaveGroup::fail(const QString& path, const QString& message) {
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), message);
}

bool SaveGroup::finishAll() {
    for (const Member& member : m_members) {
        HookedWrites<QFile>& file = *member.file;
        if (!file.writeFailure.isEmpty())
            fail(member.path, file.writeFailure);
        else if (file.error() != QFileDevice::NoError)
            fail(member.path, file.errorString());
        if (failed())
            return false;
    }
#if defined(Q_OS_UNIX)
    // One sync per file system makes every temporary on it durable at once, where a sync of
    // each file would wait for the disk once per file (other systems sync each file).
    QSet<dev_t> synced;
    for (const Member& member : m_members) {
        struct stat status {};
        const int fd = member.file->handle();
        const bool known = ::fstat(fd, &status) == 0;
#if defined(Q_OS_LINUX)
        if (known && synced.contains(status.st_dev))
            continue;
#endif
        QString reason;
        if (!syncFileSystemOf(fd, member.path, &reason)) {
            fail(member.path, reason);
            return false;
        }
        if (known)
            synced.insert(status.st_dev);
    }
#endif
    for (const Member& member : m_members) {
        member.file->close();
        if (member.file->error() != QFileDevice::NoError) {
            fail(member.path, member.file->errorString());
            return false;
        }
    }
    return true;
}

void SaveGroup::cancelFrom(size_t first) {
    for (size_t i = first; i < m_members.size(); ++i) {
        Member& member = m_members[i];
        if (member.pending) {
            member.file->close();
            member.file->remove();
            member.pending = false;
        }
    }
}

bool SaveGroup::commit() {
    if (failed() || !finishAll()) {
        cancelFrom(0);
        return false;
    }
    // Renames on one file system do not fail for want of space; should one fail all the
    // same, the files after it are cancelled (the ones before it are already in place).
    for (size_t i = 0; i < m_members.size(); ++i) {
        Member& member = m_members[i];
        QString reason;
        if (!saveStepAllowed(SaveStep::Commit, member.path))
            reason = QStringLiteral("the file could not be renamed into place (fault injected)");
        else if (renameIntoPlace(member.file->fileName(), member.target, &reason)) {
            member.pending = false;
            continue;
        }
        fail(member.path, reason);
        cancelFrom(i);
        break;
    }
    return !failed();
}

} // namespace korvex
