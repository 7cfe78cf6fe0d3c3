#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace korvex {

// The one settings object of a run: the installation's folder names and version (from
// {app}/Settings.txt), the user's settings (from the enciphered {app}/Settings.def: language,
// form size, player numbering and the selected rinks) and the run-time state the mode
// views share (current mode, edit flag, reload-needed flags, remembered selections).
//
// Settings.def is a line list: key lines "key=value" first, then from the zero-based line
// IndexOfGroundLine to the end one selected rink name per line. It is deciphered and
// enciphered in memory: no deciphered copy ever touches the disk (a full disk or a
// read-only program folder does not stop the program from starting).
class TSettings {
public:
    enum ReloadList {
        GraphicList,
        TextList,
        TrainingPlanList,
        TrainingArchiveList,
        PlayerCardList,
        DiaryList,
        ReloadListCount
    };
    enum PlanSelector : quint8 { Plans = 0, Archive = 1 };

    TSettings();
    explicit TSettings(const QString& appDir, const QString& baseName = QStringLiteral("Settings"));
    // Writes the settings back when they were loaded (see setSaveOnDestroy).
    ~TSettings();
    TSettings(const TSettings&) = delete;
    TSettings& operator=(const TSettings&) = delete;

    void setAppDir(const QString& dir) { m_appDir = dir; }
    const QString& appDir() const { return m_appDir; }
    void setBaseName(const QString& name) { m_baseName = name; }
    const QString& baseName() const { return m_baseName; }

    // Deciphers Settings.def and reads both files (and removes a deciphered
    // Settings.set that an older run left behind). False with errorString() set when a file
    // is missing, unreadable or undecipherable, or a number is not a number.
    bool Load();
    // Writes Settings.txt and the enciphered Settings.def. False with errorString() set.
    bool Save();
    QString errorString() const { return m_error; }
    bool isLoaded() const { return m_loaded; }
    // The destructor saves only a loaded object, and only while this is on (default on).
    void setSaveOnDestroy(bool on) { m_saveOnDestroy = on; }

    QString defPath() const;
    QString txtPath() const;
    QString setPath() const;

    // Installation keys (Settings.txt).
    int Version() const { return m_version; }
    const QString& VersionText() const { return m_versionText; }
    const QString& CPSaveDir() const { return m_cpSaveDir; }
    const QString& TXSaveDir() const { return m_txSaveDir; }
    const QString& TPSaveDir() const { return m_tpSaveDir; }
    const QString& GMSaveDir() const { return m_gmSaveDir; }
    const QString& DMSaveDir() const { return m_dmSaveDir; }
    const QString& LanguageOpenDir() const { return m_languageOpenDir; }
    const QString& PictureOpenDir() const { return m_pictureOpenDir; }
    const QString& PhotosSaveDir() const { return m_photosSaveDir; }
    const QString& DRSaveDir() const { return m_drSaveDir; }
    const QString& PlayCourtSaveDir() const { return m_playCourtSaveDir; }
    const QString& TCSaveDir() const { return m_tcSaveDir; }
    const QString& PlayerArchiveSaveDir() const { return m_playerArchiveSaveDir; }

    // User settings (Settings.def).
    const QString& Language() const { return m_language; }
    void setLanguage(const QString& language) { m_language = language; }
    bool CountPlayers() const { return m_countPlayers; }
    void setCountPlayers(bool on) { m_countPlayers = on; }
    int IndexOfGroundLine() const { return m_indexOfGroundLine; }
    const QStringList& selectedRinks() const { return m_selectedRinks; }
    void setSelectedRinks(const QStringList& rinks) { m_selectedRinks = rinks; }
    const QStringList& defLines() const { return m_defLines; }
    const QStringList& txtLines() const { return m_txtLines; }

    // Form size 0 (small) or 1 (large) sets the window and rink sizes; any other value is
    // stored but changes no size.
    void SetFormSize(int size);
    quint8 FormSize() const { return m_formSize; }
    int WindowWidth() const { return m_windowWidth; }
    int WindowHeight() const { return m_windowHeight; }
    int RinkWidth() const { return m_rinkWidth; }
    int RinkHeight() const { return m_rinkHeight; }

    // Run-time state, never stored.
    int CurrentMode() const { return m_currentMode; }
    void setCurrentMode(int mode) { m_currentMode = mode; }
    bool EditFlag() const { return m_editFlag; }
    void setEditFlag(bool on) { m_editFlag = on; }

    bool reloadNeeded(ReloadList list) const;
    void setReloadNeeded(ReloadList list, bool on);
    void setAllReloadNeeded(bool on);
    // The plan or archive list flag, picked by the plan/archive selector.
    bool planReloadNeeded() const;
    void setPlanReloadNeeded(bool on);

    quint8 planSelector() const { return m_planSelector; }
    void setPlanSelector(quint8 selector) { m_planSelector = selector; }

    // Remembered selection (level 0 category, 1 subcategory, 2 item) of the views of modes
    // 1, 2, 4, 5, 7 and 8. Other modes or levels read `fallback` and store nothing.
    int rememberedIndex(int mode, int level, int fallback = 0) const;
    void setRememberedIndex(int mode, int level, int index);
    // Remembered team (subcategory) and plan indices of the training-plan view, the plans
    // or the archive copy by the selector; any other selector reads `fallback` and
    // stores nothing.
    int TPTeamIndex(int fallback = 0) const;
    void setTPTeamIndex(int index);
    int TPPlanIndex(int fallback = 0) const;
    void setTPPlanIndex(int index);

private:
    bool load();
    bool save();
    bool readInteger(const QString& text, const QString& key, const QString& file, int* value);
    void removeSetFile();

    QString m_appDir;
    QString m_baseName = QStringLiteral("Settings");
    QString m_language;
    QString m_cpSaveDir, m_txSaveDir, m_tpSaveDir, m_gmSaveDir, m_dmSaveDir, m_languageOpenDir,
        m_pictureOpenDir, m_photosSaveDir, m_drSaveDir, m_playCourtSaveDir, m_tcSaveDir,
        m_playerArchiveSaveDir;
    int m_currentMode = 1;
    bool m_editFlag = false;
    std::array<bool, ReloadListCount> m_reload{};
    std::array<std::array<int, 3>, 9> m_remembered{};     // by mode 0..8
    std::array<std::array<int, 2>, 2> m_planRemembered{}; // [selector][team, plan]
    quint8 m_planSelector = Plans;
    int m_rinkWidth = 0, m_rinkHeight = 0, m_windowWidth = 0, m_windowHeight = 0;
    quint8 m_formSize = 0;
    int m_version = 0;
    QString m_versionText;
    int m_indexOfGroundLine = 0;
    bool m_countPlayers = false;
    QStringList m_selectedRinks;
    QStringList m_defLines;
    QStringList m_txtLines;

    QString m_error;
    bool m_loaded = false;
    bool m_saveOnDestroy = true;
};

} // namespace korvex
