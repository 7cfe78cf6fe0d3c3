#include "storage/KindBackup.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/StreamRecords.h"
#include "storage/ItemNames.h"
#include "storage/search/LibraryNotify.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace korvex {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The names of the files of `folder` that end in `extension` (any letter case), in the
// order the folder listing gives.
QStringList filesWithExtension(const QString& folder, const QString& extension) {
    QStringList names;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : entries) {
        if (name.endsWith(extension, Qt::CaseInsensitive))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), folderOrderLess);
    return names;
}

// The walk of a kind backup. A folder with neither sub-folders nor files of the kind is
// listed as itself with a trailing "/": it becomes an empty-folder record.
void walk(const QString& root, const QString& relative, const QString& extension,
          QStringList* files) {
    const QString folder = joinPath(root, relative);
    const QStringList subfolders = ListFolder(folder, QStringLiteral("*"), ListKind::Folders);
    for (const QString& sub : subfolders)
        walk(root, joinPath(relative, sub), extension, files);
    // The folder's own files follow its sub-folders, so team files that lie beside the
    // player-archive folder are kept too.
    const QStringList own = filesWithExtension(folder, extension);
    for (const QString& name : own)
        files->append(joinPath(relative, name));
    if (subfolders.isEmpty() && own.isEmpty())
        files->append(relative + QLatin1Char('/'));
}

QStringList walkEntries(const QString& root, const QString& walkFolder, const QString& extension) {
    QStringList entries;
    const QString start = storedToPath(walkFolder);
    if (QDir(joinPath(root, start)).exists())
        walk(root, start, extension, &entries);
    return entries;
}

bool isFolderEntry(const QString& entry) {
    return entry.endsWith(QLatin1Char('/'));
}

// Why the folder of a record may not be written, or an empty text when it may.
QString folderRefusal(const QString& folder, const RestoreOptions& options) {
    if (!isSafeRelativePath(folder))
        return QStringLiteral("its folder lies outside the application directory");
    const QString path = storedToPath(folder);
    const QString own = storedToPath(options.kindFolder);
    if (!own.isEmpty() && path.compare(own, Qt::CaseInsensitive) != 0 &&
        !path.startsWith(own + QLatin1Char('/'), Qt::CaseInsensitive))
        return QStringLiteral("its folder lies outside the folder %1 of this kind")
            .arg(options.kindFolder);
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (!isSafeItemName(part))
            return QStringLiteral("its folder has a part that is not a plain name");
        if (part.toUtf8().size() > kMaxFileNameBytes)
            return QStringLiteral("its folder has a name longer than %1 bytes")
                .arg(kMaxFileNameBytes);
    }
    if (joinPath(options.root, path).toUtf8().size() > kMaxPathBytes)
        return QStringLiteral("its folder path is longer than %1 bytes").arg(kMaxPathBytes);
    return {};
}

// Why a record may not be restored, or an empty text when it may.
QString refusalReason(const QString& folder, const QString& fileName,
                      const RestoreOptions& options) {
    const QString folderReason = folderRefusal(folder, options);
    if (!folderReason.isEmpty())
        return folderReason;
    const QString& extension = options.extension;
    if (!isSafeItemName(fileName))
        return QStringLiteral("its file name is not a plain file name");
    if (!fileName.endsWith(extension, Qt::CaseInsensitive) || fileName.size() <= extension.size())
        return QStringLiteral("it is not a %1 file").arg(extension);
    ItemKind kind;
    if (itemKindForExtension(extension, &kind)) {
        const QString problem = itemNameProblem(kind, extractFileTitle(fileName));
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString recordText(const QString& folder, const QString& fileName) {
    const QString text = folder.isEmpty() ? fileName : folder + QLatin1Char('\\') + fileName;
    // A hostile record may hold a folder of thousands of characters: the report shows its
    // start and end.
    constexpr qsizetype kShown = 200;
    const QString shown = text.size() > kShown ? text.left(kShown / 2) + QStringLiteral("...") +
                                                     text.right(kShown / 2)
                                               : text;
    return printableName(shown);
}

} // namespace

QString restoredFilesNotDurable(const QString& root, const QString& reason) {
    return QStringLiteral("%1: the restored files could not be made durable: %2")
        .arg(QDir::toNativeSeparators(root), reason);
}

QStringList RestoreReport::summary() const {
    QStringList lines;
    if (!versionAccepted) {
        lines.append(QStringLiteral("The backup has format version %1, which this program does "
                                    "not read; nothing was restored.")
                         .arg(version));
        return lines;
    }
    lines.append(
        QStringLiteral("%1 added, %2 replaced, %3 skipped.").arg(added).arg(replaced).arg(skipped));
    if (folders > 0)
        lines.append(QStringLiteral("%1 empty folders made again.").arg(folders));
    if (!refused.isEmpty())
        lines.append(QStringLiteral("%1 records refused:").arg(refused.size()));
    for (const QString& text : refused)
        lines.append(QStringLiteral("Refused: %1").arg(text));
    for (const QString& text : writeFailures)
        lines.append(QStringLiteral("Not written: %1").arg(text));
    for (const QString& text : rewriteFailures)
        lines.append(QStringLiteral("Restored as stored, not rewritten: %1").arg(text));
    if (stoppedByUser)
        lines.append(QStringLiteral("The restore was stopped; the items before stay restored."));
    if (!error.isEmpty())
        lines.append(error);
    return lines;
}

QStringList collectBackupFiles(const QString& root, const QString& walkFolder,
                               const QString& extension) {
    QStringList files = walkEntries(root, walkFolder, extension);
    files.removeIf(isFolderEntry);
    return files;
}

qint64 writeKindBackupTo(QIODevice* device, const QString& root, const QString& walkFolder,
                         const QString& extension, qint32 version, QString* error,
                         const BackupProgress& progress) {
    // Records gather in memory and go to the device in pieces of a few megabytes.
    constexpr qsizetype kPiece = 4 * 1024 * 1024;
    const QStringList files = walkEntries(root, walkFolder, extension);
    QByteArray piece;
    BinaryWriter out(&piece);
    qint64 written = 0;
    const auto flush = [&] {
        if (out.ok() && !piece.isEmpty()) {
            QString reason;
            if (!writeAll(device, piece, &reason))
                out.fail(reason);
            written += piece.size();
        }
        piece.resize(0); // keeps the memory for the next piece
    };
    out.writeInt32(version);
    for (int i = 0; i < files.size() && out.ok(); ++i) {
        if (isFolderEntry(files[i])) {
            writeStreamString(out, pathToStored(files[i].chopped(1)));
            writeStreamString(out, QString());
            out.writeInt32(0);
        } else {
            writeStreamString(out, pathToStored(extractFolder(files[i])));
            writeStreamString(out, extractFileName(files[i]));
            writeFileBlock(out, joinPath(root, files[i]));
        }
        if (piece.size() >= kPiece)
            flush();
        if (progress)
            progress(i + 1, files.size());
    }
    flush();
    if (!out.ok()) {
        if (error)
            *error = out.errorString();
        return -1;
    }
    return written;
}

bool writeKindBackup(const QString& root, const QString& walkFolder, const QString& extension,
                     qint32 version, const QString& target, QString* error,
                     const BackupProgress& progress) {
    SafeSave save(target);
    if (save.open()) {
        QString reason;
        if (writeKindBackupTo(save.device(), root, walkFolder, extension, version, &reason,
                              progress) < 0)
            save.fail(reason);
    }
    const bool ok = save.commit();
    if (!ok && error)
        *error = save.errorString();
    return ok;
}

RestoreReport restoreKindBackup(QIODevice* device, const QString& sourceName,
                                const RestoreOptions& options) {
    RestoreReport report;
    BinaryReader in(device, sourceName);
    report.version = in.readInt32();
    if (!in.ok()) {
        report.error = in.errorString();
        return report;
    }
    if (!isAcceptedVersion(report.version)) {
        report.versionAccepted = false;
        return report;
    }
    const bool teamFiles = options.style == RestoreStyle::TeamFiles;
    const QString& ext = options.extension;
    BackupDecision code = BackupDecision::None;
    int recordNumber = 0;
    QString folder;
    QString fileName;

    auto refuse = [&](const QString& reason) {
        skipFileBlock(in);
        report.refused.append(QStringLiteral("%1: %2").arg(recordText(folder, fileName), reason));
    };
    // Each target folder is listed once; the items the restore adds join its list.
    QHash<QString, QStringList> listed;
    const auto itemsIn = [&](const QString& folderPath) -> QStringList& {
        auto it = listed.find(folderPath);
        if (it == listed.end())
            it = listed.insert(folderPath,
                               ListFolder(folderPath, QStringLiteral("*") + ext, ListKind::Files));
        return *it;
    };
    bool wroteNewFiles = false;
    // Writes the files of an item: a file that replaces an existing one through the atomic
    // save, a new one directly (made durable by the sync at the end). The data file comes
    // last, so an item whose data file exists has all its files: a restore killed at any
    // moment leaves each file old or new, and a second restore completes it.
    const auto writeFiles = [&](const QList<FileBytes>& files, QString* error) {
        SaveGroup replacing;
        QList<const FileBytes*> fresh;
        for (const FileBytes& file : files) {
            if (QFileInfo::exists(file.path))
                replacing.addBytes(file.path, file.bytes);
            else
                fresh.append(&file);
        }
        const bool dataIsNew = !fresh.isEmpty() && fresh.first() == &files.first();
        for (const FileBytes* file : fresh) {
            if (file == &files.first())
                continue;
            if (!saveNewBytes(file->path, file->bytes, error))
                return false;
            wroteNewFiles = true;
        }
        if (!replacing.commit()) {
            *error = replacing.errorString();
            return false;
        }
        if (dataIsNew) {
            if (!saveNewBytes(files.first().path, files.first().bytes, error))
                return false;
            wroteNewFiles = true;
        }
        return true;
    };
    // Writes the content of the current record as `name` + extension. A record that cannot
    // be written is reported and the restore goes on: its block is read all the same.
    auto writeItem = [&](const QString& name) {
        const QString folderPath = joinPath(options.root, storedToPath(folder));
        if (!QDir().mkpath(folderPath)) {
            skipFileBlock(in);
            report.writeFailures.append(
                QStringLiteral("%1: the folder cannot be made").arg(recordText(folder, fileName)));
            return;
        }
        const QString stem = joinPath(folderPath, name);
        const bool existed = QFileInfo::exists(stem + ext);
        const QByteArray bytes = in.readBytes(in.readInt32());
        if (!in.ok())
            return;
        // The item is rewritten in memory; one that cannot be is restored as stored.
        QList<FileBytes> files;
        QString rewriteError;
        const bool rewriting = !teamFiles && options.rewrite;
        const bool rewritten =
            rewriting && options.rewrite.rewrite(stem, bytes, &files, &rewriteError);
        if (!rewritten)
            files = {{stem + ext, bytes}};
        QString error;
        if (!writeFiles(files, &error)) {
            report.writeFailures.append(error);
            return;
        }
        notifyItemWritten(stem + ext);
        ++(existed ? report.replaced : report.added);
        QStringList& items = itemsIn(folderPath);
        if (!items.contains(name))
            items.append(name);
        if (rewriting && !rewritten)
            report.rewriteFailures.append(
                QStringLiteral("%1: %2").arg(recordText(folder, name + ext), rewriteError));
    };
    // An item kept as it is still gets the files an interrupted restore did not write.
    auto skipItem = [&] {
        skipFileBlock(in);
        ++report.skipped;
        if (teamFiles || !options.rewrite.complete)
            return;
        const QString failure = options.rewrite.complete(
            joinPath(joinPath(options.root, storedToPath(folder)), extractFileTitle(fileName)));
        // The item stays, and its pictures are drawn again when it is next opened; the
        // restore still says that they could not be written now.
        if (!failure.isEmpty())
            report.writeFailures.append(failure);
    };

    while (in.ok() && !in.atEnd()) {
        if (teamFiles ? code == BackupDecision::SkipAll : code == BackupDecision::Close)
            break;
        ++recordNumber;
        folder = readStreamString(in);
        fileName = readStreamString(in);
        if (!in.ok())
            break;
        if (fileName.isEmpty()) {
            // An empty folder (a category without items).
            const QString reason = folderRefusal(folder, options);
            if (!reason.isEmpty()) {
                refuse(reason);
            } else if (QDir().mkpath(joinPath(options.root, storedToPath(folder)))) {
                skipFileBlock(in);
                ++report.folders;
            } else {
                skipFileBlock(in);
                report.writeFailures.append(QStringLiteral("%1: the folder cannot be made")
                                                .arg(recordText(folder, fileName)));
            }
        } else if (const QString reason = refusalReason(folder, fileName, options);
                   !reason.isEmpty()) {
            refuse(reason);
        } else if (code == BackupDecision::ReplaceAll) {
            writeItem(extractFileTitle(fileName));
        } else {
            const QString suggested = extractFileTitle(fileName);
            const QStringList existing = itemsIn(joinPath(options.root, storedToPath(folder)));
            if (!existing.contains(suggested)) {
                writeItem(suggested);
            } else if (code == BackupDecision::SkipAll) {
                skipItem();
            } else {
                QString name = suggested;
                code = options.decider ? options.decider->decide(QStringLiteral("...\\") + folder +
                                                                     QLatin1Char('\\'),
                                                                 suggested, existing, &name)
                                       : BackupDecision::SkipAll;
                if (code == BackupDecision::ReplaceAll)
                    name = suggested;
                switch (code) {
                case BackupDecision::Add:
                case BackupDecision::Replace:
                case BackupDecision::ReplaceAll: {
                    ItemKind kind;
                    const QString problem =
                        itemKindForExtension(ext, &kind)
                            ? itemNameProblem(kind, name)
                            : (isSafeItemName(name) ? QString()
                                                    : QStringLiteral("not a plain name"));
                    if (problem.isEmpty())
                        writeItem(name);
                    else
                        refuse(QStringLiteral("\"%1\": %2").arg(printableName(name), problem));
                    break;
                }
                case BackupDecision::Close:
                    if (teamFiles) {
                        skipItem();
                    } else {
                        report.stoppedByUser = true;
                    }
                    break;
                default:
                    skipItem();
                    break;
                }
            }
        }
        if (options.progress)
            options.progress(in.position(), in.size());
    }
    QString syncFailure;
    if (wroteNewFiles && options.syncAtEnd && !syncFileSystem(options.root, &syncFailure))
        report.writeFailures.append(restoredFilesNotDurable(options.root, syncFailure));
    if (!in.ok()) {
        report.error =
            QStringLiteral("The restore stopped at record %1 (%2): %3. The items before it stay "
                           "restored.")
                .arg(recordNumber)
                .arg(fileName.isEmpty() && folder.isEmpty() ? QStringLiteral("unreadable")
                                                            : recordText(folder, fileName),
                     in.errorString());
    }
    return report;
}

RestoreReport restoreKindBackup(const QString& path, const RestoreOptions& options) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        RestoreReport report;
        report.error =
            QStringLiteral("%1: cannot be read: %2").arg(native(path), file.errorString());
        return report;
    }
    return restoreKindBackup(&file, native(path), options);
}

bool listKindBackup(QIODevice* device, const QString& sourceName, qint32* version,
                    QList<BackupRecordInfo>* records, QString* error) {
    BinaryReader in(device, sourceName);
    *version = in.readInt32();
    while (in.ok() && !in.atEnd()) {
        BackupRecordInfo info;
        info.folder = readStreamString(in);
        info.fileName = readStreamString(in);
        info.size = in.readInt32();
        in.skip(info.size);
        if (in.ok())
            records->append(info);
    }
    if (!in.ok() && error)
        *error = in.errorString();
    return in.ok();
}

} // namespace korvex
