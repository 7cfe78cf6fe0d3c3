#include "ui/dialogs/TFormPlayerArchive.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TCardPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/cards/TeamComboBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvex {

TFormPlayerArchive::TFormPlayerArchive(const TLanguage& language, const TSettings& settings,
                                       QWidget* parent)
    : QDialog(parent), m_language(language), m_settings(settings) {
    setObjectName(QStringLiteral("FormPlayerArchive"));
    setWindowTitle(m_language.Text(LK("FormPlayerArchive")));
    auto* layout = new QGridLayout(this);
    for (int index = 0; index < 2; ++index) {
        Side& side = m_sides[index];
        side.cards = std::make_unique<TCardPractise>();
        side.cards->setLocation(settings.appDir(), settings.CPSaveDir());
        side.cards->setArchive(settings.PlayerArchiveSaveDir(), m_language.Text(LK("Archive")));
        side.cards->setWriteVersion(settings.Version());
        side.cards->setSortLocale(TCardPractise::sortLocaleOf(settings.Language()));
        side.combo = new TeamComboBox(this);
        side.combo->setObjectName(QStringLiteral("cmbTeams%1").arg(index + 1));
        side.combo->setProperty("Tag", index + 1);
        side.list = new QListWidget(this);
        side.list->setObjectName(QStringLiteral("lbxPlayers%1").arg(index + 1));
        side.list->setProperty("Tag", index + 1);
        side.list->setMinimumSize(260, 320);
        layout->addWidget(side.combo, 0, index * 2);
        layout->addWidget(side.list, 1, index * 2);
        connect(side.combo, &TeamComboBox::droppingDown, this, [this, index] { fillCombo(index); });
        connect(side.combo, &QComboBox::activated, this, [this, index] {
            const QString text = m_sides[index].combo->currentText();
            chooseTeam(index, text == m_language.Text(LK("EmptyTeamString")) ? QString() : text);
        });
    }
    auto* buttons = new QVBoxLayout;
    m_spb1To2 = new QToolButton(this);
    m_spb1To2->setObjectName(QStringLiteral("spb1To2"));
    m_spb1To2->setArrowType(Qt::RightArrow);
    m_spb2To1 = new QToolButton(this);
    m_spb2To1->setObjectName(QStringLiteral("spb2To1"));
    m_spb2To1->setArrowType(Qt::LeftArrow);
    for (QToolButton* button : {m_spb1To2, m_spb2To1})
        button->setFixedSize(36, 30);
    buttons->addStretch(1);
    buttons->addWidget(m_spb1To2);
    buttons->addWidget(m_spb2To1);
    buttons->addStretch(1);
    layout->addLayout(buttons, 1, 1);
    m_btnDone = new QPushButton(m_language.Text(LK("btnIPDone")), this);
    m_btnDone->setObjectName(QStringLiteral("btnEPDone"));
    m_btnDone->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_btnDone);
    layout->addLayout(bottom, 2, 0, 1, 3);

    connect(m_spb1To2, &QToolButton::clicked, this, [this] { move(0); });
    connect(m_spb2To1, &QToolButton::clicked, this, [this] { move(1); });
    connect(m_btnDone, &QPushButton::clicked, this, &QDialog::accept);
    for (int index = 0; index < 2; ++index) {
        fillCombo(index);
        fillList(index);
    }
    updateMoveButtons();
}

TFormPlayerArchive::~TFormPlayerArchive() = default;

void TFormPlayerArchive::fillCombo(int index) {
    Side& side = m_sides[index];
    const QString current = side.cards->team();
    side.combo->clear();
    side.combo->addItem(m_language.Text(LK("EmptyTeamString")));
    const QStringList teams = side.cards->listTeams();
    side.combo->addItems(teams);
    side.combo->setCurrentIndex(current.isEmpty() ? 0 : teams.indexOf(current) + 1);
}

void TFormPlayerArchive::chooseTeam(int index, const QString& team) {
    TCardPractise& cards = *m_sides[index].cards;
    if (team != cards.team()) {
        cards.clear();
        if (!team.isEmpty() && !cards.openTeam(team)) {
            dialogs().information(this, cards.errorString());
            cards.clear();
        }
    }
    fillCombo(index);
    fillList(index);
    updateMoveButtons();
}

void TFormPlayerArchive::fillList(int index) {
    Side& side = m_sides[index];
    // Sorted by surname, so that row i of the list is card i.
    side.cards->setSortColumn(TCardPractise::Surname);
    side.cards->setAscending(TCardPractise::Surname, true);
    side.cards->sort();
    side.list->clear();
    side.list->addItems(side.cards->shortList(QStringLiteral(", ")));
}

void TFormPlayerArchive::updateMoveButtons() {
    const QString left = m_sides[0].cards->team();
    const QString right = m_sides[1].cards->team();
    const bool enabled = !left.isEmpty() && !right.isEmpty() && left != right;
    m_spb1To2->setEnabled(enabled);
    m_spb2To1->setEnabled(enabled);
}

bool TFormPlayerArchive::save(int index) {
    TCardPractise& cards = *m_sides[index].cards;
    if (cards.saveTeam())
        return true;
    dialogs().information(this, cards.errorString());
    return false;
}

void TFormPlayerArchive::move(int from) {
    const int to = 1 - from;
    TCardPractise& source = *m_sides[from].cards;
    TCardPractise& target = *m_sides[to].cards;
    const int card = m_sides[from].list->currentRow();
    if (source.team().isEmpty() || target.team().isEmpty() || source.team() == target.team() ||
        card < 0 || card >= source.count())
        return;
    if (target.count() >= TCardPractise::kMaxCards) {
        dialogs().information(this, m_language.Text(LK("TeamFull")));
        return;
    }
    const TeamEntry player = source.entry(card);
    // The target is written first: if that fails, nothing has moved.
    if (!target.addEntry(player.record, player.notes)) {
        dialogs().information(this, target.errorString());
        return;
    }
    if (!save(to)) {
        target.deleteEntry(target.count() - 1);
        target.setModified(false);
        fillList(to);
        return;
    }
    source.deleteEntry(card);
    if (!save(from)) {
        // The player must not stay in both files: take it back out of the target.
        target.deleteEntry(target.count() - 1);
        if (!save(to)) {
            // Neither file could be put right: the target keeps what its file holds, and the
            // coach learns that the player now stands in both teams.
            target.addEntry(player.record, player.notes);
            target.setModified(false);
            dialogs().information(this, m_language.Text(LK("PlayerInBothTeams")));
        }
        source.loadTeam(source.team());
    }
    m_sides[from].list->setCurrentRow(-1);
    fillList(0);
    fillList(1);
}

} // namespace korvex
