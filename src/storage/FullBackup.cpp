#include "storage/FullBackup.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/SafeSave.h"
#include "core/StreamRecords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace korvex {

namespace {

constexpr char kSuffixes[] = {'g', 't', 'p', 'd', 'c', 'a'};
constexpr qint64 kStepsPerKind = 1000;

void removeAll(const QStringList& files) {
    for (const QString& file : files)
        QFile::remove(file);
}

BackupProgress kindProgress(const FullBackupHooks& hooks, int index) {
    if (!hooks.progress)
        return {};
    const qint64 total = kStepsPerKind * fullBackupOrder().size();
    return [progress = hooks.progress, index, total](qint64 done, qint64 of) {
        const qint64 part = of > 0 ? done * kStepsPerKind / of : kStepsPerKind;
        progress(index * kStepsPerKind + part, total);
    };
}

// A read-only window on a range of an open file: a kind backup inside the bundle, read in
// place, so a restore needs no write access beside the bundle (read-only media work).
class FileWindow : public QIODevice {
public:
    FileWindow(QFile* file, qint64 offset, qint64 length)
        : m_file(file), m_offset(offset), m_length(length) {}
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_length; }
    bool seek(qint64 position) override {
        return position >= 0 && position <= m_length && QIODevice::seek(position);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 left = m_length - pos();
        if (left <= 0)
            return 0;
        if (!m_file->seek(m_offset + pos()))
            return -1;
        return m_file->read(data, std::min(maxSize, left));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile* m_file;
    qint64 m_offset;
    qint64 m_length;
};

struct BundleEntry {
    qint64 offset = 0;
    qint64 length = 0;
};

// The kind backups the bundle holds, in order, as far as they are whole. False with
// `error` set when the bundle is not one of `count` entries or is cut short.
bool listBundle(QFile* file, int count, QList<BundleEntry>* entries, QString* error) {
    BinaryReader in(file, QDir::toNativeSeparators(file->fileName()));
    in.readInt32(); // the tag is the writer's and is not checked
    const qint32 stored = in.readInt32();
    if (in.ok() && stored != count)
        in.fail(QStringLiteral("the bundle holds %1 files instead of %2").arg(stored).arg(count));
    for (qint32 i = 0; i < count && in.ok(); ++i) {
        const qint32 length = in.readInt32();
        const qint64 offset = in.position();
        in.skip(length);
        if (in.ok())
            entries->append({offset, length});
    }
    if (!in.ok())
        *error = in.errorString();
    return in.ok();
}

} // namespace

QStringList fullBackupTemporaryFiles(const QString& file) {
    QStringList files;
    for (char suffix : kSuffixes)
        files.append(file + QLatin1Char(suffix));
    return files;
}

bool writeFullBackup(const InstallationFolders& folders, const QString& file, QString* error,
                     const FullBackupHooks& hooks) {
    // The temporaries an older program wrote beside the bundle, should a killed run have
    // left them, go.
    removeAll(fullBackupTemporaryFiles(file));
    // Each kind backup is written straight into the bundle: its length field is written
    // as 0 first and set once the kind backup is written, so every file is read and
    // written once.
    const QList<BackupKind> kinds = fullBackupOrder();
    SafeSave save(file);
    if (save.open()) {
        QIODevice* device = save.device();
        QByteArray head;
        BinaryWriter out(&head);
        out.writeInt32(folders.version);
        out.writeInt32(static_cast<qint32>(kinds.size()));
        QString reason;
        bool ok = writeAll(device, head, &reason);
        for (int i = 0; i < kinds.size() && ok; ++i) {
            if (hooks.beforeKind)
                hooks.beforeKind(kinds[i]);
            const qint64 lengthAt = device->pos();
            ok = writeAll(device, QByteArray(4, '\0'), &reason);
            const qint64 length = ok ? writeKindBackupTo(device, folders.root,
                                                         backupWalkFolder(kinds[i], folders, true),
                                                         kindExtension(kinds[i]), folders.version,
                                                         &reason, kindProgress(hooks, i))
                                     : -1;
            if (length > std::numeric_limits<qint32>::max()) {
                reason = QStringLiteral("the backup of %1 is larger than 2 GB")
                             .arg(backupKindName(kinds[i]));
                ok = false;
            } else {
                ok = length >= 0;
            }
            if (ok) {
                QByteArray field;
                BinaryWriter(&field).writeInt32(static_cast<qint32>(length));
                ok = device->seek(lengthAt) && writeAll(device, field, &reason) &&
                     device->seek(lengthAt + 4 + length);
                if (!ok && reason.isEmpty())
                    reason = device->errorString();
            }
        }
        if (!ok)
            save.fail(reason);
    }
    const bool ok = save.commit();
    if (!ok && error)
        *error = save.errorString();
    return ok;
}

bool FullRestoreReport::ok() const {
    if (!error.isEmpty())
        return false;
    for (const RestoreReport& report : reports) {
        if (!report.ok())
            return false;
    }
    return true;
}

QStringList FullRestoreReport::summary() const {
    QStringList lines;
    for (int i = 0; i < kinds.size(); ++i) {
        const QStringList kindLines = reports[i].summary();
        for (const QString& line : kindLines)
            lines.append(backupKindName(kinds[i]) + QStringLiteral(": ") + line);
    }
    if (!error.isEmpty())
        lines.append(error);
    return lines;
}

FullRestoreReport restoreFullBackup(const InstallationFolders& folders, const QString& file,
                                    const FullBackupHooks& hooks) {
    FullRestoreReport result;
    QFile bundle(file);
    QString error;
    if (!openForReading(&bundle, &error)) {
        result.error = error;
        return result;
    }
    const QList<BackupKind> kinds = fullBackupOrder();
    QList<BundleEntry> entries;
    if (!listBundle(&bundle, int(kinds.size()), &entries, &error)) {
        result.error = QStringLiteral("The full backup is damaged: %1. The kinds read before the "
                                      "damage were restored.")
                           .arg(error);
        // A bundle of the wrong number of entries is no full backup: nothing is restored.
        if (entries.isEmpty())
            return result;
    }
    for (int i = 0; i < entries.size(); ++i) {
        if (hooks.beforeKind)
            hooks.beforeKind(kinds[i]);
        RestoreOptions options = restoreOptionsFor(kinds[i], folders);
        options.decider = hooks.decider ? hooks.decider(kinds[i]) : nullptr;
        if (hooks.rewriter)
            options.rewrite = hooks.rewriter(kinds[i]);
        options.progress = kindProgress(hooks, i);
        result.kinds.append(kinds[i]);
        // Closing the dialog stops this kind only; every kind starts with no decision.
        // One sync of the file system at the end serves every kind.
        options.syncAtEnd = false;
        FileWindow window(&bundle, entries[i].offset, entries[i].length);
        window.open(QIODevice::ReadOnly);
        result.reports.append(restoreKindBackup(&window, QDir::toNativeSeparators(file), options));
    }
    QString syncFailure;
    if (!syncFileSystem(folders.root, &syncFailure) && result.error.isEmpty())
        result.error = restoredFilesNotDurable(folders.root, syncFailure);
    return result;
}

} // namespace korvex
