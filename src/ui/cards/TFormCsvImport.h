#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

namespace korvex {

class TLanguage;

// The preview of a CSV import: the players that will be added, in a table with the card
// columns, and the rows that will not, each with its line number and the reason.
// Accepting the form adds the players; the form itself changes nothing.
class TFormCsvImport : public QDialog {
    Q_OBJECT

public:
    // `players` holds the eight fields of each player to add and `lines` the file line each
    // comes from (shown beside the row); `refused` one text per row left out.
    TFormCsvImport(const TLanguage& language, const QString& team, const QStringList& headings,
                   const QList<QStringList>& players, const QList<int>& lines,
                   const QStringList& refused, QWidget* parent = nullptr);
};

} // namespace korvex
