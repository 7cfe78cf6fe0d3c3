#include "ui/diary/TfrmDiaryMode.h"
#include "ui/FormLayout.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TDiary.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/diary/DiaryDateField.h"
#include "ui/diary/DiaryTeamComboBox.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace korvex {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TfrmDiaryMode::TfrmDiaryMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmDiaryMode"));
}

TfrmDiaryMode::~TfrmDiaryMode() = default;

QString TfrmDiaryMode::titleKey() const {
    return LK("spbDRMode");
}

void TfrmDiaryMode::initialise() {
    createBrowsePanel();
    createEditPanel();
    applyCaptions();

    m_diary = std::make_unique<TDiary>();
    m_diary->setLocation(settings().appDir(), settings().DRSaveDir());
    m_emptyTeam = language().Text(LK("EmptyTeamString"));
    showNoTeam();
    // After a restore the list is read only when the coach opens it.
    if (!settings().reloadNeeded(TSettings::DiaryList)) {
        const QStringList teams = teamList();
        if (!teams.isEmpty()) {
            const int remembered = settings().rememberedIndex(4, 0);
            fillTeams(teams.value(remembered, teams.first()));
            onTeamChanged();
        }
    }
    applyLayout();
}

void TfrmDiaryMode::tearDown() {
    if (!m_diary)
        return;
    if (isEditing() && editorChanged() &&
        dialogs().confirm(this, language().Text(LK("SaveChanges")) + QLatin1Char(' ') +
                                    m_diary->team() + QLatin1Char('?'))) {
        // Leaving cannot wait for a date to be typed: a record kept without one gets today's.
        if (isBlank(m_edtDate->text()))
            m_edtDate->pickDate(QDate::currentDate());
        saveRecord();
    }
    setModeMenuVisible(true);
}

void TfrmDiaryMode::createBrowsePanel() {
    m_pnlDiary = new QFrame(this);
    m_pnlDiary->setObjectName(QStringLiteral("pnlDRDiary"));
    m_lblTeam = namedLabel(m_pnlDiary, "lblDRTeam");
    m_lblTeam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_cmbTeam = new DiaryTeamComboBox(m_pnlDiary);
    m_cmbTeam->setObjectName(QStringLiteral("cmbDRTeam"));
    m_lblTeam->setBuddy(m_cmbTeam);
    connect(m_cmbTeam, &DiaryTeamComboBox::droppedDown, this, &TfrmDiaryMode::onDroppedDown);
    connect(m_cmbTeam, &DiaryTeamComboBox::closedUp, this, &TfrmDiaryMode::onClosedUp);
    connect(m_cmbTeam, &QComboBox::activated, this, &TfrmDiaryMode::onTeamChanged);
    m_btnNewRecord = makeButton(m_pnlDiary, "btnDRNewPlayer");
    connect(m_btnNewRecord, &QPushButton::clicked, this, &TfrmDiaryMode::newRecord);

    m_grid = new QTableWidget(0, 2, m_pnlDiary);
    m_grid->setObjectName(QStringLiteral("srgDRDiary"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setMinimumSectionSize(18);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionsClickable(false);
    m_grid->setColumnWidth(0, 119);
    m_grid->setColumnWidth(1, 637);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this,
            [this](int tableRow, int) { openRow(tableRow + 1); });
    m_grid->installEventFilter(this);
}

bool TfrmDiaryMode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && selectedRow() > 0) {
            openRow(selectedRow());
            return true;
        }
    }
    return TModeView::eventFilter(watched, event);
}

void TfrmDiaryMode::createEditPanel() {
    m_pnlEdit = new QFrame(this);
    m_pnlEdit->setObjectName(QStringLiteral("pnlDREditDiary"));
    m_pnlEdit->hide();
    m_lblDate = namedLabel(m_pnlEdit, "lblDRDate");
    m_lblHeadLine = namedLabel(m_pnlEdit, "lblDRHeadLine");
    m_lblNote = namedLabel(m_pnlEdit, "lblDRNote");
    m_edtDate = new DiaryDateField(m_pnlEdit);
    m_edtHeadLine = new QLineEdit(m_pnlEdit);
    m_edtHeadLine->setObjectName(QStringLiteral("edtDRHeadLine"));
    m_edtHeadLine->setMaxLength(150);
    connect(m_edtHeadLine, &QLineEdit::textChanged, this, &TfrmDiaryMode::limitHeadline);
    m_retNote = new QPlainTextEdit(m_pnlEdit);
    m_retNote->setObjectName(QStringLiteral("retDRNote"));
    m_retNote->setTabChangesFocus(true);
    m_lblDate->setBuddy(m_edtDate->edit());
    m_lblHeadLine->setBuddy(m_edtHeadLine);
    m_lblNote->setBuddy(m_retNote);
    m_btnSave = makeButton(m_pnlEdit, "btnDRSave");
    m_btnSave->setDefault(true);
    m_btnSave->setAutoDefault(true);
    connect(m_btnSave, &QPushButton::clicked, this, &TfrmDiaryMode::saveRecord);
    m_btnCancel = makeButton(m_pnlEdit, "btnDRCancel");
    connect(m_btnCancel, &QPushButton::clicked, this, &TfrmDiaryMode::cancelRecord);
    // Return in a one-line field saves, as the default button of a form would.
    connect(m_edtDate->edit(), &QLineEdit::returnPressed, this, &TfrmDiaryMode::saveRecord);
    connect(m_edtHeadLine, &QLineEdit::returnPressed, this, &TfrmDiaryMode::saveRecord);
}

void TfrmDiaryMode::applyLayout() {
    const int size = settings().FormSize();
    // The built-in places are the small form's; a form size other than 0 or 1 keeps them.
    const bool large = size == 1;
    applyLayoutRows(
        {
            {m_pnlDiary, {0, 0, 767, 570}, {0, 0, 1018, 650}},
            {m_lblTeam, {6, 16, 70, 24}, {6, 16, 70, 24}},
            {m_cmbTeam, {82, 16, 260, 24}, {82, 16, 300, 24}},
            {m_btnNewRecord, {352, 15, 150, 26}, {392, 15, 150, 26}},
            {m_grid, {1, 56, 765, 513}, {1, 56, 1016, 593}},
            {m_pnlEdit, {0, 0, 767, 600}, {0, 0, 1018, 680}},
            {m_lblDate, {6, 4, 140, 16}, {6, 4, 140, 16}},
            {m_edtDate, {6, 21, 140, 24}, {6, 21, 140, 24}},
            {m_lblHeadLine, {156, 4, 400, 16}, {156, 4, 400, 16}},
            {m_edtHeadLine, {156, 21, 414, 24}, {156, 21, 665, 24}},
            {m_btnSave, {578, 20, 86, 26}, {829, 20, 86, 26}},
            {m_btnCancel, {672, 20, 86, 26}, {923, 20, 86, 26}},
            {m_lblNote, {6, 47, 400, 16}, {6, 47, 400, 16}},
            {m_retNote, {6, 64, 752, 500}, {6, 64, 1003, 577}},
        },
        large);
    if (size == 0 || size == 1)
        setMinimumSize(large ? 1018 : 767, large ? 650 : 570);
}

void TfrmDiaryMode::applyCaptions() {
    if (m_grid == nullptr)
        return; // not initialised yet
    const TLanguage& l = language();
    const struct {
        QWidget* widget;
        QString key;
    } captions[] = {
        {m_lblTeam, LK("lblDRTeam")},     {m_btnNewRecord, LK("btnDRNewPlayer")},
        {m_lblDate, LK("lblDRDate")},     {m_lblHeadLine, LK("lblDRHeadLine")},
        {m_lblNote, LK("lblDRNote")},     {m_btnSave, LK("btnDRSave")},
        {m_btnCancel, LK("btnDRCancel")},
    };
    for (const auto& entry : captions) {
        if (auto* label = qobject_cast<QLabel*>(entry.widget))
            label->setText(l.Text(entry.key));
        else if (auto* button = qobject_cast<QPushButton*>(entry.widget))
            button->setText(l.Text(entry.key));
    }
    m_grid->setHorizontalHeaderLabels({l.Text(LK("Date")), l.Text(LK("HeadLine"))});
    m_edtDate->applyCaptions(l);
}

bool TfrmDiaryMode::supports(ViewCommand command) const {
    switch (command) {
    case ViewCommand::NewTeam:
    case ViewCommand::DeleteTeam:
    case ViewCommand::RenameTeam:
    case ViewCommand::NewRecord:
    case ViewCommand::DeleteRecord:
    case ViewCommand::Print:
    case ViewCommand::PrintPreview:
        return true;
    default:
        return false;
    }
}

bool TfrmDiaryMode::run(ViewCommand command, int tag) {
    // The mode menu is hidden while a record is edited; a shortcut reaching a command then
    // waits until the record is saved or cancelled.
    if (!m_diary || isEditing())
        return false;
    switch (command) {
    case ViewCommand::NewTeam:
        newTeam();
        return true;
    case ViewCommand::DeleteTeam:
        deleteTeam();
        return true;
    case ViewCommand::RenameTeam:
        renameTeam();
        return true;
    case ViewCommand::NewRecord:
        newRecord();
        return true;
    case ViewCommand::DeleteRecord:
        deleteRecord();
        return true;
    case ViewCommand::Print:
        if (tag == kPrintTeamTag)
            printTeam();
        else
            printRecord(false);
        return true;
    case ViewCommand::PrintPreview:
        printRecord(true);
        return true;
    default:
        return false;
    }
}

bool TfrmDiaryMode::isEditing() const {
    return m_pnlEdit != nullptr && !m_pnlEdit->isHidden();
}

void TfrmDiaryMode::switchPanels() {
    const bool editing = !isEditing();
    m_pnlEdit->setVisible(editing);
    m_pnlDiary->setVisible(!editing);
    setModeMenuVisible(!editing);
    if (editing) {
        m_edtDate->setFocus();
    } else {
        m_newRecordPending = false;
        m_editIndex = -1;
        m_grid->setFocus();
    }
}

void TfrmDiaryMode::setModeMenuVisible(bool visible) {
    // The window's mode menu is found by its control name, as the language table finds it.
    if (QAction* menu = window()->findChild<QAction*>(QStringLiteral("mmDRMode")))
        menu->setVisible(visible);
}

} // namespace korvex
