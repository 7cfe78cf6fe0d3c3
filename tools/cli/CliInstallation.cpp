#include "cli/CliInstallation.h"

#include "core/DataLocation.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <csignal>

namespace korvex::cli {

QString installationFolder() {
    DataLocation location;
    QString error;
    if (resolveDataLocation(QCoreApplication::applicationDirPath(), userDataFolder(), &location,
                            &error))
        return location.appDir;
    QTextStream(stderr) << error << '\n';
    const QString shipped = shippedRuntimeTree(QCoreApplication::applicationDirPath());
    return shipped.isEmpty() ? QCoreApplication::applicationDirPath() : shipped;
}

QString installationOf(const QString& file) {
    QDir folder = QFileInfo(file).absoluteDir();
    do {
        if (folder.exists(QStringLiteral("Settings.txt")))
            return folder.absolutePath();
    } while (folder.cdUp());
    return installationFolder();
}

bool loadInstallation(const QString& appDir, TSettings& settings, TLanguage& language,
                      QString* error) {
    settings.setAppDir(appDir);
    settings.setSaveOnDestroy(false);
    if (!settings.Load()) {
        *error = settings.errorString();
        return false;
    }
    language.setAppDir(appDir);
    language.setLanguageDir(settings.LanguageOpenDir());
    language.LoadLanguage(settings.Language());
    return true;
}

namespace {
const QString kScratchPrefix = QStringLiteral("korvex-cli-");
} // namespace

QString scratchTemplate() {
    return joinPath(QDir::tempPath(), kScratchPrefix +
                                          QString::number(QCoreApplication::applicationPid()) +
                                          QStringLiteral("-XXXXXX"));
}

void removeStaleScratch() {
    const QDir temp(QDir::tempPath());
    const QStringList names =
        temp.entryList({kScratchPrefix + QStringLiteral("*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QStringList parts = name.mid(kScratchPrefix.size()).split(QLatin1Char('-'));
        bool number = false;
        const qint64 pid = parts.size() == 2 ? parts[0].toLongLong(&number) : 0;
        if (!number || pid <= 0 || pid == QCoreApplication::applicationPid())
            continue;
        // kill(pid, 0) asks only whether the process exists.
        if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            QDir(temp.filePath(name)).removeRecursively();
    }
}

} // namespace korvex::cli
