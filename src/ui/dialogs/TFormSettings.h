#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QListWidget;

namespace korvex {

class TLanguage;
class TSettings;

// The settings dialog: language, window size, the rinks offered in the graphic editor and
// the automatic numbering of players. It only gathers values; applyToSettings() stores
// them in the settings object (written to disk at shutdown), and the main window then
// reloads the language and rebuilds its view.
class TFormSettings : public QDialog {
    Q_OBJECT

public:
    TFormSettings(TLanguage& language, TSettings& settings, QWidget* parent = nullptr);

    // The rink names offered in the dialog: the "*.jpg" files of `folder` without extension,
    // leaving out the thumbnails (names ending in "Small").
    static QStringList rinkNames(const QString& folder);

    // Stores the dialog's values in the settings. A language list with nothing chosen keeps
    // the current language.
    void applyToSettings();
    const QString& previousLanguage() const { return m_previousLanguage; }

private:
    void buildControls();
    void fill();

    TLanguage& m_language;
    TSettings& m_settings;
    QString m_previousLanguage;
    QComboBox* m_languageBox = nullptr;
    QComboBox* m_sizeBox = nullptr;
    QListWidget* m_courts = nullptr;
    QCheckBox* m_countPlayers = nullptr;
};

} // namespace korvex
