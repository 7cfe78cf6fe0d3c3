// The CSV roster reader and writer, fed the files spreadsheets and club systems write and
// files that are broken on purpose.
#include "RecordFixtures.h"

#include "storage/PlayerCsv.h"
#include "storage/TCardPractise.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

// Windows-1250 bytes of the Czech letters the rosters below use, built by hand from the
// code page table.
QByteArray toWindows1250(const QString& text) {
    static const QHash<QChar, char> table = {
        {u'á', '\xE1'}, {u'č', '\xE8'}, {u'ď', '\xEF'}, {u'é', '\xE9'}, {u'ě', '\xEC'},
        {u'í', '\xED'}, {u'ň', '\xF2'}, {u'ó', '\xF3'}, {u'ř', '\xF8'}, {u'š', '\x9A'},
        {u'ť', '\x9D'}, {u'ú', '\xFA'}, {u'ů', '\xF9'}, {u'ý', '\xFD'}, {u'ž', '\x9E'},
        {u'Č', '\xC8'}, {u'Ř', '\xD8'}, {u'Š', '\x8A'}, {u'Ž', '\x8E'}, {u'Ú', '\xDA'},
    };
    QByteArray bytes;
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            bytes.append(static_cast<char>(c.unicode()));
        else
            bytes.append(table.value(c, '?'));
    }
    return bytes;
}

QStringList fields(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

TEST(PlayerCsv, ThirtyCzechPlayersInWindows1250ImportExactly) {
    const QStringList surnames = fields(
        {"Novák",   "Dvořák",   "Černý",    "Procházka", "Kučera",  "Veselý",   "Horák",   "Němec",
         "Pokorný", "Marek",    "Pospíšil", "Hájek",     "Jelínek", "Král",     "Růžička", "Beneš",
         "Fiala",   "Sedláček", "Doležal",  "Zeman",     "Kolář",   "Navrátil", "Čermák",  "Vaněk",
         "Urban",   "Blažek",   "Kříž",     "Kovář",     "Šťastný", "Žák"});
    const QStringList firsts = fields({"Jiří", "Tomáš", "Lukáš", "Ondřej", "Matěj"});
    QString text = QStringLiteral("Příjmení;Jméno;Narozen;Číslo;Post;Telefon;E-mail;Adresa\r\n");
    QList<QStringList> expected;
    for (int i = 0; i < surnames.size(); ++i) {
        const QStringList row = {surnames[i],
                                 firsts[i % firsts.size()],
                                 QStringLiteral("%1.3.2010").arg(i % 28 + 1),
                                 QString::number(i + 1),
                                 i % 2 ? QStringLiteral("útočník") : QStringLiteral("obránce"),
                                 QStringLiteral("+420 777 %1").arg(100 + i),
                                 QStringLiteral("hrac%1@klub.cz").arg(i),
                                 QStringLiteral("Dlouhá %1; Žďár").arg(i)};
        expected.append(row);
        QStringList cells = row;
        cells.last() = QLatin1Char('"') + cells.last() + QLatin1Char('"'); // holds a ';'
        text += cells.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    const PlayerCsv csv = parsePlayerCsv(toWindows1250(text));
    EXPECT_TRUE(csv.windows1250);
    EXPECT_TRUE(csv.headerSkipped);
    EXPECT_EQ(csv.separator, QLatin1Char(';'));
    EXPECT_TRUE(csv.refused.isEmpty());
    ASSERT_EQ(csv.rows.size(), 30);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(csv.rows[i].fields, expected[i]) << i;
        EXPECT_EQ(csv.rows[i].line, i + 2);
    }
}

TEST(PlayerCsv, MalformedRowsAreReportedByLineAndTheRestIsRead) {
    const QByteArray file = "Novak,Jan,2010,7,C,111,a@b.cz,Brno\n"     // 1
                            ",Petr,2011,8,LW,,,\n"                     // 2 no surname
                            "\n"                                       // 3 blank
                            "\"Svoboda\",\"Karel \"\"Kaja\"\"\",,12\n" // 4
                            "Dvorak,Ales,,123\n"                       // 5 bad number
                            "\"Mala\",Eva,,,,,,\"Dlouha 1\n"           // 6-7 break
                            "Praha\"\n"                                //
                            "Kral,Jiri,,5,,,,,,,\n"                    // 8 empty extras
                            "Cerny,Ota,,5,,,,,,surplus\n"              // 9 extra text
                            "Bily,Adam,,9x\n"                          // 10 bad number
                            "Hora,Jan,,  4 \n"                         // 11
                            "\"Open,Field,,1\n";                       // 12 unclosed
    const PlayerCsv csv = parsePlayerCsv(file);
    EXPECT_EQ(csv.separator, QLatin1Char(','));
    EXPECT_FALSE(csv.headerSkipped);
    QList<int> lines;
    for (const CsvPlayerRow& row : csv.rows)
        lines.append(row.line);
    EXPECT_EQ(lines, QList<int>({1, 4, 6, 8, 11}));
    EXPECT_EQ(csv.rows[1].fields[1], QStringLiteral("Karel \"Kaja\""));
    EXPECT_EQ(csv.rows[2].fields[7], QStringLiteral("Dlouha 1 Praha"));
    EXPECT_EQ(csv.rows[4].fields[3], QStringLiteral("4"));
    for (const CsvPlayerRow& row : csv.rows)
        EXPECT_EQ(row.fields.size(), kCsvColumns);

    const QList<std::pair<int, CsvProblem>> refused = {
        {2, CsvProblem::NoSurname},      {5, CsvProblem::BadNumber},
        {9, CsvProblem::TooManyColumns}, {10, CsvProblem::BadNumber},
        {12, CsvProblem::UnclosedQuote},
    };
    ASSERT_EQ(csv.refused.size(), refused.size());
    for (int i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(csv.refused[i].line, refused[i].first) << i;
        EXPECT_EQ(csv.refused[i].problem, refused[i].second) << i;
    }
}

TEST(PlayerCsv, HeadersAreRecognisedInEveryLanguageAndDataIsNeverTakenForOne) {
    // UTF-8 with a byte order mark, English header, CRLF.
    PlayerCsv csv = parsePlayerCsv("\xEF\xBB\xBFLast name,First name,Born,#\r\nLee,Ann,,3\r\n");
    EXPECT_FALSE(csv.windows1250);
    EXPECT_TRUE(csv.headerSkipped);
    ASSERT_EQ(csv.rows.size(), 1);
    EXPECT_EQ(csv.rows[0].fields[0], QStringLiteral("Lee"));
    EXPECT_EQ(csv.rows[0].line, 2);

    csv = parsePlayerCsv(QStringLiteral("Nachname;Vorname;Geburtsdatum;Nr.;Position;Telefon\n"
                                        "Müller;Jörg;;;;\n")
                             .toUtf8());
    EXPECT_TRUE(csv.headerSkipped);
    ASSERT_EQ(csv.rows.size(), 1);
    EXPECT_EQ(csv.rows[0].fields[1], QStringLiteral("Jörg"));

    // A player called "Position" is still a player: one matching word is no header.
    csv = parsePlayerCsv("Position,Jan,,4\n");
    EXPECT_FALSE(csv.headerSkipped);
    EXPECT_EQ(csv.rows.size(), 1);

    // The program's own headings of any language are a header.
    csv = parsePlayerCsv("Jmeno X;Krestni Y\nNovak;Jan\n",
                         {QStringLiteral("Jméno X"), QStringLiteral("Křestní Y")});
    EXPECT_TRUE(csv.headerSkipped);
}

TEST(PlayerCsv, ATeamWrittenAsCsvReadsBackFieldForField) {
    TCardPractise cards;
    const QStringList tricky = {QStringLiteral("O'Neil; \"Big\""), QStringLiteral("Šimon"),
                                QStringLiteral("1.1.2010"),        QStringLiteral("07"),
                                QStringLiteral("LW, C"),           QStringLiteral(" +420 1 "),
                                QStringLiteral("a@b.cz"),          QStringLiteral("Line\nTwo")};
    cards.addEntry(TCardPractise::makeRecord(tricky), {});
    cards.addEntry(TCardPractise::makeRecord(
                       {QStringLiteral("Plain"), QString(), QString(), QStringLiteral("00")}),
                   {});
    const QStringList headings = {QStringLiteral("Nachname"), QStringLiteral("Vorname"),
                                  QStringLiteral("Geboren"),  QStringLiteral("Nr."),
                                  QStringLiteral("Position"), QStringLiteral("Telefon"),
                                  QStringLiteral("E-Mail"),   QStringLiteral("Adresse")};
    const QByteArray bytes = writePlayerCsv(cards, headings);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFNachname;Vorname;"));

    const PlayerCsv csv = parsePlayerCsv(bytes, headings);
    EXPECT_TRUE(csv.headerSkipped);
    EXPECT_TRUE(csv.refused.isEmpty());
    ASSERT_EQ(csv.rows.size(), 2);
    QStringList expected = tricky;
    expected[5] = QStringLiteral("+420 1"); // fields are trimmed on reading
    expected[7] = QStringLiteral("Line Two");
    EXPECT_EQ(csv.rows[0].fields, expected);
    EXPECT_EQ(csv.rows[1].fields[3], QString()); // no number is written as none
}

TEST(PlayerCsv, HostileBytesNeverCrashAndAlwaysGiveEightFieldRows) {
    QRandomGenerator random(1234);
    const QByteArray valid = "Surname;First name\n\"A;b\";\"c\"\"d\"\nE;F;;1\n";
    const char alphabet[] = {'"', ';', ',', '\n', '\r', 'a', '1', ' ', '\xC3', '\xA9', '\x9A'};
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = valid;
        const int edits = random.bounded(1, 12);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(static_cast<int>(bytes.size()) + 1);
            if (random.bounded(2) == 0 && at < bytes.size())
                bytes[at] = alphabet[random.bounded(static_cast<int>(sizeof alphabet))];
            else
                bytes.insert(at, alphabet[random.bounded(static_cast<int>(sizeof alphabet))]);
        }
        if (round % 10 == 0) { // wholly random
            bytes.resize(random.bounded(200));
            for (char& b : bytes)
                b = static_cast<char>(random.bounded(256));
        }
        const PlayerCsv csv = parsePlayerCsv(bytes);
        const int lines = static_cast<int>(bytes.count('\n') + bytes.count('\r')) + 1;
        for (const CsvPlayerRow& row : csv.rows) {
            ASSERT_EQ(row.fields.size(), kCsvColumns);
            ASSERT_FALSE(row.fields[0].isEmpty());
            ASSERT_TRUE(row.line >= 1 && row.line <= lines);
        }
        for (const CsvRefusal& refusal : csv.refused)
            ASSERT_TRUE(refusal.line >= 1 && refusal.line <= lines);
    }
    // A line of a hundred thousand separators is one refused row, not a huge list.
    const PlayerCsv wide = parsePlayerCsv("A" + QByteArray(100000, ',') + "x\n");
    ASSERT_EQ(wide.refused.size(), 1);
    EXPECT_EQ(wide.refused[0].problem, CsvProblem::TooManyColumns);
}

TEST(PlayerCsv, AFileTooLargeForAnyRosterIsRefusedBeforeReading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.csv"));
    ASSERT_TRUE(test::writeFile(path, QByteArray(kMaxCsvBytes + 1, 'a')));
    PlayerCsv csv;
    QString error;
    EXPECT_FALSE(readPlayerCsvFile(path, {}, &csv, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("huge.csv")));
    EXPECT_FALSE(readPlayerCsvFile(dir.filePath(QStringLiteral("none.csv")), {}, &csv, &error));
}

} // namespace
