#include "core/DataLocation.h"

#include "core/DataTreeCopy.h"
#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace korvex {

namespace {

const QString kMarker = QStringLiteral("Settings.txt");

} // namespace

QString shippedRuntimeTree(const QString& programDir) {
    const QDir dir(programDir);
    if (dir.exists(kMarker))
        return dir.absolutePath();
    // The installed layout: bin/korvex and share/korvex/runtime under one prefix.
    const QString installed =
        QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(KORVEX_INSTALLED_RUNTIME)));
    if (QFileInfo::exists(joinPath(installed, kMarker)))
        return installed;
    return QString();
}

bool isWritableFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        return false;
#endif
    QTemporaryFile probe(joinPath(folder, QStringLiteral(".korvex-write-test-XXXXXX")));
    return probe.open();
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool resolveDataLocation(const QString& programDir, const QString& userFolder,
                         DataLocation* location, QString* error) {
    const QString shipped = shippedRuntimeTree(programDir);
    if (shipped.isEmpty()) {
        *error = QStringLiteral("No Korvex data (%1) was found in %2 or in %3.")
                     .arg(kMarker, QDir::toNativeSeparators(programDir),
                          QDir::toNativeSeparators(QDir::cleanPath(
                              QDir(programDir)
                                  .absoluteFilePath(QStringLiteral(KORVEX_INSTALLED_RUNTIME)))));
        return false;
    }
    location->shippedDir = shipped;
    if (shipped == QDir(programDir).absolutePath() && isWritableFolder(shipped)) {
        location->appDir = programDir;
        location->inUserFolder = false;
        return true;
    }
    if (userFolder.isEmpty()) {
        *error = QStringLiteral("The program's folder %1 is read-only and there is no user "
                                "data folder to keep the data in.")
                     .arg(QDir::toNativeSeparators(shipped));
        return false;
    }
    if (!copyShippedTree(shipped, userFolder, error))
        return false;
    location->appDir = userFolder;
    location->inUserFolder = true;
    return true;
}

} // namespace korvex
