#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace korvex {
class TFormKorvex;
}

namespace korvex::test {

// A private copy of the runtime tree ({app} = build/bin) in a temporary folder, so a test
// can start the real window, change its files and close it without touching the build.
class AppCopy {
public:
    AppCopy();
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const;

    // Replaces Settings.def with `lines`, enciphered as the program ships it.
    bool writeSettingsDef(const QStringList& lines) const;
    // The deciphered lines of Settings.def.
    QStringList readSettingsDef() const;
    bool writeText(const QString& relative, const QString& text) const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// The standard user settings of a test: English, large, two rinks selected.
QStringList defaultSettingsDef(const QString& language = QStringLiteral("English"));

// Starts the real main window on `app` and shows it (off screen), active for shortcuts.
std::unique_ptr<TFormKorvex> startWindow(const AppCopy& app);

} // namespace korvex::test
