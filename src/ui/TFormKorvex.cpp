#include "ui/TFormKorvex.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/ModeTable.h"
#include "ui/TrainingUnitConversion.h"
#include "ui/explorer/TfrmExplorerMode.h"

#include <QAction>
#include <QCloseEvent>
#include <QStackedLayout>
#include <QStatusBar>

namespace korvex {

namespace {

constexpr int explorerSlot = static_cast<int>(ViewSlot::Explorer);

} // namespace

const char* const TFormKorvex::kHomePage = "https://korvex.example.org/";

TFormKorvex::TFormKorvex(const QString& appDir, QWidget* parent)
    : QMainWindow(parent), m_appDir(appDir), m_settings(std::make_unique<TSettings>()),
      m_language(std::make_unique<TLanguage>()) {
    setObjectName(QStringLiteral("FormKorvex"));
    setWindowTitle(QStringLiteral("Korvex"));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("pnlClient"));
    m_clientLayout = new QStackedLayout(m_client);
    setCentralWidget(m_client);
    // Made now rather than at the first hint, so the client area never shrinks under the coach.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
}

TFormKorvex::~TFormKorvex() {
    shutDown();
}

bool TFormKorvex::startUp() {
    m_settings->setAppDir(m_appDir);
    m_settings->setBaseName(QStringLiteral("Settings"));
    if (!m_settings->Load()) {
        m_error = QStringLiteral("Korvex cannot start: its settings could not be read.\n\n%1")
                      .arg(m_settings->errorString());
        return false;
    }
    m_language->setAppDir(m_appDir);
    m_language->setLanguageDir(m_settings->LanguageOpenDir());
    if (!m_language->LoadLanguage(m_settings->Language())) {
        m_error = QStringLiteral("Korvex cannot start: the language file could not be read.\n\n%1")
                      .arg(m_language->errorString());
        // Nothing was changed; the settings files stay exactly as they are.
        m_settings->setSaveOnDestroy(false);
        return false;
    }
    createMenus();
    createToolBar();
    convertTrainingUnits(m_appDir, m_settings->TPSaveDir());
    EnterMode(m_settings->CurrentMode());
    ApplyCaptions();
    applyFormSize();
    m_started = true;
    return true;
}

void TFormKorvex::shutDown() {
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (!m_started)
        return;
    LeaveMode(currentMode());
    LeaveMode(modeNumber(Mode::Explorer));
    // The settings object writes itself back when it is freed; saving here as well makes
    // the write happen while the window still exists, on every way out.
    m_settings->Save();
    m_settings->setSaveOnDestroy(false);
}

void TFormKorvex::closeEvent(QCloseEvent* event) {
    // The coach may still close after a failed save, but only when asked and willing.
    if (m_started && !m_shutDown && !saveBeforeLeaving() &&
        !dialogs().confirm(this, m_language->Text(LK("CloseWithoutSaving")))) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

bool TFormKorvex::saveBeforeLeaving() {
    TModeView* view = currentView();
    if (view == nullptr || isMode(currentMode(), Mode::Explorer) || view->saveIfModified())
        return true;
    // Tearing the view down now would lose the edits: say why and stay.
    dialogs().information(this, m_language->Text(LK("SaveFailedItemKept")) +
                                    QStringLiteral("\n\n") + view->errorString());
    return false;
}

int TFormKorvex::currentMode() const {
    return m_settings->CurrentMode();
}

int TFormKorvex::slotOf(int mode) {
    const ModeDescriptor* row = findMode(mode);
    return row == nullptr ? -1 : static_cast<int>(row->slot);
}

TModeView* TFormKorvex::currentView() const {
    const int slot = slotOf(currentMode());
    return slot < 0 ? nullptr : m_views[slot].data();
}

TModeView* TFormKorvex::explorerView() const {
    return m_views[explorerSlot].data();
}

TModeView* TFormKorvex::createView(int mode) {
    const ModeDescriptor* row = findMode(mode);
    if (row == nullptr)
        return nullptr;
    TModeView* view = row->createView(*m_language, *m_settings, m_client);
    if (auto* explorer = qobject_cast<TfrmExplorerMode*>(view)) {
        connect(explorer, &TfrmExplorerMode::openRequested, this, &TFormKorvex::onExplorerOpen);
        connect(explorer, &TfrmExplorerMode::placeRequested, this, &TFormKorvex::onExplorerPlace);
    }
    return view;
}

void TFormKorvex::SwitchMode(int mode) {
    if (slotOf(mode) < 0)
        return;
    if (!isMode(currentMode(), Mode::Explorer)) {
        if (!saveBeforeLeaving())
            return;
        LeaveMode(currentMode());
    }
    m_settings->setCurrentMode(mode);
    EnterMode(mode);
}

void TFormKorvex::EnterMode(int mode) {
    const int slot = slotOf(mode);
    if (slot < 0)
        return;
    m_settings->setCurrentMode(mode);
    setWindowCaption(mode);
    if (isMode(mode, Mode::Plans))
        m_settings->setPlanSelector(TSettings::Plans);
    else if (isMode(mode, Mode::Archive))
        m_settings->setPlanSelector(TSettings::Archive);

    if (!isMode(mode, Mode::Explorer) || m_views[explorerSlot].isNull()) {
        // A view still in the slot (entered directly by the explorer) is torn down first,
        // so no view is ever orphaned.
        if (!m_views[slot].isNull())
            LeaveMode(mode);
        TModeView* view = createView(mode);
        m_views[slot] = view;
        // Initialised before it joins the visible stack, so the controls it makes are shown.
        view->initialise();
        m_clientLayout->addWidget(view);
    }
    m_clientLayout->setCurrentWidget(m_views[slot]);

    setModeShortcuts(mode, true);
    updateMenusForMode(mode);
    updateCommandItems();
    SetEditMode(false);
}

void TFormKorvex::LeaveMode(int mode) {
    const int slot = slotOf(mode);
    if (slot < 0)
        return;
    setModeShortcuts(mode, false);
    TModeView* view = m_views[slot].data();
    if (view == nullptr)
        return;
    view->tearDown();
    m_views[slot] = nullptr;
    m_clientLayout->removeWidget(view);
    delete view;
}

void TFormKorvex::applyFormSize() {
    resize(m_settings->WindowWidth(), m_settings->WindowHeight());
    if (m_settings->FormSize() <= 1) {
        if (const QScreen* screen = this->screen()) {
            QRect area = frameGeometry();
            area.moveCenter(screen->availableGeometry().center());
            move(area.topLeft());
        }
    }
}

} // namespace korvex
