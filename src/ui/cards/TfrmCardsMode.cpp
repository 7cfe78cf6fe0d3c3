#include "ui/cards/TfrmCardsMode.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TCardPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/cards/TeamComboBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvex {

namespace {

// Grid column widths in pixels, in column order.
constexpr int kColumnWidths[] = {182, 128, 90, 40, 90, 110, 300};
constexpr int kRowHeight = 20;

// Edit names, label names and label keys, in record order; the note comes last.
struct EditField {
    const char* edit;
    const char* label;
};
constexpr EditField kEditFields[] = {
    {"edtECSurName", "lblECSurName"},   {"edtECName", "lblECName"},
    {"edtECBirth", "lblECBirth"},       {"edtECNO", "lblECNO"},
    {"edtECPosition", "lblECPosition"}, {"edtECPhone", "lblECPhone"},
    {"edtECEmail", "lblECEmail"},       {"edtECAddress", "lblECAddress"},
};

} // namespace

TfrmCardsMode::TfrmCardsMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmCardsMode"));
}

TfrmCardsMode::~TfrmCardsMode() = default;

QString TfrmCardsMode::titleKey() const {
    return LK("spbPCMode");
}

void TfrmCardsMode::initialise() {
    m_cards = std::make_unique<TCardPractise>();
    m_cards->setLocation(settings().appDir(), settings().CPSaveDir());
    m_cards->setArchive(settings().PlayerArchiveSaveDir(), language().Text(LK("Archive")));
    m_cards->setWriteVersion(settings().Version());
    m_cards->setSortLocale(TCardPractise::sortLocaleOf(settings().Language()));
    // The archive is listed first and receives players.
    if (!m_cards->ensureArchiveFolder())
        dialogs().information(this, m_cards->errorString());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages);
    createGridPage();
    createEditPage();
    applyCaptions();

    fillTeamCombo();
    // The remembered team is stored as its list index + 1, so that 0 stands for none.
    const int remembered = settings().rememberedIndex(5, 1) - 1;
    const QStringList teams = m_cards->listTeams();
    chooseTeam(remembered >= 0 && remembered < teams.size() ? teams.at(remembered) : QString());
}

void TfrmCardsMode::tearDown() {
    if (!m_cards)
        return;
    // A player being edited is saved when the mode is left.
    if (isEditing())
        savePlayer();
    // Players imported from a file live in memory until the team is saved.
    if (!saveIfModified())
        dialogs().information(this, m_cards->errorString());
}

void TfrmCardsMode::createGridPage() {
    m_pnlPlayerCard = new QWidget(m_pages);
    m_pnlPlayerCard->setObjectName(QStringLiteral("pnlPlayerCard"));
    auto* layout = new QVBoxLayout(m_pnlPlayerCard);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    m_lblTeam = new QLabel(m_pnlPlayerCard);
    m_lblTeam->setObjectName(QStringLiteral("lblPCTeam"));
    m_cmbTeam = new TeamComboBox(m_pnlPlayerCard);
    m_cmbTeam->setObjectName(QStringLiteral("cmbPCTeam"));
    m_cmbTeam->setMinimumWidth(260);
    m_btnNewPlayer = new QPushButton(m_pnlPlayerCard);
    m_btnNewPlayer->setObjectName(QStringLiteral("btnPCNewPlayer"));
    top->addWidget(m_lblTeam);
    top->addWidget(m_cmbTeam);
    top->addSpacing(12);
    top->addWidget(m_btnNewPlayer);
    top->addStretch(1);
    layout->addLayout(top);

    m_grid = new QTableWidget(m_pnlPlayerCard);
    m_grid->setObjectName(QStringLiteral("srgPCCards"));
    m_grid->setColumnCount(TCardPractise::kColumnCount);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < TCardPractise::kColumnCount; ++column)
        m_grid->setColumnWidth(column, kColumnWidths[column]);
    layout->addWidget(m_grid, 1);
    m_pages->addWidget(m_pnlPlayerCard);

    connect(m_cmbTeam, &TeamComboBox::droppingDown, this, &TfrmCardsMode::fillTeamCombo);
    connect(m_cmbTeam, &QComboBox::activated, this, &TfrmCardsMode::onTeamActivated);
    connect(header, &QHeaderView::sectionClicked, this, &TfrmCardsMode::onHeadingClicked);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { onCellDoubleClicked(row); });
    connect(m_btnNewPlayer, &QPushButton::clicked, this, &TfrmCardsMode::newPlayer);
}

void TfrmCardsMode::createEditPage() {
    m_pnlEditPlayer = new QWidget(m_pages);
    m_pnlEditPlayer->setObjectName(QStringLiteral("pnlEditPlayer"));
    auto* outer = new QHBoxLayout(m_pnlEditPlayer);
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    for (const EditField& field : kEditFields) {
        const int row = static_cast<int>(m_edits.size());
        auto* label = new QLabel(m_pnlEditPlayer);
        label->setObjectName(QString::fromLatin1(field.label));
        auto* edit = new QLineEdit(m_pnlEditPlayer);
        edit->setObjectName(QString::fromLatin1(field.edit));
        // The limit in characters; the record cuts to its byte limit on save without
        // splitting a character, so a long accented name loses whole characters only.
        edit->setMaxLength(TCardPractise::fieldOf(static_cast<TCardPractise::Field>(row)).capacity);
        label->setBuddy(edit);
        form->addWidget(label, row, 0);
        form->addWidget(edit, row, 1);
        m_editLabels.append(label);
        m_edits.append(edit);
        connect(edit, &QLineEdit::returnPressed, this, &TfrmCardsMode::savePlayer);
    }
    m_edits.at(TCardPractise::Number)->setMaximumWidth(50);
    m_edits.at(TCardPractise::Birth)->setMaximumWidth(120);
    form->setRowStretch(static_cast<int>(m_edits.size()), 1);
    form->setColumnMinimumWidth(1, 360);

    auto* noteSide = new QVBoxLayout;
    auto* noteLabel = new QLabel(m_pnlEditPlayer);
    noteLabel->setObjectName(QStringLiteral("lblECNote"));
    m_editLabels.append(noteLabel);
    m_memNote = new QPlainTextEdit(m_pnlEditPlayer);
    m_memNote->setObjectName(QStringLiteral("memECNote"));
    m_memNote->setTabChangesFocus(true);
    noteLabel->setBuddy(m_memNote);
    auto* buttons = new QHBoxLayout;
    m_btnSave = new QPushButton(m_pnlEditPlayer);
    m_btnSave->setObjectName(QStringLiteral("btnECSave"));
    m_btnSave->setDefault(true);
    m_btnCancel = new QPushButton(m_pnlEditPlayer);
    m_btnCancel->setObjectName(QStringLiteral("btnECCancel"));
    buttons->addStretch(1);
    buttons->addWidget(m_btnSave);
    buttons->addWidget(m_btnCancel);
    noteSide->addWidget(noteLabel);
    noteSide->addWidget(m_memNote, 1);
    noteSide->addLayout(buttons);

    outer->addLayout(form, 0);
    outer->addSpacing(16);
    outer->addLayout(noteSide, 1);
    m_pages->addWidget(m_pnlEditPlayer);

    connect(m_btnSave, &QPushButton::clicked, this, &TfrmCardsMode::savePlayer);
    connect(m_btnCancel, &QPushButton::clicked, this, &TfrmCardsMode::cancelEdit);
}

void TfrmCardsMode::applyCaptions() {
    if (!m_cards)
        return;
    const TLanguage& l = language();
    m_lblTeam->setText(l.Text(LK("lblPCTeam")));
    m_btnNewPlayer->setText(l.Text(LK("btnPCNewPlayer")));
    m_btnSave->setText(l.Text(LK("btnECSave")));
    m_btnCancel->setText(l.Text(LK("btnECCancel")));
    for (QLabel* label : m_editLabels)
        label->setText(l.Text(label->objectName()));
    m_grid->setHorizontalHeaderLabels(headings().mid(0, TCardPractise::kColumnCount));
}

QStringList TfrmCardsMode::headings() const {
    QStringList texts;
    for (const QString& key : TCardPractise::headingKeys())
        texts.append(language().Text(key));
    texts.append(language().Text(LK("Address")));
    return texts;
}

bool TfrmCardsMode::supports(ViewCommand command) const {
    switch (command) {
    case ViewCommand::NewTeam:
    case ViewCommand::DeleteTeam:
    case ViewCommand::RenameTeam:
    case ViewCommand::NewRecord:
    case ViewCommand::DeleteRecord:
    case ViewCommand::PlayerArchive:
    case ViewCommand::ExportPlayer:
    case ViewCommand::ImportPlayer:
    case ViewCommand::Export:
    case ViewCommand::Import:
    case ViewCommand::Print:
    case ViewCommand::PrintPreview:
        return true;
    default:
        return false;
    }
}

bool TfrmCardsMode::run(ViewCommand command, int tag) {
    // The menus stay reachable while a player is edited: the player is saved first, as the
    // Save button would, and a player that cannot be saved keeps the command from running.
    if (isEditing() && command != ViewCommand::Print && command != ViewCommand::PrintPreview) {
        savePlayer();
        if (isEditing())
            return false;
    }
    switch (command) {
    case ViewCommand::NewTeam:
        newTeam();
        break;
    case ViewCommand::DeleteTeam:
        deleteTeam();
        break;
    case ViewCommand::RenameTeam:
        renameTeam();
        break;
    case ViewCommand::NewRecord:
        newPlayer();
        break;
    case ViewCommand::DeleteRecord:
        deletePlayer();
        break;
    case ViewCommand::PlayerArchive:
        openPlayerArchive();
        break;
    case ViewCommand::ExportPlayer:
        exportPlayer();
        break;
    case ViewCommand::ImportPlayer:
        importPlayer();
        break;
    case ViewCommand::Import:
        importCsv();
        break;
    case ViewCommand::Export:
        exportCsv();
        break;
    case ViewCommand::Print:
    case ViewCommand::PrintPreview:
        print(tag, command == ViewCommand::PrintPreview);
        break;
    default:
        return false;
    }
    return true;
}

QString TfrmCardsMode::itemName() const {
    return m_cards ? m_cards->team() : QString();
}

bool TfrmCardsMode::isModified() const {
    return m_cards && m_cards->modified();
}

QString TfrmCardsMode::errorString() const {
    return m_cards ? m_cards->errorString() : QString();
}

bool TfrmCardsMode::saveIfModified() {
    if (!m_cards || !m_cards->modified() || m_cards->team().isEmpty())
        return true;
    return m_cards->saveTeam();
}

bool TfrmCardsMode::isEditing() const {
    return m_pages->currentWidget() == m_pnlEditPlayer;
}

int TfrmCardsMode::cardOfRow(int row) const {
    return row >= 0 && row < m_cards->count() ? row : -1;
}

void TfrmCardsMode::fillTeamCombo() {
    const QStringList teams = m_cards->listTeams();
    const QString current = m_cards->team();
    m_cmbTeam->clear();
    if (current.isEmpty())
        m_cmbTeam->addItem(language().Text(LK("EmptyTeamString")));
    m_cmbTeam->addItems(teams);
    m_cmbTeam->setCurrentIndex(
        current.isEmpty() ? 0 : std::max<int>(0, static_cast<int>(teams.indexOf(current))));
}

void TfrmCardsMode::onTeamActivated() {
    const int index = m_cmbTeam->currentIndex();
    const QStringList teams = m_cards->listTeams();
    const int offset = m_cards->team().isEmpty() ? 1 : 0; // the placeholder entry
    const int team = index - offset;
    if (team >= 0 && team < teams.size())
        chooseTeam(teams.at(team));
}

void TfrmCardsMode::chooseTeam(const QString& team) {
    if (!team.isEmpty() && team == m_cards->team()) {
        fillTeamCombo();
        fillGrid();
        return;
    }
    if (!saveIfModified()) {
        // The players in memory are kept: the team stays current until it can be saved.
        dialogs().information(this, m_cards->errorString());
        fillTeamCombo();
        return;
    }
    m_cards->clear();
    if (!team.isEmpty() && !m_cards->openTeam(team)) {
        dialogs().information(this, m_cards->errorString());
        m_cards->clear();
    }
    rememberTeam();
    fillTeamCombo();
    fillGrid();
}

void TfrmCardsMode::rememberTeam() {
    const QString team = m_cards->team();
    settings().setRememberedIndex(
        5, 1, team.isEmpty() ? 0 : static_cast<int>(m_cards->listTeams().indexOf(team)) + 1);
}

void TfrmCardsMode::fillGrid() {
    const QList<QStringList> rows = m_cards->gridRows();
    const bool hasTeam = !m_cards->team().isEmpty();
    m_grid->clearContents();
    // One row per player and the entry row below them.
    m_grid->setRowCount(hasTeam ? static_cast<int>(rows.size()) + 1 : 0);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < TCardPractise::kColumnCount; ++column) {
            auto* cell = new QTableWidgetItem(rows.at(row).at(column));
            if (column == TCardPractise::Number)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(row, column, cell);
        }
    }
    // The arrow shows on the columns that sort (birth, phone and e-mail keep the order).
    const int column = m_cards->sortColumn();
    const bool sorts = column != TCardPractise::Birth && column != TCardPractise::Phone &&
                       column != TCardPractise::EMail;
    m_grid->horizontalHeader()->setSortIndicator(
        sorts ? column : -1, m_cards->ascending(column) ? Qt::AscendingOrder : Qt::DescendingOrder);
    m_btnNewPlayer->setEnabled(hasTeam);
}

void TfrmCardsMode::onHeadingClicked(int column) {
    if (m_cards->team().isEmpty())
        return;
    m_cards->setSortColumn(column);
    m_cards->setAscending(column, !m_cards->ascending(column));
    fillGrid();
}

void TfrmCardsMode::onCellDoubleClicked(int row) {
    if (m_cards->team().isEmpty())
        return;
    const int card = cardOfRow(row);
    if (card >= 0)
        editPlayer(card);
    else
        newPlayer();
}

void TfrmCardsMode::showGridPage() {
    m_pages->setCurrentWidget(m_pnlPlayerCard);
    m_grid->setFocus();
}

} // namespace korvex
