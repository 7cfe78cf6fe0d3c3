#include "ui/search/SearchController.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/LevelListing.h"
#include "ui/Dialogs.h"
#include "ui/FirstPaintWatch.h"
#include "ui/LanguageKeys.h"
#include "ui/ModeTable.h"
#include "ui/TFormKorvex.h"
#include "ui/search/LibrarySearch.h"
#include "ui/search/TFormSearch.h"

#include <QDir>
#include <QFileInfo>

namespace korvex {

namespace {

int indexIn(const QStringList& list, const QString& value) {
    return std::max(0, int(list.indexOf(value)));
}

} // namespace

SearchController::SearchController(TFormKorvex& window)
    : QObject(&window), m_window(window), m_search(new LibrarySearch(window.settings(), this)) {
    // The first read of the library waits until the window has been painted: its thread
    // would otherwise take the processor from the start-up. Opening the panel sooner reads it
    // then.
    new FirstPaintWatch(&window, [search = m_search] { search->rebuild(); });
}

SearchController::~SearchController() = default;

int SearchController::modeOf(ItemKind kind) {
    return modeNumber(modeForKind(kind));
}

TFormSearch* SearchController::panel() const {
    return m_panel;
}

void SearchController::showPanel() {
    if (m_panel == nullptr) {
        m_panel = new TFormSearch(m_window.language(), *m_search, &m_window);
        connect(m_panel, &TFormSearch::openRequested, this, &SearchController::open);
        connect(m_panel, &TFormSearch::placeRequested, this, &SearchController::place);
    }
    m_search->rebuild();
    m_panel->refresh();
    m_panel->show();
    m_panel->raise();
    m_panel->activateWindow();
    m_panel->findChild<QWidget*>(QStringLiteral("edtSearch"))->setFocus();
}

void SearchController::applyCaptions() {
    if (m_panel != nullptr)
        m_panel->applyCaptions();
}

void SearchController::rememberSelection(const LibraryEntry& entry, int mode) {
    TSettings& settings = m_window.settings();
    const QString subcategoryFolder = QFileInfo(entry.file).absolutePath();
    const QString categoryFolder = QFileInfo(subcategoryFolder).absolutePath();
    const QString kindFolder = QFileInfo(categoryFolder).absolutePath();
    const int subcategory = indexIn(listFolderLevel(categoryFolder), entry.subcategory);
    const int item =
        indexIn(listItemLevel(subcategoryFolder, dataExtension(entry.kind)), entry.name);
    if (mode == 3) {
        settings.setPlanSelector(TSettings::Plans);
        settings.setTPTeamIndex(subcategory);
        settings.setTPPlanIndex(item);
        settings.setPlanReloadNeeded(false);
        return;
    }
    settings.setRememberedIndex(mode, 0, indexIn(listFolderLevel(kindFolder), entry.category));
    settings.setRememberedIndex(mode, 1, subcategory);
    settings.setRememberedIndex(mode, 2, item);
    if (mode == 1)
        settings.setReloadNeeded(TSettings::GraphicList, false);
    else if (mode == 2)
        settings.setReloadNeeded(TSettings::TextList, false);
}

void SearchController::open(const LibraryEntry& entry) {
    const int current = m_window.currentMode();
    // The explorer stays, with its grid, as it does when it opens a practise itself.
    if (current != 8) {
        TModeView* view = m_window.currentView();
        if (view != nullptr && !view->saveIfModified()) {
            dialogs().information(&m_window, m_window.language().Text(LK("SaveFailedItemKept")) +
                                                 QStringLiteral("\n\n") + view->errorString());
            return;
        }
        // Left before the selection is remembered: a view stores its own on the way out.
        m_window.LeaveMode(current);
    }
    const int mode = modeOf(entry.kind);
    rememberSelection(entry, mode);
    m_window.EnterMode(mode);
    if (m_panel != nullptr)
        m_panel->hide();
    m_window.activateWindow();
}

void SearchController::place(const LibraryEntry& entry) {
    if (entry.kind == ItemKind::TrainingPlan) {
        dialogs().information(m_panel, m_window.language().Text(LK("SearchPlanNotPlaced")));
        return;
    }
    const QString relative = pathToStored(QDir(m_window.appDir()).relativeFilePath(entry.file));
    if (m_window.currentMode() != 3) {
        if (m_window.currentMode() == 8)
            m_window.EnterMode(3);
        else
            m_window.SwitchMode(3);
    }
    if (TModeView* plan = m_window.currentView(); plan != nullptr && m_window.currentMode() == 3)
        plan->placeFile(relative);
}

} // namespace korvex
