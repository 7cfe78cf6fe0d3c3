#include "storage/ItemFiles.h"

#include "storage/search/LibraryNotify.h"

#include "core/FileHelpers.h"

#include <QFile>

namespace korvex {

bool deleteItemFiles(ItemKind kind, const QString& stem) {
    if (stem.isEmpty())
        return false;
    bool ok = true;
    for (const QString& file : itemFiles(kind, stem))
        ok = QFile::remove(file) && ok;
    notifyItemRemoved(itemFiles(kind, stem).constFirst());
    return ok;
}

bool renameItemFiles(ItemKind kind, const QString& stem, const QString& newStem) {
    if (stem.isEmpty() || newStem.isEmpty())
        return false;
    const QStringList sources = itemFiles(kind, stem);
    const QStringList targets = itemFiles(kind, newStem);
    if (sources == targets)
        return true;
    for (const QString& target : targets) {
        if (QFile::exists(target))
            return false;
    }
    bool ok = true;
    for (qsizetype i = 0; i < sources.size(); ++i)
        ok = QFile::rename(sources[i], targets[i]) && ok;
    notifyItemRemoved(sources.constFirst());
    notifyItemWritten(targets.constFirst());
    return ok;
}

bool copyItemFiles(ItemKind kind, const QString& stem, const QString& targetStem) {
    if (stem.isEmpty() || targetStem.isEmpty())
        return false;
    const QStringList sources = itemFiles(kind, stem);
    const QStringList targets = itemFiles(kind, targetStem);
    if (sources == targets)
        return false;
    bool ok = true;
    for (qsizetype i = 0; i < sources.size(); ++i)
        ok = copyFile(sources[i], targets[i]) && ok;
    notifyItemWritten(targets.constFirst());
    return ok;
}

QStringList savedExtensions() {
    QStringList extensions = {QStringLiteral("def"), QStringLiteral("txt"), QStringLiteral("set"),
                              QStringLiteral("jpg")};
    for (const ItemKindInfo& info : allItemKinds()) {
        for (const QString& extension : {QString::fromLatin1(info.dataExtension).mid(1),
                                         QString::fromLatin1(info.backupExtension).mid(1)}) {
            if (!extensions.contains(extension, Qt::CaseInsensitive))
                extensions.append(extension);
        }
    }
    return extensions;
}

bool itemExists(ItemKind kind, const QString& stem) {
    return !stem.isEmpty() && QFile::exists(itemFiles(kind, stem).constFirst());
}

} // namespace korvex
