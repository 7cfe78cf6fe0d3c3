// The user settings: the input is the deciphered text of Settings.def. It is enciphered
// with the program's cipher, so the fuzzer works on the text the reader sees.
#include "FuzzInstallation.h"

#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/SettingsCipher.h"
#include "core/TSettings.h"

#include <QDir>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    const QString folder = installation.path(QStringLiteral("SettingsFuzz"));
    QDir().mkpath(folder);
    QFile::copy(installation.path(QStringLiteral("Settings.txt")),
                joinPath(folder, QStringLiteral("Settings.txt")));
    RotatingKeyCipher cipher(QByteArray(kBuiltInSettingsKey), false, false);
    saveBytes(joinPath(folder, QStringLiteral("Settings.def")),
              cipher.apply(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    TSettings settings(folder);
    settings.setSaveOnDestroy(false);
    if (settings.Load())
        settings.Save();
    QDir(folder).removeRecursively();
    return 0;
}
