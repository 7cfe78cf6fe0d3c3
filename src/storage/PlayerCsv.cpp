#include "storage/PlayerCsv.h"

#include "core/TextCodec.h"
#include "storage/TCardPractise.h"

#include <QFile>
#include <QFileInfo>

namespace korvex {

namespace {

// A row with more columns than this is refused without keeping the rest, so a line of
// separators cannot grow a huge list.
constexpr int kMaxKeptColumns = 64;

struct RawRecord {
    int line = 0;
    QStringList fields;
    bool unclosed = false;
    bool tooWide = false;
};

// Lower case, accents dropped, only letters, digits and '#' kept: "Příjmení:" and
// "prijmeni" compare equal.
QString headingForm(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toLower();
    QString form;
    for (const QChar c : decomposed) {
        if (c.isLetterOrNumber() || c == QLatin1Char('#'))
            form.append(c);
    }
    return form;
}

const QList<QStringList>& knownHeadings() {
    static const QList<QStringList> headings = [] {
        const QList<QStringList> words = {
            {QStringLiteral("surname"), QStringLiteral("last name"), QStringLiteral("family name"),
             QStringLiteral("příjmení"), QStringLiteral("nachname"),
             QStringLiteral("familienname")},
            {QStringLiteral("first name"), QStringLiteral("given name"), QStringLiteral("forename"),
             QStringLiteral("jméno"), QStringLiteral("křestní jméno"), QStringLiteral("vorname")},
            {QStringLiteral("birth"), QStringLiteral("born"), QStringLiteral("birth date"),
             QStringLiteral("date of birth"), QStringLiteral("birthday"), QStringLiteral("narozen"),
             QStringLiteral("narození"), QStringLiteral("datum narození"), QStringLiteral("ročník"),
             QStringLiteral("geburtsdatum"), QStringLiteral("geboren"),
             QStringLiteral("geburtstag"), QStringLiteral("jahrgang")},
            {QStringLiteral("no"), QStringLiteral("number"), QStringLiteral("#"),
             QStringLiteral("jersey"), QStringLiteral("číslo"), QStringLiteral("číslo dresu"),
             QStringLiteral("nr"), QStringLiteral("nummer"), QStringLiteral("rückennummer")},
            {QStringLiteral("position"), QStringLiteral("pos"), QStringLiteral("post"),
             QStringLiteral("pozice"), QStringLiteral("post")},
            {QStringLiteral("phone"), QStringLiteral("telephone"), QStringLiteral("tel"),
             QStringLiteral("mobile"), QStringLiteral("telefon"), QStringLiteral("mobil")},
            {QStringLiteral("e-mail"), QStringLiteral("email"), QStringLiteral("mail")},
            {QStringLiteral("address"), QStringLiteral("adresa"), QStringLiteral("bydliště"),
             QStringLiteral("adresse"), QStringLiteral("anschrift")},
        };
        QList<QStringList> forms;
        for (const QStringList& column : words) {
            QStringList columnForms;
            for (const QString& word : column)
                columnForms.append(headingForm(word));
            forms.append(columnForms);
        }
        return forms;
    }();
    return headings;
}

bool isHeader(const QStringList& fields, const QStringList& ownHeadings) {
    int named = 0;
    for (int column = 0; column < kCsvColumns && column < fields.size(); ++column) {
        const QString form = headingForm(fields.at(column));
        if (form.isEmpty())
            continue;
        if (knownHeadings().at(column).contains(form) ||
            (column < ownHeadings.size() && headingForm(ownHeadings.at(column)) == form))
            ++named;
    }
    return named >= 2;
}

QString decode(const QByteArray& bytes, bool* windows1250) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    *windows1250 = !isValidUtf8(body);
    return *windows1250 ? decodeWindows1250(body) : QString::fromUtf8(body);
}

// Semicolon when the first line holds more semicolons than commas outside quotes.
QChar detectSeparator(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

// Splits the text into records. A quote opens a quoted field only at the start of a field;
// inside one, "" is a quote and a lone quote ends it. Line breaks inside quotes belong to
// the field; every line break counts for the line numbers.
QList<RawRecord> splitRecords(const QString& text, QChar separator) {
    QList<RawRecord> records;
    RawRecord record;
    record.line = 1;
    QString field;
    bool quoted = false;
    bool fieldStart = true;
    int line = 1;
    auto endField = [&] {
        if (record.fields.size() < kMaxKeptColumns)
            record.fields.append(field);
        else
            record.tooWide = true;
        field.clear();
        fieldStart = true;
    };
    auto endRecord = [&](int nextLine) {
        endField();
        records.append(std::move(record));
        record = RawRecord();
        record.line = nextLine;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const bool lineBreak = c == QLatin1Char('\n') || c == QLatin1Char('\r');
        const bool crlf = c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == u'\n';
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (lineBreak) {
                    if (crlf)
                        ++i;
                    ++line;
                    field.append(QLatin1Char(' '));
                } else {
                    field.append(c);
                }
            }
            continue;
        }
        if (c == QLatin1Char('"') && fieldStart) {
            quoted = true;
            fieldStart = false;
        } else if (c == separator) {
            endField();
        } else if (lineBreak) {
            if (crlf)
                ++i;
            ++line;
            endRecord(line);
        } else {
            field.append(c);
            fieldStart = false;
        }
    }
    if (quoted)
        record.unclosed = true;
    if (quoted || !field.isEmpty() || !record.fields.isEmpty())
        endRecord(line);
    return records;
}

bool isBlankRecord(const RawRecord& record) {
    for (const QString& field : record.fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

bool isValidNumber(const QString& number) {
    if (number.size() > 2)
        return false;
    for (const QChar c : number) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString quoted(const QString& field, QChar separator) {
    const bool needsQuotes = field.contains(separator) || field.contains(QLatin1Char('"')) ||
                             field.contains(QLatin1Char('\n')) ||
                             field.contains(QLatin1Char('\r')) || field != field.trimmed();
    if (!needsQuotes)
        return field;
    QString text = field;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

PlayerCsv parsePlayerCsv(const QByteArray& bytes, const QStringList& ownHeadings) {
    PlayerCsv csv;
    const QString text = decode(bytes, &csv.windows1250);
    csv.separator = detectSeparator(text);
    const QList<RawRecord> records = splitRecords(text, csv.separator);
    bool first = true;
    for (const RawRecord& record : records) {
        if (isBlankRecord(record) && !record.unclosed)
            continue;
        if (first) {
            first = false;
            if (!record.unclosed && isHeader(record.fields, ownHeadings)) {
                csv.headerSkipped = true;
                continue;
            }
        }
        QStringList fields;
        for (const QString& field : record.fields)
            fields.append(field.trimmed());
        bool extra = record.tooWide;
        for (int i = kCsvColumns; i < fields.size(); ++i)
            extra = extra || !fields.at(i).isEmpty();
        while (fields.size() > kCsvColumns)
            fields.removeLast();
        while (fields.size() < kCsvColumns)
            fields.append(QString());
        CsvRefusal refusal{record.line, CsvProblem::NoSurname};
        if (record.unclosed)
            refusal.problem = CsvProblem::UnclosedQuote;
        else if (extra)
            refusal.problem = CsvProblem::TooManyColumns;
        else if (fields.at(TCardPractise::Surname).isEmpty())
            refusal.problem = CsvProblem::NoSurname;
        else if (!isValidNumber(fields.at(TCardPractise::Number)))
            refusal.problem = CsvProblem::BadNumber;
        else {
            csv.rows.append({record.line, fields});
            continue;
        }
        csv.refused.append(refusal);
    }
    return csv;
}

bool readPlayerCsvFile(const QString& path, const QStringList& ownHeadings, PlayerCsv* csv,
                       QString* error) {
    const QString shown = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(shown, file.errorString());
        return false;
    }
    if (file.size() > kMaxCsvBytes) {
        *error = QStringLiteral("%1: %2 bytes").arg(shown).arg(file.size());
        return false;
    }
    const QByteArray bytes = file.read(kMaxCsvBytes + 1);
    if (bytes.size() > kMaxCsvBytes) {
        *error = QStringLiteral("%1: more than %2 bytes").arg(shown).arg(kMaxCsvBytes);
        return false;
    }
    *csv = parsePlayerCsv(bytes, ownHeadings);
    return true;
}

QStringList csvFieldsOf(const TCardPractise& cards, int card) {
    QStringList fields;
    for (int column = 0; column < kCsvColumns; ++column)
        fields.append(cards.field(card, static_cast<TCardPractise::Field>(column)));
    fields[TCardPractise::Number] = TCardPractise::shownNumber(fields[TCardPractise::Number]);
    return fields;
}

QByteArray writePlayerCsv(const TCardPractise& cards, const QStringList& headings) {
    const QChar separator = QLatin1Char(';');
    QString text;
    auto writeRow = [&](const QStringList& fields) {
        QStringList cells;
        for (const QString& field : fields)
            cells.append(quoted(field, separator));
        text += cells.join(separator) + QLatin1String("\r\n");
    };
    writeRow(headings);
    for (int card = 0; card < cards.count(); ++card)
        writeRow(csvFieldsOf(cards, card));
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace korvex
