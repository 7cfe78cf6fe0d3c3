// The main window's menus and tool bar: building them, and what changes with the mode
// (shortcuts, visible menus, check marks, enabled commands, tool-bar width).
#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"
#include "ui/TFormKorvex.h"
#include "ui/TFormKorvexBackup.h"

#include "ui/dialogs/TFormChooseGround.h"
#include "ui/search/SearchController.h"
#include "ui/season/TFormSeason.h"
#include "ui/share/ShareCommand.h"

#include "core/Paths.h"
#include "core/TSettings.h"

#include <QAction>
#include <QBitmap>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace korvex {

namespace {

QString name(const char* text) {
    return QString::fromLatin1(text);
}

// Width of the tool-bar band per mode: the 23-pixel mode buttons, and the New and
// view/edit switches where the mode has them. Every mode shows every mode button whole.
int toolBarWidth(const ModeDescriptor& mode) {
    constexpr int kButton = 23;
    const auto modeButtons = static_cast<int>(modeTable().size());
    return (modeButtons + (mode.editSwitch ? 2 : 0)) * kButton + 1;
}

} // namespace

QAction* TFormKorvex::action(const char* objectName) const {
    return action(name(objectName));
}

QAction* TFormKorvex::action(const QString& objectName) const {
    if (QAction* item = m_items.value(objectName))
        return item;
    // An item made elsewhere than by the menu builders below.
    return findChild<QAction*>(objectName);
}

QToolButton* TFormKorvex::toolButton(const QString& objectName) const {
    return m_buttons.value(objectName);
}

QAction* TFormKorvex::addItem(QMenu* menu, const char* objectName, const QString& caption,
                              int tag) {
    auto* item = new QAction(caption, menu);
    item->setObjectName(name(objectName));
    item->setProperty("Tag", tag);
    m_items.insert(item->objectName(), item);
    menu->addAction(item);
    // Also added to the window, so that its shortcut works while its menu is hidden.
    addAction(item);
    return item;
}

QMenu* TFormKorvex::addSubmenu(QMenu* parent, const char* objectName, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name(objectName));
    menu->menuAction()->setObjectName(name(objectName));
    m_items.insert(menu->objectName(), menu->menuAction());
    parent->addMenu(menu);
    return menu;
}

QMenu* TFormKorvex::addTopMenu(const char* objectName, const QString& caption) {
    auto* menu = new QMenu(caption, menuBar());
    menu->setObjectName(name(objectName));
    menu->menuAction()->setObjectName(name(objectName));
    m_items.insert(menu->objectName(), menu->menuAction());
    menuBar()->addMenu(menu);
    return menu;
}

QAction* TFormKorvex::viewItem(QMenu* menu, const char* objectName, const QString& caption,
                               ViewCommand command, int tag) {
    QAction* item = addItem(menu, objectName, caption, tag);
    m_viewCommands.insert(item, command);
    connect(item, &QAction::triggered, this, &TFormKorvex::onViewCommand);
    return item;
}

void TFormKorvex::createMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    const auto exitItem = [this](QMenu* menu, const char* objectName) {
        QAction* item = addItem(menu, objectName, QStringLiteral("E&xit"));
        connect(item, &QAction::triggered, this, &QWidget::close);
    };
    const auto shareItem = [this](QMenu* menu, const char* objectName) {
        QAction* item = addItem(menu, objectName, QStringLiteral("Share as one page..."));
        m_itemBoundEntries.insert(item);
        connect(item, &QAction::triggered, this, [this] {
            if (saidItemMissing())
                return;
            shareCurrentItem(this, currentView(), currentMode(), *m_settings, *m_language);
        });
    };
    const auto noAction = [this](QMenu* menu, const char* objectName, const QString& caption,
                                 int tag = 0) {
        // Items kept for their place in the menus; they do nothing, so they are disabled.
        addItem(menu, objectName, caption, tag)->setEnabled(false);
    };

    QMenu* file = addTopMenu("mmFile", QStringLiteral("&File"));
    file->menuAction()->setVisible(false);
    noAction(file, "mmPrint", QStringLiteral("&Print"), 3);
    exitItem(file, "mmExit");

    QMenu* gm = addTopMenu("mmGPMode", QStringLiteral("&File"));
    connect(gm, &QMenu::aboutToShow, this, &TFormKorvex::onGraphicMenuShow);
    connect(gm, &QMenu::aboutToHide, this, &TFormKorvex::onCommandMenuHide);
    viewItem(gm, "mmGMNew", QStringLiteral("&New"), ViewCommand::New, 1);
    connect(addItem(gm, "mmGMChangeViewMode", QStringLiteral("&Edit")), &QAction::triggered, this,
            &TFormKorvex::ToggleEditMode);
    m_itemBoundEntries.insert(action("mmGMChangeViewMode"));
    viewItem(gm, "mmUndo", QStringLiteral("&Undo"), ViewCommand::Undo);
    viewItem(gm, "mmGMDeleteObject", QStringLiteral("&Delete object"), ViewCommand::DeleteObject)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    gm->addSeparator();
    connect(addItem(gm, "mmGMPlaceToTP", QStringLiteral("&Place to training plan"), 1),
            &QAction::triggered, this, &TFormKorvex::onPlaceToPlan);
    m_viewCommands.insert(action("mmGMPlaceToTP"), ViewCommand::PlaceToPlan);
    gm->addSeparator();
    viewItem(gm, "mmGMExport", QStringLiteral("E&xport"), ViewCommand::Export);
    viewItem(gm, "mmGMImport", QStringLiteral("Import"), ViewCommand::Import);
    viewItem(gm, "mmGMExportToHTML", QStringLiteral("Export to html"), ViewCommand::ExportToHtml,
             11);
    viewItem(gm, "mmGMExportToZip", QStringLiteral("Export to zip"), ViewCommand::ExportToZip, 12);
    viewItem(gm, "mmGmExportPicture", QStringLiteral("Export picture"), ViewCommand::ExportPicture);
    shareItem(gm, "mmGMShare");
    gm->addSeparator();
    viewItem(gm, "mmGMChangePlayground", QStringLiteral("Change playground"),
             ViewCommand::ChangePlayground);
    QMenu* custom = addSubmenu(gm, "mmGMCustomField", QStringLiteral("Custom field"));
    custom->menuAction()->setEnabled(false);
    viewItem(custom, "mmGMCustomFieldChange", QStringLiteral("Change custom field"),
             ViewCommand::CustomField, 11);
    custom->addSeparator();
    for (const auto& [objectName, caption, tag] :
         {std::tuple{"mmGMCustomFieldFit", "Fit", 1}, std::tuple{"mmGMCustomFieldFill", "Fill", 2},
          std::tuple{"mmGMCustomFieldCenter", "Center", 3}}) {
        QAction* item = viewItem(custom, objectName, QString::fromLatin1(caption),
                                 ViewCommand::CustomField, tag);
        item->setCheckable(true);
        item->setChecked(tag == 1);
    }
    viewItem(custom, "mmGMCustomFieldDelete", QStringLiteral("Delete"), ViewCommand::CustomField)
        ->setVisible(false);
    gm->addSeparator();
    viewItem(gm, "mmGMPrint", QStringLiteral("&Print"), ViewCommand::Print, 1);
    viewItem(gm, "mmGMPrintPreview", QStringLiteral("Print pre&view"), ViewCommand::PrintPreview,
             1);
    gm->addSeparator();
    exitItem(gm, "mmGMExit");

    QMenu* edit = addTopMenu("mmEdit", QStringLiteral("&Edit"));
    connect(edit, &QMenu::aboutToShow, this, &TFormKorvex::onEditMenuShow);
    connect(edit, &QMenu::aboutToHide, this, &TFormKorvex::onCommandMenuHide);
    // Find works in every mode; the drawing edits only where a view offers them.
    auto* search = new SearchController(*this);
    QAction* find = addItem(edit, "mmFind", QStringLiteral("&Find..."));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, search, &SearchController::showPanel);
    edit->addSeparator();
    viewItem(edit, "mmEditUndo", QStringLiteral("&Undo"), ViewCommand::Undo)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    viewItem(edit, "mmEditRedo", QStringLiteral("&Redo"), ViewCommand::Redo)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    edit->addSeparator();
    viewItem(edit, "mmEditCopy", QStringLiteral("&Copy"), ViewCommand::Copy)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    viewItem(edit, "mmEditPaste", QStringLiteral("&Paste"), ViewCommand::Paste)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    viewItem(edit, "mmEditDuplicate", QStringLiteral("D&uplicate"), ViewCommand::Duplicate)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    viewItem(edit, "mmEditDelete", QStringLiteral("&Delete"), ViewCommand::DeleteObject)
        ->setShortcut(QKeySequence(Qt::Key_Delete));
    edit->addSeparator();
    viewItem(edit, "mmEditMirrorLeftRight", QStringLiteral("Mirror left-right"),
             ViewCommand::MirrorLeftRight);
    viewItem(edit, "mmEditMirrorTopBottom", QStringLiteral("Mirror top-bottom"),
             ViewCommand::MirrorTopBottom);

    QMenu* tx = addTopMenu("mmTXMode", QStringLiteral("&File"));
    connect(tx, &QMenu::aboutToShow, this, [this, tx] { greyOutItemCommands(tx); });
    connect(tx, &QMenu::aboutToHide, this, &TFormKorvex::onCommandMenuHide);
    viewItem(tx, "mmTXNew", QStringLiteral("&New"), ViewCommand::New, 2);
    connect(addItem(tx, "mmTXChangeViewMode", QStringLiteral("&Edit")), &QAction::triggered, this,
            &TFormKorvex::ToggleEditMode);
    m_itemBoundEntries.insert(action("mmTXChangeViewMode"));
    tx->addSeparator();
    connect(addItem(tx, "mmTXPlaceToTP", QStringLiteral("&Place to training plan"), 2),
            &QAction::triggered, this, &TFormKorvex::onPlaceToPlan);
    m_viewCommands.insert(action("mmTXPlaceToTP"), ViewCommand::PlaceToPlan);
    tx->addSeparator();
    viewItem(tx, "mmTXExport", QStringLiteral("E&xport"), ViewCommand::Export);
    viewItem(tx, "mmTXImport", QStringLiteral("Import"), ViewCommand::Import);
    viewItem(tx, "mmTXExportToHTML", QStringLiteral("Export to html"), ViewCommand::ExportToHtml);
    shareItem(tx, "mmTXShare");
    tx->addSeparator();
    QMenu* txBackup = addSubmenu(tx, "mmTXBackUp", QStringLiteral("Save backup"));
    viewItem(txBackup, "mmTXBackUpAll", QStringLiteral("All text practises"),
             ViewCommand::SaveBackup, 0);
    viewItem(txBackup, "mmTXBackUpCategory", QStringLiteral("Category"), ViewCommand::SaveBackup,
             1);
    viewItem(txBackup, "mmTXBackUpSubCategory", QStringLiteral("Subcategory"),
             ViewCommand::SaveBackup, 2);
    viewItem(tx, "mmTXLoadBackUp", QStringLiteral("Restore backup"), ViewCommand::LoadBackup);
    tx->addSeparator();
    viewItem(tx, "mmTXPrint", QStringLiteral("&Print"), ViewCommand::Print, 2);
    viewItem(tx, "mmTXPrintPreview", QStringLiteral("Print pre&view"), ViewCommand::PrintPreview,
             2);
    tx->addSeparator();
    exitItem(tx, "mmTXExit");

    QMenu* ex = addTopMenu("mmEXMode", QStringLiteral("&File"));
    exitItem(ex, "mmEXExit");

    QMenu* tp = addTopMenu("mmTPMode", QStringLiteral("&File"));
    connect(tp, &QMenu::aboutToShow, this, &TFormKorvex::onPlanMenuShow);
    connect(tp, &QMenu::aboutToHide, this, &TFormKorvex::onCommandMenuHide);
    viewItem(tp, "mmTPNew", QStringLiteral("&New"), ViewCommand::New, 3);
    viewItem(tp, "mmTPPlace", QStringLiteral("&Place practise"), ViewCommand::Place, 3);
    tp->addSeparator();
    connect(addItem(tp, "mmTPCreateArchive", QStringLiteral("Create archive")), &QAction::triggered,
            this, &TFormKorvex::onCreateArchive);
    m_viewCommands.insert(action("mmTPCreateArchive"), ViewCommand::CreateArchive);
    viewItem(tp, "mmTPDeleteArchive", QStringLiteral("Delete number"), ViewCommand::DeleteArchive);
    viewItem(tp, "mmTPRenameArchive", QStringLiteral("Rename number"), ViewCommand::RenameArchive);
    viewItem(tp, "mmTPDeleteArchiveTeam", QStringLiteral("Delete team"),
             ViewCommand::DeleteArchiveTeam);
    viewItem(tp, "mmTPRenameArchiveTeam", QStringLiteral("Rename team"),
             ViewCommand::RenameArchiveTeam);
    connect(addItem(tp, "mmTPSeasonSummary", QStringLiteral("Season summary...")),
            &QAction::triggered, this, [this] { TFormSeason::showFor(*this); });
    tp->addSeparator();
    QMenu* tpHtml = addSubmenu(tp, "mmTPExportToHTML", QStringLiteral("Export to html"));
    viewItem(tpHtml, "mmTPExportToHTMLBasic", QStringLiteral("Basic"), ViewCommand::ExportToHtml,
             31);
    viewItem(tpHtml, "mmTPExportToHTMLAdvanced", QStringLiteral("Advanced"),
             ViewCommand::ExportToHtml, 32);
    shareItem(tp, "mmTPShare");
    QMenu* tpPrint = addSubmenu(tp, "mmTPPrint", QStringLiteral("&Print"));
    viewItem(tpPrint, "mmTPBasicPrint", QStringLiteral("Basic"), ViewCommand::Print, 31);
    viewItem(tpPrint, "mmTPAdvancedPrint", QStringLiteral("Advanced"), ViewCommand::Print, 32);
    QMenu* tpPreview = addSubmenu(tp, "mmTPPrintPreview", QStringLiteral("Print pre&view"));
    viewItem(tpPreview, "mmTPBasicPrintPreview", QStringLiteral("Basic"), ViewCommand::PrintPreview,
             31);
    viewItem(tpPreview, "mmTPAdvancedPrintPreview", QStringLiteral("Advanced"),
             ViewCommand::PrintPreview, 32);
    tp->addSeparator();
    exitItem(tp, "mmTPExit");

    QMenu* dr = addTopMenu("mmDRMode", QStringLiteral("&File"));
    connect(dr, &QMenu::aboutToShow, this, [this, dr] { greyOutItemCommands(dr); });
    connect(dr, &QMenu::aboutToHide, this, &TFormKorvex::onCommandMenuHide);
    viewItem(dr, "mmDRNewTeam", QStringLiteral("&New team"), ViewCommand::NewTeam, 1);
    viewItem(dr, "mmDRDeleteTeam", QStringLiteral("&Delete team"), ViewCommand::DeleteTeam, 2);
    viewItem(dr, "mmDRRenameTeam", QStringLiteral("Rename team"), ViewCommand::RenameTeam, 3);
    dr->addSeparator();
    viewItem(dr, "mmDRNewRecord", QStringLiteral("New &player"), ViewCommand::NewRecord, 4);
    viewItem(dr, "mmDRDeleteRecord", QStringLiteral("Delete pl&ayer"), ViewCommand::DeleteRecord,
             5);
    dr->addSeparator();
    viewItem(dr, "mmDRPrint", QStringLiteral("&Print"), ViewCommand::Print, 4);
    viewItem(dr, "mmDRPrintTeam", QStringLiteral("Print &diary..."), ViewCommand::Print, 41);
    viewItem(dr, "mmDRPrintPreview", QStringLiteral("Print pre&view"), ViewCommand::PrintPreview,
             4);
    dr->addSeparator();
    exitItem(dr, "mmDRExit");

    QMenu* pc = addTopMenu("mmPCMode", QStringLiteral("&File"));
    viewItem(pc, "mmPCNewTeam", QStringLiteral("&New team"), ViewCommand::NewTeam, 1);
    viewItem(pc, "mmPCDeleteTeam", QStringLiteral("&Delete team"), ViewCommand::DeleteTeam, 2);
    viewItem(pc, "mmPCRenameTeam", QStringLiteral("Rename team"), ViewCommand::RenameTeam, 3);
    pc->addSeparator();
    viewItem(pc, "mmPCNewRecord", QStringLiteral("New &player"), ViewCommand::NewRecord, 4);
    viewItem(pc, "mmPCDeleteRecord", QStringLiteral("Delete pl&ayer"), ViewCommand::DeleteRecord,
             5);
    pc->addSeparator();
    viewItem(pc, "mmPCEArchive", QStringLiteral("Player archive"), ViewCommand::PlayerArchive, 51);
    viewItem(pc, "mmPCExportPlayerAsFile", QStringLiteral("Export player"),
             ViewCommand::ExportPlayer, 52);
    viewItem(pc, "mmPCImportPlayerFromFile", QStringLiteral("Import player"),
             ViewCommand::ImportPlayer, 53);
    viewItem(pc, "mmPCImportCsv", QStringLiteral("Import players from CSV"), ViewCommand::Import,
             54);
    viewItem(pc, "mmPCExportCsv", QStringLiteral("Export team as CSV"), ViewCommand::Export, 55);
    pc->addSeparator();
    QMenu* pcPrint = addSubmenu(pc, "mmPCPrint", QStringLiteral("&Print"));
    viewItem(pcPrint, "mmPCPrintPlayer", QStringLiteral("Player"), ViewCommand::Print, 51);
    viewItem(pcPrint, "mmPCPrintPlayerList", QStringLiteral("Player list"), ViewCommand::Print, 52);
    viewItem(pcPrint, "mmPCPrintPhoneList", QStringLiteral("Phone list"), ViewCommand::Print, 53);
    QMenu* pcPreview = addSubmenu(pc, "mmPCPrintPreview", QStringLiteral("Print pre&view"));
    viewItem(pcPreview, "mmPCPreviewPlayer", QStringLiteral("Player"), ViewCommand::PrintPreview,
             51);
    viewItem(pcPreview, "mmPCPreviewPlayerList", QStringLiteral("Player list"),
             ViewCommand::PrintPreview, 52);
    viewItem(pcPreview, "mmPCPreviewPhoneList", QStringLiteral("Phone list"),
             ViewCommand::PrintPreview, 53);
    pc->addSeparator();
    exitItem(pc, "mmPCExit");

    // The training-archive menu is kept hidden; the archive is served by the plan menu.
    QMenu* tu = addTopMenu("mmTUMode", QStringLiteral("&File"));
    tu->menuAction()->setVisible(false);
    noAction(tu, "mmTUNew", QStringLiteral("&New"), 6);
    noAction(tu, "mmTUPlace", QStringLiteral("&Place practise"), 6);
    action("mmTUPlace")->setVisible(false);
    noAction(tu, "mmTUPlaceTP", QStringLiteral("Place plan"));
    noAction(tu, "Export1", QStringLiteral("E&xport"));
    noAction(tu, "Import1", QStringLiteral("Import"));
    viewItem(tu, "mmTUExportToHTML", QStringLiteral("Export to html"), ViewCommand::ExportToHtml,
             31);
    viewItem(tu, "mmTUPrint", QStringLiteral("&Print"), ViewCommand::Print, 6);
    viewItem(tu, "mmTUPrintPreview", QStringLiteral("Print pre&view"), ViewCommand::PrintPreview,
             6);
    exitItem(tu, "mmTUExit");

    // The tactics menu is the mode's File menu, shown in the tactics mode.
    QMenu* ta = addTopMenu("acticspractise1", QStringLiteral("&File"));
    ta->menuAction()->setVisible(false);
    connect(ta, &QMenu::aboutToShow, this, [this, ta] { greyOutItemCommands(ta); });
    connect(ta, &QMenu::aboutToHide, this, &TFormKorvex::onCommandMenuHide);
    viewItem(ta, "mmTANew", QStringLiteral("&New"), ViewCommand::New, 7);
    viewItem(ta, "mmTADeleteFrame", QStringLiteral("&Delete frame"), ViewCommand::DeleteRecord, 7);
    viewItem(ta, "mmTAExportAnimation", QStringLiteral("Export animation..."),
             ViewCommand::ExportPicture, 7);
    shareItem(ta, "mmTAShare");
    ta->addSeparator();
    exitItem(ta, "mmTAExit");

    // Edit follows every mode's File menu, so whichever of them shows stands first.
    menuBar()->removeAction(edit->menuAction());
    menuBar()->addAction(edit->menuAction());

    QMenu* view = addTopMenu("mmView", QStringLiteral("&View"));
    for (const ModeDescriptor& row : modeTable()) {
        QAction* item = addItem(view, row.viewItem, row.viewItemKey, modeNumber(row.mode));
        item->setCheckable(true);
        item->setShortcut(QKeySequence(row.viewKey));
        connect(item, &QAction::triggered, this, &TFormKorvex::onModeItem);
    }

    QMenu* tools = addTopMenu("mmTools", QStringLiteral("&Tools"));
    // Backups come with their own commands; until then they are disabled.
    connect(addItem(tools, "mmGMAddGround", QStringLiteral("Add playground")), &QAction::triggered,
            this, [this] { addGround(this, *m_language, *m_settings); });
    QAction* settingsItem = addItem(tools, "mmSettings", QStringLiteral("&Settings"));
    settingsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(settingsItem, &QAction::triggered, this, &TFormKorvex::showSettings);
    tools->addSeparator();
    QMenu* save = addSubmenu(tools, "mmSaveBackUp", QStringLiteral("Save backup"));
    QMenu* load = addSubmenu(tools, "mmLoadBackUp", QStringLiteral("Load backup"));
    const struct {
        const char* saveName;
        const char* loadName;
        const char* caption;
        int tag;
    } backups[] = {
        {"mmSaveBUAll", "mmLoadBUAll", "All", 0},
        {"mmSaveBUGM", "mmLoadBUGM", "Graphic practises", 1},
        {"mmSaveBUTX", "mmLoadBUTX", "Text practises", 2},
        {"mmSaveBUTP", "mmLoadBUTP", "Training plans", 3},
        {"mmSaveBUTPA", "mmLoadBUTPA", "Training archive", 6},
        {"mmSaveBUDR", "mmLoadBUDR", "Diary", 4},
        {"mmSaveBUPC", "mmLoadBUPC", "Player cards", 5},
    };
    for (const auto& entry : backups) {
        noAction(save, entry.saveName, QString::fromLatin1(entry.caption), entry.tag);
        noAction(load, entry.loadName, QString::fromLatin1(entry.caption), entry.tag);
    }
    installBackupCommands(this);

    QMenu* help = addTopMenu("mmHelp", QStringLiteral("&Help"));
    QAction* content = addItem(help, "mmHelpContent", QStringLiteral("Content"));
    content->setShortcut(QKeySequence(Qt::Key_F1));
    connect(content, &QAction::triggered, this, &TFormKorvex::showHelp);
    connect(addItem(help, "mmHelpHomePage", QStringLiteral("Home page")), &QAction::triggered, this,
            &TFormKorvex::showHomePage);
    help->addSeparator();
    connect(addItem(help, "mmHelpAbout", QStringLiteral("About")), &QAction::triggered, this,
            &TFormKorvex::showAbout);
}

QIcon TFormKorvex::glyph(const QString& fileName) const {
    // Button glyphs are bitmaps whose bottom-left pixel holds the transparent colour.
    QPixmap pixmap(joinPath(m_appDir, m_settings->PictureOpenDir(), fileName));
    if (pixmap.isNull())
        return QIcon();
    const QImage image = pixmap.toImage();
    const QRgb transparent = image.pixel(0, image.height() - 1);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
    return QIcon(pixmap);
}

QToolButton* TFormKorvex::addToolButton(const char* objectName, const QString& glyphName, int tag) {
    auto* button = new QToolButton(m_coolBar);
    button->setObjectName(name(objectName));
    button->setProperty("Tag", tag);
    button->setAutoRaise(true);
    button->setFixedSize(23, 22);
    button->setIconSize(QSize(20, 20));
    button->setIcon(glyph(glyphName));
    m_buttons.insert(button->objectName(), button);
    m_coolBar->layout()->addWidget(button);
    return button;
}

void TFormKorvex::createToolBar() {
    auto* controlBar = new QToolBar(this);
    controlBar->setObjectName(QStringLiteral("ControlBar"));
    controlBar->setMovable(false);
    controlBar->setFloatable(false);
    controlBar->toggleViewAction()->setVisible(false);
    controlBar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, controlBar);

    m_coolBar = new QWidget(controlBar);
    m_coolBar->setObjectName(QStringLiteral("CoolBar"));
    auto* layout = new QHBoxLayout(m_coolBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ModeDescriptor& row : modeTable()) {
        QToolButton* button = addToolButton(row.toolButton, name(row.glyph), modeNumber(row.mode));
        button->setCheckable(true);
        connect(button, &QToolButton::clicked, this, &TFormKorvex::onModeItem);
    }
    connect(addToolButton("spbNewChange", QStringLiteral("new20x20.bmp"), 0), &QToolButton::clicked,
            this, &TFormKorvex::onNewChange);
    connect(addToolButton("spbChangePractiseViewMode", QStringLiteral("switch_view20x20.bmp"), 0),
            &QToolButton::clicked, this, &TFormKorvex::ToggleEditMode);
    layout->addStretch(1);
    controlBar->addWidget(m_coolBar);
}

void TFormKorvex::setModeShortcuts(int mode, bool on) {
    const ModeDescriptor* row = findMode(mode);
    if (row == nullptr)
        return;
    // A mode whose items get no shortcuts still clears, on the way out, what they might hold.
    if (on && !row->shortcuts)
        return;
    const auto set = [this, on](const char* objectName, QKeyCombination key) {
        if (QAction* item = objectName != nullptr ? action(objectName) : nullptr)
            item->setShortcut(on ? QKeySequence(key) : QKeySequence());
    };
    set(row->newItem, Qt::CTRL | Qt::Key_A);
    set(row->placeItem, Qt::CTRL | Qt::Key_L);
    set(row->printItem, Qt::CTRL | Qt::Key_P);
}

void TFormKorvex::updateMenusForMode(int mode) {
    const ModeDescriptor* current = findMode(mode);
    if (current == nullptr)
        return;
    const bool archive = isMode(mode, Mode::Archive);
    for (const char* objectName : {"mmTUNew", "mmTPPlace", "mmTPCreateArchive", "mmTPNew"})
        action(objectName)->setVisible(!archive);
    for (const char* objectName :
         {"mmTPDeleteArchive", "mmTPRenameArchive", "mmTPDeleteArchiveTeam",
          "mmTPRenameArchiveTeam", "mmTPSeasonSummary"})
        action(objectName)->setVisible(archive);

    for (const ModeDescriptor& row : modeTable()) {
        action(row.viewItem)->setChecked(row.mode == current->mode);
        toolButton(name(row.toolButton))->setChecked(row.mode == current->mode);
    }
    // Hidden first, so a menu two modes share (plans and archive) stays shown.
    for (const ModeDescriptor& row : modeTable())
        action(row.fileMenu)->setVisible(false);
    action(current->fileMenu)->setVisible(true);

    toolButton(QStringLiteral("spbChangePractiseViewMode"))->setVisible(current->editSwitch);
    toolButton(QStringLiteral("spbNewChange"))->setVisible(current->editSwitch);
    m_coolBar->setFixedWidth(toolBarWidth(*current));
}

void TFormKorvex::updateCommandItems() {
    // A menu item whose command the current view does not offer (yet) is disabled rather
    // than pretending to work.
    TModeView* view = currentView();
    for (auto it = m_viewCommands.cbegin(); it != m_viewCommands.cend(); ++it)
        it.key()->setEnabled(view != nullptr && view->supports(it.value()));
    const ModeDescriptor* row = findMode(currentMode());
    const char* newItem = row != nullptr ? row->newItem : nullptr;
    toolButton(QStringLiteral("spbNewChange"))
        ->setEnabled(newItem != nullptr && action(newItem)->isEnabled());
}

void TFormKorvex::greyOutItemCommands(const QMenu* menu) {
    // While the menu shows, what acts on the view's item is greyed out when none is chosen;
    // onCommandMenuHide gives the entries back, so their shortcuts still reach the window,
    // which then says what to choose.
    if (missingItemKey().isEmpty())
        return;
    for (QAction* entry : menu->actions())
        if (!entry->isSeparator() && actsOnItem(entry))
            greyOut(entry);
}

void TFormKorvex::greyOut(QAction* entry) {
    if (!entry->isEnabled())
        return;
    entry->setEnabled(false);
    m_greyedOut.append(entry);
}

void TFormKorvex::onCommandMenuHide() {
    for (const QPointer<QAction>& entry : std::as_const(m_greyedOut))
        if (entry)
            entry->setEnabled(true);
    m_greyedOut.clear();
}

void TFormKorvex::onGraphicMenuShow() {
    greyOutItemCommands(action("mmGPMode")->menu());
    greyOutUndoRedo();
    TModeView* view = currentView();
    const int fieldMode = view != nullptr ? view->customFieldMode() : 0;
    action("mmGMCustomField")->setEnabled(fieldMode != 0);
    action("mmGMCustomFieldFit")->setChecked(fieldMode == 1);
    action("mmGMCustomFieldFill")->setChecked(fieldMode == 2);
    action("mmGMCustomFieldCenter")->setChecked(fieldMode == 3);
}

void TFormKorvex::onEditMenuShow() {
    // Undo and Redo name the step they take ("Undo move figure").
    TModeView* view = currentView();
    const QString undo = view != nullptr ? view->undoText() : QString();
    const QString redo = view != nullptr ? view->redoText() : QString();
    action("mmEditUndo")
        ->setText(m_language->Text(LK("mmEditUndo")) +
                  (undo.isEmpty() ? QString() : QLatin1Char(' ') + undo));
    action("mmEditRedo")
        ->setText(m_language->Text(LK("mmEditRedo")) +
                  (redo.isEmpty() ? QString() : QLatin1Char(' ') + redo));
    greyOutItemCommands(action("mmEdit")->menu());
    greyOutUndoRedo();
}

void TFormKorvex::greyOutUndoRedo() {
    // Undo and Redo are greyed out while there is no step to take, as long as a menu shows.
    const TModeView* view = currentView();
    if (view == nullptr || !view->canUndo()) {
        greyOut(action("mmUndo"));
        greyOut(action("mmEditUndo"));
    }
    if (view == nullptr || !view->canRedo())
        greyOut(action("mmEditRedo"));
}

void TFormKorvex::onPlanMenuShow() {
    TModeView* view = currentView();
    if (view == nullptr)
        return;
    const bool team = !isBlank(view->subcategoryName());
    const bool plan = !isBlank(view->itemName());
    action("mmTPDeleteArchiveTeam")
        ->setEnabled(team && view->supports(ViewCommand::DeleteArchiveTeam));
    action("mmTPRenameArchiveTeam")
        ->setEnabled(team && view->supports(ViewCommand::RenameArchiveTeam));
    action("mmTPDeleteArchive")->setEnabled(plan && view->supports(ViewCommand::DeleteArchive));
    action("mmTPRenameArchive")->setEnabled(plan && view->supports(ViewCommand::RenameArchive));
    greyOutItemCommands(action("mmTPMode")->menu());
}

} // namespace korvex
