#include "UiTestSupport.h"

#include "core/SafeSave.h"
#include "core/SettingsCipher.h"
#include "ui/TFormKorvex.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace korvex::test {

AppCopy::AppCopy() {
    if (!m_dir.isValid())
        return;
    const QDir source(QStringLiteral(KORVEX_APP_DIR));
    QDirIterator it(source.path(), QDir::Files | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    m_valid = true;
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isExecutable())
            continue; // the programs are not part of the data
        const QString target =
            QDir(m_dir.path()).filePath(source.relativeFilePath(info.filePath()));
        QDir().mkpath(QFileInfo(target).path());
        m_valid = m_valid && QFile::copy(info.filePath(), target);
    }
}

QString AppCopy::file(const QString& relative) const {
    return QDir(m_dir.path()).filePath(relative);
}

bool AppCopy::writeSettingsDef(const QStringList& lines) const {
    const QString plain = file(QStringLiteral("plain-settings.txt"));
    const bool ok = saveTextLines(plain, lines) &&
                    cipherSettingsFile(plain, file(QStringLiteral("Settings.def")));
    QFile::remove(plain);
    return ok;
}

QStringList AppCopy::readSettingsDef() const {
    const QString plain = file(QStringLiteral("plain-settings.txt"));
    QStringList lines;
    if (cipherSettingsFile(file(QStringLiteral("Settings.def")), plain))
        loadTextLines(plain, &lines);
    QFile::remove(plain);
    return lines;
}

bool AppCopy::writeText(const QString& relative, const QString& text) const {
    QDir().mkpath(QFileInfo(file(relative)).path());
    return saveBytes(file(relative), text.toUtf8());
}

QStringList defaultSettingsDef(const QString& language) {
    return {QStringLiteral("Language=") + language,
            QStringLiteral("FormSize=1"),
            QStringLiteral("CountPlayers=-1"),
            QStringLiteral("IndexOfGroundLine=4"),
            QStringLiteral("Rink"),
            QStringLiteral("HalfRink")};
}

std::unique_ptr<TFormKorvex> startWindow(const AppCopy& app) {
    auto window = std::make_unique<TFormKorvex>(app.path());
    if (!window->startUp())
        return nullptr;
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

} // namespace korvex::test
