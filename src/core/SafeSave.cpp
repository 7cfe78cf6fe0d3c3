#include "core/SafeSave.h"

#include "core/TextCodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace korvex {

namespace {

SaveFaultHook& faultHook() {
    static SaveFaultHook hook;
    return hook;
}

} // namespace

void setSaveFaultHook(SaveFaultHook hook) {
    faultHook() = std::move(hook);
}

bool saveStepAllowed(SaveStep step, const QString& path) {
    const SaveFaultHook& hook = faultHook();
    return !hook || hook(step, path);
}

SafeSave::SafeSave(const QString& path) : m_file(path), m_path(path) {
    m_file.hookPath = path;
}

SafeSave::~SafeSave() {
    cancel();
}

bool SafeSave::open() {
    // Unbuffered: every write passes File::writeData, which finishes short writes and keeps
    // the system's reason for a failed one. (A buffered flush that writes only part of its
    // buffer on a full disk reports "Unknown error".)
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_error = QStringLiteral("%1: cannot be written: %2")
                      .arg(QDir::toNativeSeparators(m_path), m_file.errorString());
        return false;
    }
    return true;
}

void SafeSave::fail(const QString& message) {
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_path), message);
}

bool SafeSave::finishWriting(QString* error) {
    if (!m_file.isOpen()) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1: not open").arg(QDir::toNativeSeparators(m_path));
    } else {
        if (m_error.isEmpty() && !m_file.writeFailure.isEmpty())
            fail(m_file.writeFailure);
        if (m_error.isEmpty() && m_file.error() != QFileDevice::NoError)
            fail(m_file.errorString());
        if (m_error.isEmpty() && !m_file.flush())
            fail(m_file.errorString());
    }
    if (error)
        *error = m_error;
    return m_error.isEmpty();
}

void SafeSave::cancel() {
    if (!m_file.isOpen())
        return;
    m_file.cancelWriting();
    m_file.commit(); // closes the device and removes the temporary file
}

bool SafeSave::commit() {
    if (!finishWriting()) {
        cancel();
        return false;
    }
    if (!saveStepAllowed(SaveStep::Commit, m_path)) {
        fail(QStringLiteral("the file could not be renamed into place (fault injected)"));
        cancel();
        return false;
    }
    if (!m_file.commit()) {
        fail(m_file.errorString());
        return false;
    }
    return true;
}

int removeSaveLeftovers(const QString& folder, const QStringList& extensions) {
    static const QRegularExpression temporary(QStringLiteral("^.+\\.([^.]+)\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QRegularExpressionMatch match = temporary.match(it.fileName());
        if (match.hasMatch() && extensions.contains(match.captured(1), Qt::CaseInsensitive) &&
            QFile::remove(path))
            ++removed;
    }
    return removed;
}

bool saveBytes(const QString& path, const QByteArray& bytes, QString* error) {
    SafeSave save(path);
    if (save.open() && save.device()->write(bytes) != bytes.size())
        save.fail(save.device()->errorString());
    const bool ok = save.commit();
    if (!ok && error)
        *error = save.errorString();
    return ok;
}

bool saveNewBytes(const QString& path, const QByteArray& bytes, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    auto failed = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(shown, reason);
        return false;
    };
    QFile file;
    if (!openTemporaryBeside(&file, path))
        return failed(QStringLiteral("cannot be written: %1").arg(file.errorString()));
    const auto discard = [&file] {
        file.close();
        file.remove();
    };
    if (!saveStepAllowed(SaveStep::Write, path)) {
        discard();
        return failed(QStringLiteral("the write failed (fault injected)"));
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        discard();
        return failed(reason);
    }
    file.close();
    if (!saveStepAllowed(SaveStep::Commit, path)) {
        file.remove();
        return failed(QStringLiteral("the file could not be renamed into place (fault injected)"));
    }
    QString reason;
    if (!renameIntoPlace(file.fileName(), path, &reason)) {
        file.remove();
        return failed(reason);
    }
    return true;
}

bool openTemporaryBeside(QFile* file, const QString& path, QIODevice::OpenMode extra) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString temporary = path + QLatin1Char('.');
        for (int i = 0; i < 6; ++i)
            temporary += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
        file->setFileName(temporary);
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly | extra))
            return true;
        // A name taken already is tried again with other letters; any other failure ends.
        if (!QFile::exists(temporary))
            return false;
    }
    return false;
}

bool renameIntoPlace(const QString& temporary, const QString& path, QString* reason) {
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) == 0)
        return true;
    *reason = QStringLiteral("cannot be renamed into place: %1")
                  .arg(QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

namespace {

// Asks the fault hook before a sync; false with the injected reason when it refuses.
bool syncAllowed(const QString& path, QString* reason) {
    if (saveStepAllowed(SaveStep::Sync, path))
        return true;
    if (reason)
        *reason = QStringLiteral("the disk could not write the files (fault injected)");
    return false;
}

} // namespace

bool syncFileSystemOf(int fd, const QString& path, QString* reason) {
    if (!syncAllowed(path, reason))
        return false;
#if defined(Q_OS_LINUX)
    const int result = ::syncfs(fd);
#elif defined(Q_OS_UNIX)
    // No sync of one file system here: the file itself is made durable.
    const int result = ::fsync(fd);
#else
    Q_UNUSED(fd);
    const int result = 0;
#endif
    if (result == 0)
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool syncFileSystem(const QString& path, QString* reason) {
#if defined(Q_OS_LINUX)
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        const bool synced = syncFileSystemOf(fd, path, reason);
        ::close(fd);
        return synced;
    }
#endif
    // The folder's file system cannot be named (or synced alone here): sync them all.
    if (!syncAllowed(path, reason))
        return false;
#if defined(Q_OS_UNIX)
    ::sync();
#endif
    return true;
}

bool saveWith(const QString& path, const std::function<bool(QIODevice*, QString*)>& write,
              QString* error) {
    SafeSave save(path);
    QString writeError;
    if (save.open() && !write(save.device(), &writeError))
        save.fail(writeError);
    const bool ok = save.commit();
    if (!ok && error)
        *error = save.errorString();
    return ok;
}

bool openForReading(QFile* file, QString* error) {
    if (file->open(QIODevice::ReadOnly))
        return true;
    if (error)
        *error = QStringLiteral("%1: cannot be read: %2")
                     .arg(QDir::toNativeSeparators(file->fileName()), file->errorString());
    return false;
}

QByteArray textLinesBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeText(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList textLinesOf(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList split = text.split(QLatin1Char('\n'));
    if (split.last().isEmpty())
        split.removeLast(); // the line end of the last line starts no new line
    for (QString& line : split) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return split;
}

bool saveTextLines(const QString& path, const QStringList& lines, QString* error) {
    return saveBytes(path, textLinesBytes(lines), error);
}

bool loadTextLines(const QString& path, QStringList* lines, QString* error) {
    QFile file(path);
    if (!openForReading(&file, error))
        return false;
    *lines = textLinesOf(decodeText(file.readAll()));
    return true;
}

} // namespace korvex
