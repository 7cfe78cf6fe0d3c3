#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace korvex {

class TCardPractise;

// Player rosters as CSV, in the column order surname, first name, birth, number, position,
// phone, e-mail, address. The reader takes what spreadsheets and club systems write:
// comma or semicolon separated (told by the first line), UTF-8 (with or without a byte
// order mark) or Windows-1250, fields in double quotes with "" for a quote and line
// breaks inside, an optional header row. It treats the file as hostile: every row is
// checked on its own, a bad row is refused with its line number and the rest is read.
enum class CsvProblem {
    NoSurname,      // the surname column is empty
    TooManyColumns, // text beyond the eighth column
    BadNumber,      // the number is not one or two digits
    UnclosedQuote,  // a quoted field runs to the end of the file
};

struct CsvPlayerRow {
    int line = 0;       // the line of the file the row starts on (1 = first line)
    QStringList fields; // always eight, trimmed; the number as typed
};

struct CsvRefusal {
    int line = 0;
    CsvProblem problem = CsvProblem::NoSurname;
};

struct PlayerCsv {
    QList<CsvPlayerRow> rows;
    QList<CsvRefusal> refused;
    QChar separator = QLatin1Char(',');
    bool headerSkipped = false;
    bool windows1250 = false;
};

constexpr int kCsvColumns = 8;
// The largest CSV file read: far above any roster (a team holds at most 1023 players).
constexpr qint64 kMaxCsvBytes = 4 * 1024 * 1024;

// Reads CSV bytes. `ownHeadings` are header texts the program itself writes (the grid
// headings of the current language); a first row naming at least two columns by these or
// by the usual English, Czech or German headings is a header and is skipped.
PlayerCsv parsePlayerCsv(const QByteArray& bytes, const QStringList& ownHeadings = {});
// Reads a CSV file; false with `error` set when it cannot be read or is too large.
bool readPlayerCsvFile(const QString& path, const QStringList& ownHeadings, PlayerCsv* csv,
                       QString* error);

// The eight fields of a card as the CSV writes them (the number as shown).
QStringList csvFieldsOf(const TCardPractise& cards, int card);
// The cards of a team, in stored order, as UTF-8 CSV with a byte order mark (so that
// spreadsheets read the accents), semicolon separated, CRLF line ends, the headings
// first. Fields holding a separator, quote or line break are quoted.
QByteArray writePlayerCsv(const TCardPractise& cards, const QStringList& headings);

} // namespace korvex
