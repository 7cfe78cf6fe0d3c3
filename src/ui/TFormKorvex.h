#pragma once

#include "ui/ModeTable.h"
#include "ui/TModeView.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <array>
#include <memory>

class QAction;
class QMenu;
class QStackedLayout;
class QToolButton;

namespace korvex {

class TLanguage;
class TSettings;

// The main window. It owns the settings and the language table for the whole run, the
// menus and the tool bar, and hosts one mode view at a time below the tool bar. What it
// knows of each mode (Mode, its number, menus, captions, view) is one row of modeTable().
// The explorer view, once made, lives until the window is destroyed.
class TFormKorvex : public QMainWindow {
    Q_OBJECT

public:
    static const char* const kHomePage;

    // `appDir` is {app}, the folder of the executable.
    explicit TFormKorvex(const QString& appDir, QWidget* parent = nullptr);
    ~TFormKorvex() override;

    // Loads the settings and the language, converts an old training-unit tree, enters the
    // graphic mode, applies the captions and sizes the window. False with errorString()
    // when the settings or the language cannot be loaded; the window must then not be
    // shown, and the settings files are left as they are.
    bool startUp();
    QString errorString() const { return m_error; }

    void SwitchMode(int mode);
    void EnterMode(int mode);
    void LeaveMode(int mode);
    void ApplyCaptions();
    void SetEditMode(bool on);
    void ToggleEditMode();
    bool OpenInBrowser(const QString& url);
    // Leaves the modes and writes the settings back; runs once, from closing or destruction.
    void shutDown();

    int currentMode() const;
    TModeView* currentView() const;
    TModeView* explorerView() const;
    TSettings& settings() const { return *m_settings; }
    TLanguage& language() const { return *m_language; }
    const QString& appDir() const { return m_appDir; }

    // The commands of the Help and Tools menus, also reachable for tests.
    void showSettings();
    // Help > Contents: the page of the language in the system's browser, or in the
    // program's own help window when no browser opens it.
    void showHelp();
    // Help > Home page; says where it is when no browser opens it.
    void showHomePage();
    void showAbout();
    // The menu item (or a menu's own item) of that object name; null when there is none.
    QAction* action(const char* name) const;
    QAction* action(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Menus and tool bar (TFormKorvexMenus.cpp).
    void createMenus();
    void createToolBar();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, int tag = 0);
    QMenu* addSubmenu(QMenu* parent, const char* name, const QString& caption);
    QMenu* addTopMenu(const char* name, const QString& caption);
    QAction* viewItem(QMenu* menu, const char* name, const QString& caption, ViewCommand command,
                      int tag = 0);
    QToolButton* addToolButton(const char* name, const QString& glyph, int tag);
    void setModeShortcuts(int mode, bool on);
    void updateMenusForMode(int mode);
    void updateCommandItems();
    void onGraphicMenuShow();
    void onPlanMenuShow();
    void onEditMenuShow();
    void greyOutItemCommands(const QMenu* menu);
    void greyOutUndoRedo();
    // Disables an enabled entry until the menu showing it closes.
    void greyOut(QAction* entry);
    void onCommandMenuHide();
    QIcon glyph(const QString& fileName) const;

    // Commands (TFormKorvexCommands.cpp).
    void onModeItem();
    void onViewCommand();
    void onNewChange();
    void onPlaceToPlan();
    // The commands that act on the item chosen in the view (the practise, the plan).
    static bool actsOnItem(ViewCommand command);
    bool actsOnItem(const QAction* entry) const;
    // The language key of the message asking to choose the current view's item first, while
    // the view has none chosen; empty when it has one or needs none.
    QString missingItemKey() const;
    // When the item is missing, says so in the status bar and returns true.
    bool saidItemMissing();
    void onCreateArchive();
    // The explorer's gestures: open a practise in the graphic view, place one into the plan.
    void onExplorerOpen(int categoryIndex, int subcategoryIndex, int practiseIndex);
    void onExplorerPlace(const QString& relativePath);
    void applyFormSize();

    // Captions (TFormKorvexCaptions.cpp).
    void setWindowCaption(int mode);
    void captionItem(const QString& itemName, const QString& key);
    void updateEditSwitch();

    // Saves the current view's item before the view goes; false (said to the user) when the
    // save failed, and the view must then stay.
    bool saveBeforeLeaving();
    QToolButton* toolButton(const QString& name) const;
    TModeView* createView(int mode);
    static int slotOf(int mode);

    QString m_appDir;
    QString m_error;
    std::unique_ptr<TSettings> m_settings;
    std::unique_ptr<TLanguage> m_language;
    bool m_started = false;
    bool m_shutDown = false;

    // One slot per view class; the plan and archive modes share the training-plan slot.
    std::array<QPointer<TModeView>, static_cast<int>(ViewSlot::Count)> m_views;
    QWidget* m_client = nullptr;
    QStackedLayout* m_clientLayout = nullptr;
    QWidget* m_coolBar = nullptr;
    QHash<QAction*, ViewCommand> m_viewCommands;
    // The items beside the view commands that act on the chosen item (edit switch, share).
    QSet<QAction*> m_itemBoundEntries;
    // What greyOutItemCommands disabled while its menu shows, enabled again when it closes.
    QList<QPointer<QAction>> m_greyedOut;
    // Menu items (a menu's item is named like the menu) and tool-bar buttons by object name,
    // recorded as they are made: looking one up by name would otherwise walk every widget of
    // the window, the mode view's included.
    QHash<QString, QPointer<QAction>> m_items;
    QHash<QString, QPointer<QToolButton>> m_buttons;
};

} // namespace korvex
