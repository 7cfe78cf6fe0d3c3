#include "core/SafeSave.h"

#include "core/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvex {

SafeSave::SafeSave(const QString& path) : m_file(path), m_path(path) {}

SafeSave::~SafeSave() {
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool SafeSave::open() {
    if (!m_file.open(QIODevice::WriteOnly)) {
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

bool SafeSave::commit() {
    if (!m_file.isOpen()) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1: not open").arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    if (m_error.isEmpty() && m_file.error() != QFileDevice::NoError)
        fail(m_file.errorString());
    if (m_error.isEmpty() && !m_file.flush())
        fail(m_file.errorString());
    if (!m_error.isEmpty()) {
        m_file.cancelWriting();
        m_file.commit(); // closes the device and removes the temporary file
        return false;
    }
    if (!m_file.commit()) {
        fail(m_file.errorString());
        return false;
    }
    return true;
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

bool saveTextLines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeText(line);
        bytes += "\r\n";
    }
    return saveBytes(path, bytes, error);
}

bool loadTextLines(const QString& path, QStringList* lines, QString* error) {
    QFile file(path);
    if (!openForReading(&file, error))
        return false;
    const QString text = decodeText(file.readAll());
    lines->clear();
    if (text.isEmpty())
        return true;
    QStringList split = text.split(QLatin1Char('\n'));
    if (split.last().isEmpty())
        split.removeLast(); // the line end of the last line starts no new line
    for (QString& line : split) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    *lines = split;
    return true;
}

} // namespace korvex
