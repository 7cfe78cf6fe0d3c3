#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <functional>

class QFile;

namespace korvex {

// Every file Korvex writes goes through this wrapper: the data goes to a temporary file
// that replaces the target only when every write succeeded, so a failed save leaves the
// previous file intact. commit() flushes first because QSaveFile::commit() can report
// success after a failed final flush on a full disk.
class SafeSave {
public:
    explicit SafeSave(const QString& path);
    ~SafeSave();

    bool open();
    QIODevice* device() { return &m_file; }
    // Marks the save as failed (a writer found an error); commit() then cancels it.
    void fail(const QString& message);
    bool commit();
    QString errorString() const { return m_error; }

private:
    QSaveFile m_file;
    QString m_path;
    QString m_error;
};

// Writes `bytes` to `path` atomically; on failure returns false and sets `error`.
bool saveBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Writes `path` atomically with `write`, which writes the whole content to the device and
// returns false with a message when it fails; on any failure returns false and sets `error`.
bool saveWith(const QString& path, const std::function<bool(QIODevice*, QString*)>& write,
              QString* error = nullptr);

// Opens `file` for reading; when it cannot be opened, returns false and sets `error` to a
// text naming the file and the reason.
bool openForReading(QFile* file, QString* error);

// Writes text lines (UTF-8, CRLF line ends, as the Windows files it shares folders with).
bool saveTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Reads a text file into lines (accepts CRLF and LF; UTF-8 or Windows-1250). Returns false
// and sets `error` when the file cannot be read.
bool loadTextLines(const QString& path, QStringList* lines, QString* error = nullptr);

} // namespace korvex
