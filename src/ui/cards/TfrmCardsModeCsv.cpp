// The cards view's CSV commands: importing a roster with a preview, exporting the team.
#include "ui/cards/TfrmCardsMode.h"

#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "storage/PlayerCsv.h"
#include "storage/TCardPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/cards/TFormCsvImport.h"

#include <QMap>
#include <QSet>
#include <QTableWidget>

namespace korvex {

namespace {

QString problemKey(CsvProblem problem) {
    switch (problem) {
    case CsvProblem::NoSurname:
        return LK("CsvNoSurname");
    case CsvProblem::TooManyColumns:
        return LK("CsvTooManyColumns");
    case CsvProblem::BadNumber:
        return LK("CsvBadNumber");
    case CsvProblem::UnclosedQuote:
        return LK("CsvUnclosedQuote");
    }
    return LK("CsvNoSurname");
}

// Surname, first name and birth, letter case aside: the same player typed twice.
QString identity(const QStringList& fields) {
    return QStringList{fields.at(TCardPractise::Surname), fields.at(TCardPractise::FirstName),
                       fields.at(TCardPractise::Birth)}
        .join(QLatin1Char('\n'))
        .toLower();
}

} // namespace

void TfrmCardsMode::importCsv() {
    if (!requireTeam())
        return;
    FileDialogOptions options;
    options.filter = language().Text(LK("CsvFilter")) + QStringLiteral(" (*.csv *.txt)");
    const QString path = dialogs().openFileName(this, options);
    if (path.isEmpty())
        return;
    PlayerCsv csv;
    QString error;
    if (!readPlayerCsvFile(path, headings(), &csv, &error)) {
        dialogs().information(this, language().Text(LK("CsvNotRead")) + QLatin1Char('\n') + error);
        return;
    }
    addCsvPlayers(csv);
}

void TfrmCardsMode::addCsvPlayers(const PlayerCsv& csv) {
    // Rows are refused in line order: by the reader, as players the team holds already,
    // or because the team file is full.
    QMap<int, QString> refused;
    auto refuse = [&](int line, const QString& key) {
        refused.insert(line, language().Text(LK("CsvLine")).arg(line) + QLatin1Char(' ') +
                                 language().Text(key));
    };
    for (const CsvRefusal& refusal : csv.refused)
        refuse(refusal.line, problemKey(refusal.problem));
    QSet<QString> known;
    for (int card = 0; card < m_cards->count(); ++card)
        known.insert(identity(csvFieldsOf(*m_cards, card)));
    QList<QStringList> players;
    QList<int> lines;
    for (const CsvPlayerRow& row : csv.rows) {
        if (known.contains(identity(row.fields))) {
            refuse(row.line, LK("CsvAlreadyInTeam"));
        } else if (m_cards->count() + players.size() >= TCardPractise::kMaxCards) {
            refuse(row.line, LK("TeamFull"));
        } else {
            known.insert(identity(row.fields));
            players.append(row.fields);
            lines.append(row.line);
        }
    }
    TFormCsvImport preview(language(), m_cards->team(), headings(), players, lines,
                           refused.values(), this);
    if (dialogs().exec(&preview) != QDialog::Accepted)
        return;
    for (QStringList fields : players) {
        fields[TCardPractise::Number] = TCardPractise::storedNumber(fields[TCardPractise::Number]);
        m_cards->addEntry(TCardPractise::makeRecord(fields), {});
    }
    fillGrid();
    saveTeamOrSay();
}

void TfrmCardsMode::exportCsv() {
    if (!requireTeam())
        return;
    FileDialogOptions options;
    options.filter = language().Text(LK("CsvFilter")) + QStringLiteral(" (*.csv)");
    options.defaultSuffix = QStringLiteral("csv");
    options.fileName = m_cards->team() + QStringLiteral(".csv");
    const QString path = dialogs().saveFileName(this, options);
    if (path.isEmpty())
        return;
    QString error;
    if (!saveBytes(path, writePlayerCsv(*m_cards, headings()), &error))
        dialogs().information(this, error);
}

} // namespace korvex
