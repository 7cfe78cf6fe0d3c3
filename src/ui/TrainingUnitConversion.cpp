#include "ui/TrainingUnitConversion.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvex {

void convertTrainingUnits(const QString& appDir, const QString& tpSaveDir) {
    const QString unitRoot = joinPath(appDir, QStringLiteral("Training unit"));
    if (!QFileInfo(unitRoot).isDir())
        return;
    const QString archiveRoot = joinPath(appDir, tpSaveDir, QStringLiteral("Archive"));
    const QStringList teams = ListFolder(unitRoot, QStringLiteral("*"), ListKind::Folders);
    for (const QString& team : teams) {
        const QString teamTarget = joinPath(archiveRoot, team);
        QDir().mkpath(teamTarget);
        const QString teamSource = joinPath(unitRoot, team);
        const QStringList numbers = ListFolder(teamSource, QStringLiteral("*"), ListKind::Folders);
        for (int i = 0; i < numbers.size(); ++i) {
            const QString numberSource = joinPath(teamSource, numbers.at(i));
            const QStringList names =
                ListFolder(numberSource, QStringLiteral("*.ump"), ListKind::Files);
            for (const QString& name : names) {
                const QString source = joinPath(numberSource, name + QStringLiteral(".ump"));
                QString target = joinPath(teamTarget, name + QStringLiteral(".pamp"));
                if (QFileInfo::exists(target))
                    target =
                        joinPath(teamTarget, name + QString::number(i) + QStringLiteral(".pamp"));
                // A plan is removed from the old tree only once its copy exists, and a copy
                // never replaces a plan already in the archive.
                if (QFileInfo::exists(target) || !copyFile(source, target))
                    continue;
                QFile::remove(source);
            }
            QDir().rmdir(numberSource);
        }
        QDir().rmdir(teamSource);
    }
    QDir().rmdir(unitRoot);
}

} // namespace korvex
