// The cards view's commands: teams, players, the player archive and single-player files.
#include "ui/cards/TfrmCardsMode.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/ItemNames.h"
#include "storage/TCardPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/cards/TeamNames.h"
#include "ui/dialogs/TFormPlayerArchive.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTableWidget>

namespace korvex {

namespace {

QString withoutLineBreaks(const QString& text) {
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return flat.trimmed();
}

} // namespace

bool TfrmCardsMode::requireTeam() {
    if (!m_cards->team().isEmpty())
        return true;
    dialogs().information(this, language().Text(LK("TeamNotSelected")));
    return false;
}

int TfrmCardsMode::currentCard() const {
    if (m_cards->team().isEmpty())
        return -1;
    return cardOfRow(m_grid->currentRow());
}

bool TfrmCardsMode::saveTeamOrSay() {
    if (m_cards->saveTeam())
        return true;
    dialogs().information(this, m_cards->errorString());
    return false;
}

void TfrmCardsMode::refreshAfterOutsideChange() {
    // Another form wrote the team files: show what is stored now.
    const QString team = m_cards->team();
    m_cards->clear();
    if (!team.isEmpty() && !m_cards->openTeam(team)) {
        dialogs().information(this, m_cards->errorString());
        m_cards->clear();
    }
    fillTeamCombo();
    fillGrid();
}

QString TfrmCardsMode::cardFileFilter() const {
    const QString pattern = QStringLiteral("*") + m_cards->extension();
    return pattern + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

bool TfrmCardsMode::acceptTeamName(const QString& name, const QStringList& others) {
    switch (checkTeamName(name, language().Text(LK("Archive")), others)) {
    case TeamNameCheck::Empty:
        return false;
    case TeamNameCheck::Reserved:
        dialogs().information(this, language().Text(LK("ReservedWordArchive")));
        return false;
    case TeamNameCheck::Exists:
        dialogs().information(this, language().Text(LK("TeamExist")));
        return false;
    case TeamNameCheck::Accepted:
        break;
    }
    if (!isSafeItemName(name)) {
        dialogs().information(this, language().Text(LK("NameNotAllowed")));
        return false;
    }
    return true;
}

void TfrmCardsMode::newTeam() {
    const QString name = dialogs()
                             .getText(this, language(), language().Text(LK("FormGetText")),
                                      TextPromptLayout::Name, QString())
                             .trimmed();
    if (!acceptTeamName(name, m_cards->listTeams()))
        return;
    if (!saveIfModified()) {
        dialogs().information(this, m_cards->errorString());
        return;
    }
    if (!m_cards->createTeam(settings().Version(), name)) {
        dialogs().information(this, m_cards->errorString());
        refreshAfterOutsideChange();
        return;
    }
    chooseTeam(name);
}

void TfrmCardsMode::deleteTeam() {
    if (!requireTeam())
        return;
    const QString team = m_cards->team();
    if (!dialogs().confirm(this, language().Text(LK("RemTeam")) + QLatin1Char(' ') + team +
                                     QLatin1Char('?')))
        return;
    if (!m_cards->deleteTeamFile()) {
        dialogs().information(this, m_cards->errorString());
        return;
    }
    chooseTeam(QString());
}

void TfrmCardsMode::renameTeam() {
    if (!requireTeam())
        return;
    const QString team = m_cards->team();
    // The archive keeps its place and caption; renaming it would turn it into a team.
    if (m_cards->isArchive(team)) {
        dialogs().information(this, language().Text(LK("ReservedWordArchive")));
        return;
    }
    const QString name = dialogs()
                             .getText(this, language(), language().Text(LK("FormGetText")),
                                      TextPromptLayout::Name, team)
                             .trimmed();
    if (name == team)
        return;
    QStringList others = m_cards->listTeams();
    others.removeAll(team);
    if (!acceptTeamName(name, others))
        return;
    if (!m_cards->renameTeam(name)) {
        dialogs().information(this, m_cards->errorString());
        return;
    }
    rememberTeam();
    fillTeamCombo();
}

void TfrmCardsMode::newPlayer() {
    if (!requireTeam())
        return;
    m_adding = true;
    m_editedCard = -1;
    for (QLineEdit* edit : m_edits)
        edit->clear();
    m_memNote->clear();
    m_pages->setCurrentWidget(m_pnlEditPlayer);
    m_edits.first()->setFocus();
}

void TfrmCardsMode::editPlayer(int card) {
    if (card < 0 || card >= m_cards->count())
        return;
    m_adding = false;
    m_editedCard = card;
    for (int field = 0; field < m_edits.size(); ++field)
        m_edits[field]->setText(m_cards->field(card, static_cast<TCardPractise::Field>(field)));
    m_edits[TCardPractise::Number]->setText(
        TCardPractise::shownNumber(m_cards->field(card, TCardPractise::Number)));
    m_memNote->setPlainText(m_cards->entry(card).notes.join(QLatin1Char('\n')));
    m_pages->setCurrentWidget(m_pnlEditPlayer);
    m_edits.first()->setFocus();
}

void TfrmCardsMode::savePlayer() {
    if (!isEditing())
        return;
    QStringList texts;
    for (QLineEdit* edit : m_edits)
        texts.append(withoutLineBreaks(edit->text()));
    if (texts.at(TCardPractise::Surname).isEmpty()) {
        dialogs().information(this, language().Text(LK("SurNameMustBeFiled")));
        return;
    }
    texts[TCardPractise::Number] = TCardPractise::storedNumber(texts.at(TCardPractise::Number));
    const FixedRecord record = TCardPractise::makeRecord(texts);
    const QString note = m_memNote->toPlainText();
    const QStringList notes = note.isEmpty() ? QStringList() : note.split(QLatin1Char('\n'));
    if (m_adding) {
        if (m_cards->count() >= TCardPractise::kMaxCards) {
            dialogs().information(this, language().Text(LK("TeamFull")));
            return;
        }
        if (!m_cards->addEntry(record, notes)) {
            dialogs().information(this, m_cards->errorString());
            return;
        }
        // From here on the player exists: saving again replaces it instead of adding a twin.
        m_adding = false;
        m_editedCard = m_cards->count() - 1;
    } else if (!m_cards->replaceEntry(m_editedCard, record, notes)) {
        dialogs().information(this, m_cards->errorString());
        return;
    }
    if (!saveTeamOrSay())
        return; // the player stays in the editor and in memory
    showGridPage();
    fillGrid();
}

void TfrmCardsMode::cancelEdit() {
    m_adding = false;
    m_editedCard = -1;
    showGridPage();
}

void TfrmCardsMode::deletePlayer() {
    if (!requireTeam())
        return;
    const int card = currentCard();
    if (card < 0) {
        dialogs().information(this, language().Text(LK("PlayerNotSelected")));
        return;
    }
    const QString question = language().Text(LK("DelPlayer")) + QLatin1Char(' ') +
                             m_cards->field(card, TCardPractise::FirstName) + QLatin1Char(' ') +
                             m_cards->field(card, TCardPractise::Surname) + QLatin1Char('?');
    if (!dialogs().confirm(this, question))
        return;
    m_cards->deleteEntry(card);
    fillGrid();
    saveTeamOrSay();
}

void TfrmCardsMode::openPlayerArchive() {
    if (!saveIfModified()) {
        dialogs().information(this, m_cards->errorString());
        return;
    }
    TFormPlayerArchive form(language(), settings(), this);
    dialogs().exec(&form);
    refreshAfterOutsideChange();
}

void TfrmCardsMode::exportPlayer() {
    if (!requireTeam())
        return;
    const int card = currentCard();
    if (card < 0) {
        dialogs().information(this, language().Text(LK("PlayerNotSelected")));
        return;
    }
    FileDialogOptions options;
    options.filter = cardFileFilter();
    options.defaultSuffix = m_cards->extension().mid(1);
    options.fileName = m_cards->field(card, TCardPractise::Surname) + QLatin1Char(' ') +
                       m_cards->field(card, TCardPractise::FirstName);
    options.fileName = options.fileName.trimmed() + m_cards->extension();
    const QString path = dialogs().saveFileName(this, options);
    if (path.isEmpty())
        return;
    if (!m_cards->saveOneCard(card, path))
        dialogs().information(this, m_cards->errorString());
    fillGrid();
}

void TfrmCardsMode::importPlayer() {
    if (!requireTeam())
        return;
    if (m_cards->count() >= TCardPractise::kMaxCards) {
        dialogs().information(this, language().Text(LK("TeamFull")));
        return;
    }
    FileDialogOptions options;
    options.filter = cardFileFilter();
    options.defaultSuffix = m_cards->extension().mid(1);
    const QString path = dialogs().openFileName(this, options);
    if (path.isEmpty())
        return;
    if (!m_cards->importCardFile(path))
        dialogs().information(this, m_cards->errorString());
    fillGrid();
}

} // namespace korvex
