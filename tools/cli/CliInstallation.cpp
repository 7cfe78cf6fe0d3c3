#include "cli/CliInstallation.h"

#include "core/DataLocation.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

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
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *error = QStringLiteral("cannot make a scratch folder: %1").arg(scratch.errorString());
        return false;
    }
    for (const char* name : {"Settings.def", "Settings.txt"}) {
        const QString source = joinPath(appDir, QLatin1String(name));
        if (QFile::exists(source) && !QFile::copy(source, scratch.filePath(QLatin1String(name)))) {
            *error = QStringLiteral("%1: cannot be read").arg(QDir::toNativeSeparators(source));
            return false;
        }
    }
    settings.setAppDir(scratch.path());
    settings.setSaveOnDestroy(false);
    const bool loaded = settings.Load();
    settings.setAppDir(appDir);
    if (!loaded) {
        *error = settings.errorString();
        error->replace(QDir::toNativeSeparators(scratch.path()), QDir::toNativeSeparators(appDir));
        return false;
    }
    language.setAppDir(appDir);
    language.setLanguageDir(settings.LanguageOpenDir());
    language.LoadLanguage(settings.Language());
    return true;
}

} // namespace korvex::cli
