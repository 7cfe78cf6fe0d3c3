#pragma once

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QString>

namespace korvex::cli {

// Reads the file at `path` whole into `buffer` and opens it for reading; false with `error`
// set when the file cannot be read. Readers then take their fields from memory: one system
// call per field of a file of a million records costs seconds, while the file's bytes are
// well within the memory a reader may use.
inline bool readWholeFile(const QString& path, QBuffer* buffer, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    buffer->setData(file.readAll());
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("%1: cannot be read: %2")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return buffer->open(QIODevice::ReadOnly);
}

} // namespace korvex::cli
