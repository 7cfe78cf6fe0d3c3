// The main window's commands: mode selection, the commands handed to the current view,
// the view/edit switch, settings, help, home page and about box.
#include "ui/TFormKorvex.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/TFormAbout.h"
#include "ui/dialogs/TFormSettings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace korvex {

namespace {

int tagOf(const QObject* sender) {
    return sender ? sender->property("Tag").toInt() : 0;
}

bool modeHasSwitch(int mode) {
    const ModeDescriptor* row = findMode(mode);
    return row != nullptr && row->editSwitch;
}

} // namespace

void TFormKorvex::onModeItem() {
    SwitchMode(tagOf(sender()));
}

bool TFormKorvex::actsOnItem(ViewCommand command) {
    switch (command) {
    case ViewCommand::DeleteObject:
    case ViewCommand::PlaceToPlan:
    case ViewCommand::Place:
    case ViewCommand::CreateArchive:
    case ViewCommand::Export:
    case ViewCommand::ExportToHtml:
    case ViewCommand::ExportToZip:
    case ViewCommand::ExportPicture:
    case ViewCommand::ChangePlayground:
    case ViewCommand::Print:
    case ViewCommand::PrintPreview:
    case ViewCommand::Copy:
    case ViewCommand::Paste:
    case ViewCommand::Duplicate:
    case ViewCommand::MirrorLeftRight:
    case ViewCommand::MirrorTopBottom:
    case ViewCommand::DeleteTeam:
    case ViewCommand::RenameTeam:
    case ViewCommand::DeleteRecord:
        return true;
    default:
        return false;
    }
}

bool TFormKorvex::actsOnItem(const QAction* entry) const {
    // A submenu acts on the item when everything in it does (Print > Basic, Advanced).
    if (const QMenu* submenu = entry->menu()) {
        const QList<QAction*> entries = submenu->actions();
        return std::any_of(entries.cbegin(), entries.cend(),
                           [](const QAction* e) { return !e->isSeparator(); }) &&
               std::all_of(entries.cbegin(), entries.cend(), [this](const QAction* e) {
                   return e->isSeparator() || actsOnItem(e);
               });
    }
    const auto command = m_viewCommands.constFind(const_cast<QAction*>(entry));
    if (command != m_viewCommands.cend())
        return actsOnItem(*command);
    return m_itemBoundEntries.contains(const_cast<QAction*>(entry));
}

QString TFormKorvex::missingItemKey() const {
    const int mode = currentMode();
    QString key;
    if (isMode(mode, Mode::Graphic) || isMode(mode, Mode::Text) || isMode(mode, Mode::Tactics))
        key = LK("ChoosePractiseFirst");
    else if (isMode(mode, Mode::Plans))
        key = LK("ChoosePlanFirst");
    else if (isMode(mode, Mode::Archive))
        key = LK("ChooseArchivedPlanFirst");
    else if (isMode(mode, Mode::Diary))
        key = LK("TeamNotSelected");
    else
        return QString();
    const TModeView* view = currentView();
    return view == nullptr || isBlank(view->itemName()) ? key : QString();
}

bool TFormKorvex::saidItemMissing() {
    const QString key = missingItemKey();
    if (key.isEmpty())
        return false;
    statusBar()->showMessage(m_language->Text(key), 5000);
    return true;
}

void TFormKorvex::onViewCommand() {
    auto* item = qobject_cast<QAction*>(sender());
    TModeView* view = currentView();
    if (item == nullptr || view == nullptr || !m_viewCommands.contains(item))
        return;
    const ViewCommand command = m_viewCommands.value(item);
    if (!view->supports(command) || (actsOnItem(command) && saidItemMissing()))
        return;
    view->run(command, tagOf(item));
}

void TFormKorvex::onNewChange() {
    // The New button clicks the New item of the current mode; the archive's New does nothing.
    const ModeDescriptor* row = findMode(currentMode());
    if (row == nullptr || row->newItem == nullptr)
        return;
    if (QAction* newItem = action(row->newItem); newItem != nullptr && newItem->isEnabled())
        newItem->trigger();
}

void TFormKorvex::onPlaceToPlan() {
    TModeView* view = currentView();
    if (view == nullptr || !view->supports(ViewCommand::PlaceToPlan) || saidItemMissing())
        return;
    const QString path = view->pathForPlan();
    if (path.isEmpty())
        return;
    SwitchMode(modeNumber(Mode::Plans));
    // The plan view places the file (its PlacePractise); a view that could not be left
    // keeps the mode, and nothing is placed.
    if (TModeView* plan = currentView(); plan != nullptr && isMode(currentMode(), Mode::Plans))
        plan->placeFile(path);
}

void TFormKorvex::onExplorerOpen(int categoryIndex, int subcategoryIndex, int practiseIndex) {
    if (!isMode(currentMode(), Mode::Explorer))
        return;
    // The graphic view selects the practise at the remembered indices when it is made.
    const int graphic = modeNumber(Mode::Graphic);
    m_settings->setRememberedIndex(graphic, 0, categoryIndex);
    m_settings->setRememberedIndex(graphic, 1, subcategoryIndex);
    m_settings->setRememberedIndex(graphic, 2, practiseIndex);
    m_settings->setReloadNeeded(TSettings::GraphicList, false);
    // Entered without leaving mode 8: the explorer stays, with its grid, for the way back.
    EnterMode(modeNumber(Mode::Graphic));
}

void TFormKorvex::onExplorerPlace(const QString& relativePath) {
    if (!isMode(currentMode(), Mode::Explorer))
        return;
    EnterMode(modeNumber(Mode::Plans));
    if (TModeView* plan = currentView(); plan != nullptr && isMode(currentMode(), Mode::Plans))
        plan->placeFile(relativePath);
}

void TFormKorvex::onCreateArchive() {
    TModeView* view = currentView();
    if (view != nullptr && view->supports(ViewCommand::CreateArchive) &&
        view->run(ViewCommand::CreateArchive, 0))
        SwitchMode(modeNumber(Mode::Archive));
}

void TFormKorvex::SetEditMode(bool on) {
    const int mode = currentMode();
    if (!modeHasSwitch(mode))
        return;
    TModeView* view = currentView();
    m_settings->setEditFlag(view != nullptr && view->setEditMode(on));
    updateEditSwitch();
}

void TFormKorvex::ToggleEditMode() {
    // Editing needs a practise; going back to viewing never does.
    if (!m_settings->EditFlag() && modeHasSwitch(currentMode()) && saidItemMissing())
        return;
    SetEditMode(!m_settings->EditFlag());
}

void TFormKorvex::updateEditSwitch() {
    // In edit state the switch offers the way back to viewing, and the other way round.
    const bool editing = m_settings->EditFlag();
    const QString text = m_language->Text(editing ? LK("ViewMode") : LK("EditMode"));
    QToolButton* button = toolButton(QStringLiteral("spbChangePractiseViewMode"));
    button->setToolTip(text);
    button->setIcon(glyph(editing ? QStringLiteral("switch_edit20x20.bmp")
                                  : QStringLiteral("switch_view20x20.bmp")));
    action("mmGMChangeViewMode")->setText(text);
    action("mmTXChangeViewMode")->setText(text);
}

bool TFormKorvex::OpenInBrowser(const QString& url) {
    if (url.trimmed().isEmpty())
        return false;
    return dialogs().openUrl(QUrl(url));
}

void TFormKorvex::showHelp() {
    // Compared exactly: only the three shipped languages have a help page.
    const QString language = m_settings->Language();
    QString page;
    if (language == QLatin1String("Czech"))
        page = QStringLiteral("Korvex.html");
    else if (language == QLatin1String("English"))
        page = QStringLiteral("KorvexEN.html");
    else if (language == QLatin1String("German"))
        page = QStringLiteral("KorvexDE.html");
    else
        return;
    const QString path = joinPath(m_appDir, QStringLiteral("Help"), page);
    if (!QFileInfo(path).isFile() || dialogs().openUrl(QUrl::fromLocalFile(path)))
        return;
    // No browser took the page: the program's own window shows it (one window, reused).
    auto* window = findChild<HelpWindow*>(QStringLiteral("FormHelp"));
    if (window == nullptr)
        window = new HelpWindow(*m_language, this);
    window->showPage(path);
}

void TFormKorvex::showHomePage() {
    const QString address = QString::fromLatin1(kHomePage);
    if (!OpenInBrowser(address))
        dialogs().information(this, m_language->Text(LK("HomePageNotOpened")).arg(address));
}

void TFormKorvex::showAbout() {
    TFormAbout form(*m_language, *m_settings, this);
    dialogs().exec(&form);
}

void TFormKorvex::showSettings() {
    const int mode = currentMode();
    if (isMode(mode, Mode::Graphic) || isMode(mode, Mode::Text) || isMode(mode, Mode::Plans)) {
        TModeView* view = currentView();
        if (view != nullptr && view->isModified())
            view->saveIfModified();
    }
    TFormSettings form(*m_language, *m_settings, this);
    if (dialogs().exec(&form) != QDialog::Accepted)
        return;
    form.applyToSettings();

    const QStringList previousTable = m_language->lines();
    const QString previousLanguage = form.previousLanguage();
    if (!m_language->LoadLanguage(m_settings->Language())) {
        // Keep the table in use rather than continue with no texts at all.
        const QString error = m_language->errorString();
        m_language->setLines(previousTable);
        m_settings->setLanguage(previousLanguage);
        dialogs().information(this, m_language->Text(LK("LanguageNotLoaded")) +
                                        QStringLiteral("\n\n") + error);
    }
    ApplyCaptions();
    applyFormSize();
    SwitchMode(currentMode());
}

} // namespace korvex
