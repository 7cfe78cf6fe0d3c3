#pragma once

#include "core/SaveGroup.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace korvex {

// A kind backup file: int32 version, then until the end of the file records of
// folder (StreamString, relative to the application directory, "\" separated),
// file name (StreamString) and file content (FileBlock). A record with an empty file name
// and an empty block stands for an empty folder (a category without items), so that a
// restore gives back the coach's folder structure.

// What the user decided for an item that exists already. The values are the codes the
// backup dialog returns.
enum class BackupDecision : int {
    None = 0,
    Add = 1,
    Replace = 2,
    Skip = 3,
    ReplaceAll = 5,
    SkipAll = 6,
    Close = 7,
};

// Asks what to do with an item whose name exists in its folder. `pathText` is the
// folder as shown to the user ("...\folder\"). For Add and Replace the decider sets
// `finalName`, the name (without extension) to write under.
class BackupDecider {
public:
    virtual ~BackupDecider() = default;
    virtual BackupDecision decide(const QString& pathText, const QString& suggestedName,
                                  const QStringList& existingNames, QString* finalName) = 0;
};

// A decider without a user: every existing item is replaced or every one is skipped.
class FixedBackupDecider : public BackupDecider {
public:
    explicit FixedBackupDecider(bool replace) : m_replace(replace) {}
    BackupDecision decide(const QString&, const QString& suggestedName, const QStringList&,
                          QString* finalName) override {
        *finalName = suggestedName;
        return m_replace ? BackupDecision::ReplaceAll : BackupDecision::SkipAll;
    }

private:
    bool m_replace;
};

// Progress of a long backup or restore: `done` of `total` units (files or bytes).
using BackupProgress = std::function<void(qint64 done, qint64 total)>;
// The rewrite of restored items in the current format, done in memory: the stored data
// file is read and written again without passing through the disk, so each restored file
// is written once.
struct ItemRewriter {
    // Makes the files of the item restored at `stem` (path without extension) from its
    // stored data file `stored`: the data file first, then any files made from it (a
    // graphic practise's picture and thumbnail). False with `error` when the item cannot
    // be rewritten; it is then restored as stored.
    std::function<bool(const QString& stem, const QByteArray& stored, QList<FileBytes>* files,
                       QString* error)>
        rewrite;
    // Makes the missing files of an item at `stem` that is kept as it is (a graphic
    // practise whose pictures an interrupted restore did not write). Returns why a missing
    // file could not be written, or an empty text. May be null.
    std::function<QString(const QString& stem)> complete;

    explicit operator bool() const { return bool(rewrite); }
};

enum class RestoreStyle {
    // Practise kinds: every written item is loaded and saved again; skip-all goes on
    // adding new items; closing the dialog stops the restore.
    RewriteItems,
    // Team files (cards, diary): files are written as stored; skip-all ends the file;
    // closing the dialog skips the item and goes on.
    TeamFiles,
};

struct RestoreOptions {
    QString root;      // the application directory
    QString extension; // the kind's data extension, with the dot
    // The kind's own folder (relative to root, as stored): every record must lie in it or
    // below it, so a record of one kind can never write into another kind's folder or the
    // program's own files. Empty: records may lie anywhere below root.
    QString kindFolder;
    RestoreStyle style = RestoreStyle::RewriteItems;
    BackupDecider* decider = nullptr; // null: existing items are skipped
    ItemRewriter rewrite;             // used with RewriteItems when set
    BackupProgress progress;          // bytes read of the file size
    // New files are written without waiting for the disk and made durable by one sync of
    // the file system at the end; false leaves that sync to the caller (a full restore
    // syncs once after all its kinds).
    bool syncAtEnd = true;
};

struct RestoreReport {
    qint32 version = 0;
    bool versionAccepted = true;
    int added = 0;
    int replaced = 0;
    int skipped = 0;
    // Records refused because their folder or name would leave the kind's folder, is not
    // a name the file system holds or is not an item of the kind, with the reason. The
    // restore goes on after a refused record.
    QStringList refused;
    // Records that could not be written (a full disk, a read-only folder), with the
    // system's reason. The restore goes on with the next record.
    QStringList writeFailures;
    // Empty folders (categories without items) made again.
    int folders = 0;
    // Items written whose load-and-save rewrite failed (they stay as stored).
    QStringList rewriteFailures;
    bool stoppedByUser = false;
    // Set when the restore ended early: the file is cut short or corrupt, or a file
    // could not be written. Items restored before stay.
    QString error;

    // False when the backup was not read to its end or a record could not be written.
    bool ok() const { return versionAccepted && error.isEmpty() && writeFailures.isEmpty(); }
    // A few plain lines for a message box or the terminal.
    QStringList summary() const;
};

// The failure of a restore's closing sync: its files are in place under `root` but the
// disk did not confirm them, so a power cut may still lose them.
QString restoredFilesNotDurable(const QString& root, const QString& reason);

// One record of a backup as listed by the information command.
struct BackupRecordInfo {
    QString folder;   // as stored
    QString fileName; // as stored
    qint64 size = 0;
};

// The files a kind backup of `walkFolder` (relative to `root`, "/" or "\" separated)
// holds, as root-relative paths with "/": a depth-first walk that first enters each
// sub-folder in listing order and then takes the folder's own files ending in
// `extension` (listing order).
QStringList collectBackupFiles(const QString& root, const QString& walkFolder,
                               const QString& extension);

// Writes the kind backup of `walkFolder` to `target` (through SafeSave).
bool writeKindBackup(const QString& root, const QString& walkFolder, const QString& extension,
                     qint32 version, const QString& target, QString* error,
                     const BackupProgress& progress = {});
// Writes the same kind backup to `device` from its position, each file read once and the
// records written in pieces of a few megabytes. Returns the number of bytes written, or
// -1 with `error` set.
qint64 writeKindBackupTo(QIODevice* device, const QString& root, const QString& walkFolder,
                         const QString& extension, qint32 version, QString* error,
                         const BackupProgress& progress = {});

RestoreReport restoreKindBackup(QIODevice* device, const QString& sourceName,
                                const RestoreOptions& options);
RestoreReport restoreKindBackup(const QString& path, const RestoreOptions& options);

// Lists the records of a kind backup without writing anything.
bool listKindBackup(QIODevice* device, const QString& sourceName, qint32* version,
                    QList<BackupRecordInfo>* records, QString* error);

} // namespace korvex
