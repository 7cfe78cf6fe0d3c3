#include "ui/TFormKorvex.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/TrainingUnitConversion.h"
#include "ui/cards/TfrmCardsMode.h"
#include "ui/diary/TfrmDiaryMode.h"
#include "ui/explorer/TfrmExplorerMode.h"
#include "ui/graphic/TfrmGraphicMode.h"
#include "ui/plans/TfrmTrainingPlanMode.h"
#include "ui/tactics/TfrmTacticsMode.h"
#include "ui/text/TfrmTextMode.h"

#include <QAction>
#include <QCloseEvent>
#include <QStackedLayout>

namespace korvex {

namespace {

// Slots of the view classes; modes 3 and 6 share the training-plan slot.
enum Slot { GraphicSlot, TextSlot, PlanSlot, DiarySlot, CardsSlot, TacticsSlot, ExplorerSlot };

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
    LeaveMode(8);
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
    if (view == nullptr || currentMode() == 8 || view->saveIfModified())
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
    switch (mode) {
    case 1:
        return GraphicSlot;
    case 2:
        return TextSlot;
    case 3:
    case 6:
        return PlanSlot;
    case 4:
        return DiarySlot;
    case 5:
        return CardsSlot;
    case 7:
        return TacticsSlot;
    case 8:
        return ExplorerSlot;
    default:
        return -1;
    }
}

TModeView* TFormKorvex::currentView() const {
    const int slot = slotOf(currentMode());
    return slot < 0 ? nullptr : m_views[slot].data();
}

TModeView* TFormKorvex::explorerView() const {
    return m_views[ExplorerSlot].data();
}

TModeView* TFormKorvex::createView(int mode) {
    TLanguage& language = *m_language;
    TSettings& settings = *m_settings;
    switch (mode) {
    case 1:
        return new TfrmGraphicMode(language, settings, m_client);
    case 2:
        return new TfrmTextMode(language, settings, m_client);
    case 3:
        return new TfrmTrainingPlanMode(language, settings, 0, m_client);
    case 6:
        return new TfrmTrainingPlanMode(language, settings, 1, m_client);
    case 4:
        return new TfrmDiaryMode(language, settings, m_client);
    case 5:
        return new TfrmCardsMode(language, settings, m_client);
    case 7:
        return new TfrmTacticsMode(language, settings, m_client);
    case 8: {
        auto* explorer = new TfrmExplorerMode(language, settings, m_client);
        connect(explorer, &TfrmExplorerMode::openRequested, this, &TFormKorvex::onExplorerOpen);
        connect(explorer, &TfrmExplorerMode::placeRequested, this, &TFormKorvex::onExplorerPlace);
        return explorer;
    }
    default:
        return nullptr;
    }
}

void TFormKorvex::SwitchMode(int mode) {
    if (slotOf(mode) < 0)
        return;
    if (currentMode() != 8) {
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
    if (mode == 3)
        m_settings->setPlanSelector(TSettings::Plans);
    else if (mode == 6)
        m_settings->setPlanSelector(TSettings::Archive);

    if (mode != 8 || m_views[ExplorerSlot].isNull()) {
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
