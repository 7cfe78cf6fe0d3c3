#include "core/DataTreeCopy.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace korvex {

namespace {

// What the program only reads and an update of the program replaces: the installation keys
// (version and folder names) and the shipped folders.
const char* const kReadOnlyFile = "Settings.txt";
const char* const kReadOnlyFolders[] = {"Language", "Help", "Data", "Pictures"};

bool isReadOnlyShipped(const QString& relative) {
    if (relative == QLatin1String(kReadOnlyFile))
        return true;
    const QString first = relative.section(QLatin1Char('/'), 0, 0);
    for (const char* folder : kReadOnlyFolders) {
        if (first == QLatin1String(folder))
            return true;
    }
    return false;
}

bool sameContent(const QString& a, const QString& b) {
    QFile fileA(a);
    QFile fileB(b);
    return fileA.open(QIODevice::ReadOnly) && fileB.open(QIODevice::ReadOnly) &&
           fileA.readAll() == fileB.readAll();
}

// Same size and time, or (a file the program wrote back unchanged) same bytes.
bool sameFile(const QFileInfo& a, const QFileInfo& b) {
    if (a.size() != b.size())
        return false;
    return a.lastModified().toMSecsSinceEpoch() == b.lastModified().toMSecsSinceEpoch() ||
           sameContent(a.filePath(), b.filePath());
}

// Copies `source` onto `target` atomically and gives the copy the source's modification
// time, which the next start compares.
bool copyWithTime(const QFileInfo& source, const QString& target, QString* error) {
    if (!copyFile(source.filePath(), target, error))
        return false;
    QFile copy(target);
    if (!copy.open(QIODevice::ReadWrite) ||
        !copy.setFileTime(source.lastModified(), QFileDevice::FileModificationTime)) {
        *error = QStringLiteral("%1: cannot set its time: %2")
                     .arg(QDir::toNativeSeparators(target), copy.errorString());
        return false;
    }
    return true;
}

bool makeFolder(const QString& folder, QString* error) {
    if (QDir().mkpath(folder))
        return true;
    *error = QStringLiteral("%1: the folder cannot be made").arg(QDir::toNativeSeparators(folder));
    return false;
}

// Brings `target` up to date with `source` as copyShippedTree describes.
bool updateTree(const QString& source, const QString& target, QString* error) {
    const QDir sourceDir(source);
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        const QString relative = sourceDir.relativeFilePath(entry.filePath());
        const QString copy = joinPath(target, relative);
        if (entry.isDir()) {
            if (!makeFolder(copy, error))
                return false;
            continue;
        }
        const QFileInfo existing(copy);
        const bool replace =
            !existing.exists() || (isReadOnlyShipped(relative) && !sameFile(entry, existing));
        if (replace && !copyWithTime(entry, copy, error))
            return false;
    }
    return true;
}

bool isMissingOrEmpty(const QString& folder) {
    const QDir dir(folder);
    return !dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The first copy: the whole tree into a scratch folder beside `target`, then one rename.
bool copyWholeTree(const QString& source, const QString& target, QString* error) {
    const QFileInfo targetInfo(target);
    QDir parent = targetInfo.absoluteDir();
    if (!makeFolder(parent.absolutePath(), error))
        return false;
    QTemporaryDir scratch(parent.filePath(targetInfo.fileName() + QStringLiteral(".new-XXXXXX")));
    if (!scratch.isValid()) {
        *error = QStringLiteral("%1: no folder can be made there: %2")
                     .arg(QDir::toNativeSeparators(parent.absolutePath()), scratch.errorString());
        return false;
    }
    if (!updateTree(source, scratch.path(), error))
        return false;
    // An empty folder in the way (made by someone else) gives way; a full one never.
    parent.rmdir(targetInfo.fileName());
    if (!parent.rename(QFileInfo(scratch.path()).fileName(), targetInfo.fileName())) {
        // Another start of the program may have finished the same copy meanwhile.
        if (QFileInfo::exists(joinPath(target, QStringLiteral("Settings.txt"))))
            return true;
        *error = QStringLiteral("%1: the copied data folder cannot be put in place")
                     .arg(QDir::toNativeSeparators(target));
        return false;
    }
    scratch.setAutoRemove(false);
    return true;
}

} // namespace

bool copyShippedTree(const QString& source, const QString& target, QString* error) {
    if (isMissingOrEmpty(target))
        return copyWholeTree(source, target, error);
    return updateTree(source, target, error);
}

} // namespace korvex
