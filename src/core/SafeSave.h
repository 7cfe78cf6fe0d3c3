#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <functional>

class QFile;

namespace korvex {

// The steps of a save that a fault can hit: one write of a writer, the final rename, and
// the sync that makes written files durable.
enum class SaveStep { Write, Commit, Sync };

// A hook that fault-injection tests install to let a save fail or the process die at a
// chosen step. It is asked before every step of every SafeSave; returning false makes
// that step fail as a full disk would. Files are written unbuffered, so each write of a
// writer is one step. Null (the default) costs nothing.
using SaveFaultHook = std::function<bool(SaveStep step, const QString& path)>;
void setSaveFaultHook(SaveFaultHook hook);
// Asks the installed hook whether `step` of the save of `path` may go ahead (true without one).
bool saveStepAllowed(SaveStep step, const QString& path);

// A file device whose every write passes the fault hook first, is finished when the system
// takes only part of it, and remembers the first failure, so that a writer that ignored it
// still cannot commit. `Base` is the device written through (a save file or a temporary).
template <typename Base> class HookedWrites : public Base {
public:
    using Base::Base;
    QString writeFailure;
    // The file the hook is told about (the target, not the temporary).
    QString hookPath;

protected:
    qint64 writeData(const char* data, qint64 length) override {
        if (!saveStepAllowed(SaveStep::Write, hookPath))
            return failed(QStringLiteral("the write failed (fault injected)"));
        // The file engine returns a short count without an error when the disk fills in
        // the middle of a write; writing the rest then fails with the system's reason ("No
        // space left on device"), which a save must report instead of "Unknown error".
        qint64 done = 0;
        while (done < length) {
            const qint64 written = Base::writeData(data + done, length - done);
            if (written < 0)
                return failed(this->errorString());
            if (written == 0)
                return failed(QStringLiteral("nothing more could be written"));
            done += written;
        }
        return done;
    }

private:
    qint64 failed(const QString& reason) {
        this->setErrorString(reason);
        if (writeFailure.isEmpty())
            writeFailure = reason;
        return -1;
    }
};

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
    // Checks that every write succeeded and flushes the data to the temporary, without
    // renaming it yet. False with `error` (and errorString()) set when anything failed.
    bool finishWriting(QString* error = nullptr);
    // Discards the temporary; the target file stays as it was.
    void cancel();
    // finishWriting(), then renames the temporary over the target. On any failure the
    // temporary is removed, the target is untouched and errorString() says why.
    bool commit();
    QString errorString() const { return m_error; }

private:
    HookedWrites<QSaveFile> m_file;
    QString m_path;
    QString m_error;
};

// Removes, below `folder`, the temporaries of saves that were killed in the middle: files
// named "<name>.<extension>.XXXXXX" (six letters or digits) whose extension is one of
// `extensions` (without the dot, any letter case). Other files are never touched. Returns
// how many were removed.
int removeSaveLeftovers(const QString& folder, const QStringList& extensions);

// Writes `bytes` to `path` atomically; on failure returns false and sets `error`.
bool saveBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Writes the file `path`, which does not exist yet, without waiting for the disk: the
// bytes go to a temporary beside it ("<name>.XXXXXX", as a save's) that is renamed into
// place, so a process killed at any moment leaves no partial file. The file is durable
// only after syncFileSystem(): a restore writes its many new files this way and syncs once
// at its end. Passes the same fault hook as SafeSave (one write, one rename).
bool saveNewBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Opens a new temporary beside `path` ("<name>.XXXXXX", six letters or digits, the names
// removeSaveLeftovers knows) for writing with `extra` open flags. False with the file's
// error set when none can be made.
bool openTemporaryBeside(QFile* file, const QString& path, QIODevice::OpenMode extra = {});

// Renames `temporary` over `path` in one step (the file system replaces an existing file
// atomically). False with `reason` set when it fails.
bool renameIntoPlace(const QString& temporary, const QString& path, QString* reason);

// Makes every write to the file system holding `path` durable (one sync for many files).
// False with the system's reason when the file system could not write them all: the files
// are then in place but may be lost at a power cut.
bool syncFileSystem(const QString& path, QString* reason = nullptr);
// The same for the file system of the open file `fd`; `path` names it for the fault hook.
bool syncFileSystemOf(int fd, const QString& path, QString* reason);

// Writes `path` atomically with `write`, which writes the whole content to the device and
// returns false with a message when it fails; on any failure returns false and sets `error`.
bool saveWith(const QString& path, const std::function<bool(QIODevice*, QString*)>& write,
              QString* error = nullptr);

// Opens `file` for reading; when it cannot be opened, returns false and sets `error` to a
// text naming the file and the reason.
bool openForReading(QFile* file, QString* error);

// The bytes of text lines as saveTextLines writes them, and the lines of a text as
// loadTextLines reads them.
QByteArray textLinesBytes(const QStringList& lines);
QStringList textLinesOf(const QString& text);

// Writes text lines (UTF-8, CRLF line ends, as the Windows files it shares folders with).
bool saveTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Reads a text file into lines (accepts CRLF and LF; UTF-8 or Windows-1250). Returns false
// and sets `error` when the file cannot be read.
bool loadTextLines(const QString& path, QStringList* lines, QString* error = nullptr);

} // namespace korvex
