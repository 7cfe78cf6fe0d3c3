#include "RecordFixtures.h"

#include "storage/TCardPractise.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray card(const QByteArray& surname, const QByteArray& first, const QByteArray& number) {
    return fixedRecord(323, {{0, surname}, {51, first}, {83, number}});
}

class CardPractiseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        cards.setLocation(dir.path(), QStringLiteral("PlayerCards"));
        cards.setArchive(QStringLiteral("PlayerArchive"), QStringLiteral("Archive"));
        cards.setWriteVersion(141);
    }
    QString teamPath(const QString& team) const {
        return dir.path() + QStringLiteral("/PlayerCards/") + team + QStringLiteral(".cmp");
    }

    QTemporaryDir dir;
    TCardPractise cards;
};

TEST_F(CardPractiseTest, CountedFileReadsFieldsAtTheirOffsetsAndWritesBackTheSameBytes) {
    // The second card carries bytes behind its surname's length, as files written by
    // older programs do; they must survive a load and save.
    QByteArray second = fixedRecord(323, {{0, "Novak"}, {86, "Center"}, {121, "n@x.cz"}});
    second[10] = 'Z';
    second[222] = 3;
    second.replace(223, 3, "Brn");
    const QByteArray file = le32(141) + le32(2) + card("Zeman", "Petr", "17") +
                            streamStrings({"fast", "left"}) + second + streamStrings({});
    ASSERT_TRUE(writeFile(teamPath(QStringLiteral("Juniors")), file));

    ASSERT_TRUE(cards.loadTeam(QStringLiteral("Juniors"))) << cards.errorString().toStdString();
    ASSERT_EQ(cards.count(), 2);
    EXPECT_EQ(cards.field(0, TCardPractise::Surname), QStringLiteral("Zeman"));
    EXPECT_EQ(cards.field(0, TCardPractise::FirstName), QStringLiteral("Petr"));
    EXPECT_EQ(cards.field(0, TCardPractise::Number), QStringLiteral("17"));
    EXPECT_EQ(cards.entry(0).notes, QStringList({QStringLiteral("fast"), QStringLiteral("left")}));
    EXPECT_EQ(cards.field(1, TCardPractise::Position), QStringLiteral("Center"));
    EXPECT_EQ(cards.field(1, TCardPractise::EMail), QStringLiteral("n@x.cz"));
    EXPECT_EQ(cards.field(1, TCardPractise::Address), QStringLiteral("Brn"));

    ASSERT_TRUE(QFile::remove(teamPath(QStringLiteral("Juniors"))));
    ASSERT_TRUE(cards.saveTeam());
    EXPECT_EQ(readFile(teamPath(QStringLiteral("Juniors"))), file);
}

TEST_F(CardPractiseTest, OneCardFileAddsItsCardToTheOpenTeamAndIsWrittenWithTheMarker) {
    ASSERT_TRUE(writeFile(teamPath(QStringLiteral("A")),
                          le32(141) + le32(1) + card("Adam", "Jan", "9") + streamStrings({})));
    const QByteArray single =
        le32(141) + le32(1024) + card("Bily", "Ota", "4") + streamStrings({"note"});
    const QString singlePath = dir.path() + QStringLiteral("/single.cmp");
    ASSERT_TRUE(writeFile(singlePath, single));

    ASSERT_TRUE(cards.loadTeam(QStringLiteral("A")));
    ASSERT_TRUE(cards.importCardFile(singlePath));
    ASSERT_EQ(cards.count(), 2);
    EXPECT_EQ(cards.field(1, TCardPractise::Surname), QStringLiteral("Bily"));
    EXPECT_TRUE(cards.modified());

    // Loading a one-card file as a team clears first: the team is that one card.
    ASSERT_TRUE(cards.readFile(singlePath, true));
    EXPECT_EQ(cards.count(), 1);

    const QString out = dir.path() + QStringLiteral("/out.cmp");
    ASSERT_TRUE(cards.saveOneCard(0, out));
    EXPECT_EQ(readFile(out), single);
}

TEST_F(CardPractiseTest, ATeamNeverGrowsPastTheLargestCountItsFileCanHold) {
    ASSERT_TRUE(cards.createTeam(141, QStringLiteral("Full")));
    for (int i = 0; i < TCardPractise::kMaxCards; ++i)
        ASSERT_TRUE(cards.addEntry(TCardPractise::makeRecord({QString::number(i)}), {}));
    EXPECT_FALSE(cards.addEntry(TCardPractise::makeRecord({QStringLiteral("x")}), {}));
    EXPECT_TRUE(cards.errorString().contains(QStringLiteral("1023")));

    const QString singlePath = dir.path() + QStringLiteral("/single.cmp");
    ASSERT_TRUE(writeFile(singlePath, le32(141) + le32(1024) + card("X", "", "") + le32(0)));
    EXPECT_FALSE(cards.importCardFile(singlePath));
    EXPECT_EQ(cards.count(), 1023);

    // A full team saves and loads back whole.
    ASSERT_TRUE(cards.saveTeam());
    ASSERT_TRUE(cards.loadTeam(QStringLiteral("Full")));
    EXPECT_EQ(cards.count(), 1023);
}

TEST_F(CardPractiseTest, DamagedFilesGiveAnErrorNamingTheFileAndLeaveTheTeamEmpty) {
    const QByteArray good = le32(141) + le32(1) + card("Adam", "Jan", "9") + streamStrings({"a"});
    const QList<QByteArray> damaged = {
        good.left(3),                                               // no whole version
        good.left(good.size() - 2),                                 // note cut short
        le32(141) + le32(5) + card("A", "", ""),                    // count larger than the file
        le32(141) + le32(-1),                                       // negative count
        le32(141) + le32(1025) + QByteArray(9000, '\0'),            // more cards than a team holds
        le32(141) + le32(1) + card("A", "", "") + le32(0x7fffffff), // absurd note count
    };
    for (const QByteArray& bytes : damaged) {
        ASSERT_TRUE(writeFile(teamPath(QStringLiteral("Bad")), bytes));
        EXPECT_FALSE(cards.loadTeam(QStringLiteral("Bad")));
        EXPECT_TRUE(cards.errorString().contains(QStringLiteral("Bad.cmp")))
            << cards.errorString().toStdString();
        EXPECT_EQ(cards.count(), 0);
    }
    // A length byte larger than its field is cut to the field.
    QByteArray record = card("", "", "");
    record[83] = static_cast<char>(200);
    record[84] = '1';
    record[85] = '2';
    ASSERT_TRUE(writeFile(teamPath(QStringLiteral("Odd")), le32(141) + le32(1) + record + le32(0)));
    ASSERT_TRUE(cards.loadTeam(QStringLiteral("Odd")));
    EXPECT_EQ(cards.field(0, TCardPractise::Number), QStringLiteral("12"));
}

TEST_F(CardPractiseTest, AFileOfAnUnknownVersionLoadsEmptyAndIsNeverOverwritten) {
    const QByteArray newer = le32(150) + le32(1) + card("Adam", "Jan", "9") + le32(0);
    ASSERT_TRUE(writeFile(teamPath(QStringLiteral("New")), newer));
    ASSERT_TRUE(cards.loadTeam(QStringLiteral("New")));
    EXPECT_EQ(cards.count(), 0);
    EXPECT_EQ(cards.version(), 150);
    EXPECT_FALSE(cards.saveTeam());
    EXPECT_TRUE(cards.errorString().contains(QStringLiteral("150")));
    EXPECT_EQ(readFile(teamPath(QStringLiteral("New"))), newer);

    // Merged into an open team, such a file adds nothing and the team still saves.
    ASSERT_TRUE(writeFile(teamPath(QStringLiteral("Open")), le32(141) + le32(0)));
    ASSERT_TRUE(cards.loadTeam(QStringLiteral("Open")));
    const QString single = dir.path() + QStringLiteral("/newer-single.cmp");
    ASSERT_TRUE(writeFile(single, le32(150) + le32(1024) + card("X", "", "") + le32(0)));
    EXPECT_FALSE(cards.importCardFile(single));
    EXPECT_EQ(cards.count(), 0);
    EXPECT_TRUE(cards.saveTeam());
}

TEST_F(CardPractiseTest, SortingMovesNotesWithTheirCardsAndKeepsEachColumnsDirection) {
    ASSERT_TRUE(cards.createTeam(141, QStringLiteral("T")));
    cards.addEntry(TCardPractise::makeRecord({QStringLiteral("čapek"), QStringLiteral("b"),
                                              QStringLiteral("01.01.2000"), QStringLiteral("9")}),
                   {QStringLiteral("c")});
    cards.addEntry(TCardPractise::makeRecord({QStringLiteral("Adam"), QStringLiteral("c"),
                                              QStringLiteral("03.01.2000"), QStringLiteral("10")}),
                   {QStringLiteral("a")});
    cards.addEntry(TCardPractise::makeRecord({QStringLiteral("bureš"), QStringLiteral("a"),
                                              QStringLiteral("02.01.2000"), QStringLiteral("2")}),
                   {QStringLiteral("b")});
    auto column = [&](TCardPractise::Field field) {
        QStringList values;
        for (int i = 0; i < cards.count(); ++i)
            values.append(cards.field(i, field));
        return values.join(QLatin1Char(','));
    };
    cards.setSortColumn(0);
    cards.sort();
    EXPECT_EQ(column(TCardPractise::Surname), QStringLiteral("Adam,bureš,čapek"));
    EXPECT_EQ(cards.entry(0).notes, QStringList{QStringLiteral("a")});
    cards.setAscending(0, false);
    cards.sort();
    EXPECT_EQ(column(TCardPractise::Surname), QStringLiteral("čapek,bureš,Adam"));
    // The number sorts by bytes: "10" < "2" < "9".
    cards.setSortColumn(3);
    cards.sort();
    EXPECT_EQ(column(TCardPractise::Number), QStringLiteral("10,2,9"));
    // The birth date column leaves the order alone; out-of-range columns are clamped.
    cards.setSortColumn(2);
    cards.sort();
    EXPECT_EQ(column(TCardPractise::Number), QStringLiteral("10,2,9"));
    cards.setSortColumn(42);
    EXPECT_EQ(cards.sortColumn(), 6);

    EXPECT_EQ(cards.shortList(QStringLiteral(" | ")),
              QStringList({QStringLiteral("Adam | c | 10"), QStringLiteral("bureš | a | 2"),
                           QStringLiteral("čapek | b | 9")}));
}

TEST_F(CardPractiseTest, TeamListShowsTheArchiveFirstOnlyWhenItsFolderExists) {
    ASSERT_TRUE(cards.createTeam(141, QStringLiteral("b-team")));
    ASSERT_TRUE(cards.createTeam(141, QStringLiteral("A-team")));
    EXPECT_EQ(cards.listTeams(), QStringList({QStringLiteral("A-team"), QStringLiteral("b-team")}));
    ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/PlayerCards/PlayerArchive")));
    EXPECT_EQ(cards.listTeams(), QStringList({QStringLiteral("Archive"), QStringLiteral("A-team"),
                                              QStringLiteral("b-team")}));
    EXPECT_TRUE(cards.teamFilePath(QStringLiteral("Archive"))
                    .endsWith(QStringLiteral("PlayerCards/PlayerArchive/PlayerArchive.cmp")));
    // Names that would leave the card folder are refused.
    EXPECT_FALSE(cards.createTeam(141, QStringLiteral("../x")));
    EXPECT_FALSE(cards.createTeam(141, QStringLiteral("  ")));
    EXPECT_FALSE(cards.createTeam(141, QStringLiteral("A-team")));
}

TEST_F(CardPractiseTest, JerseyNumbersAreStoredWithTwoCharactersAndNoneIsShownEmpty) {
    EXPECT_EQ(TCardPractise::storedNumber(QStringLiteral("5")), QStringLiteral("05"));
    EXPECT_EQ(TCardPractise::storedNumber(QStringLiteral(" 5 ")), QStringLiteral("05"));
    EXPECT_EQ(TCardPractise::storedNumber(QString()), QStringLiteral("00"));
    EXPECT_EQ(TCardPractise::storedNumber(QStringLiteral("17")), QStringLiteral("17"));
    EXPECT_EQ(TCardPractise::shownNumber(QStringLiteral("00")), QString());
    EXPECT_EQ(TCardPractise::shownNumber(QStringLiteral("0")), QString());
    EXPECT_EQ(TCardPractise::shownNumber(QStringLiteral("07")), QStringLiteral("07"));

    ASSERT_TRUE(cards.createTeam(141, QStringLiteral("T")));
    cards.addEntry(TCardPractise::makeRecord(
                       {QStringLiteral("A"), QString(), QString(), QStringLiteral("00")}),
                   {});
    EXPECT_EQ(cards.gridRows().at(0).at(TCardPractise::Number), QString());
    EXPECT_EQ(cards.shortList(QStringLiteral(", ")), QStringList{QStringLiteral("A, ")});
}

TEST_F(CardPractiseTest, ALongCzechSurnameIsCutOnACharacterBoundary) {
    // Fifty two-byte characters are a hundred bytes; the field holds fifty.
    const QString surname = QString(50, QChar(0x0161)); // š
    const FixedRecord record = TCardPractise::makeRecord({surname});
    const QByteArray stored = record.fieldBytes(TCardPractise::fieldOf(TCardPractise::Surname));
    EXPECT_EQ(stored.size(), 50);
    EXPECT_EQ(QString::fromUtf8(stored), QString(25, QChar(0x0161)));
    // An odd limit: "No" holds two bytes, "ř" two and "5" one.
    const FixedRecord odd =
        TCardPractise::makeRecord({QString(), QString(), QString(), QStringLiteral("5ř")});
    EXPECT_EQ(odd.field(TCardPractise::fieldOf(TCardPractise::Number)), QStringLiteral("5"));
}

TEST_F(CardPractiseTest, AWholeTeamFileReadIntoAnOpenTeamJoinsItInsteadOfReplacingIt) {
    ASSERT_TRUE(writeFile(teamPath(QStringLiteral("A")),
                          le32(141) + le32(1) + card("Adam", "Jan", "9") + streamStrings({})));
    const QString other = dir.path() + QStringLiteral("/other.cmp");
    ASSERT_TRUE(writeFile(other, le32(141) + le32(2) + card("Bily", "Ota", "4") +
                                     streamStrings({}) + card("Cap", "Eda", "5") +
                                     streamStrings({"n"})));
    ASSERT_TRUE(cards.loadTeam(QStringLiteral("A")));
    ASSERT_TRUE(cards.importCardFile(other));
    ASSERT_EQ(cards.count(), 3);
    EXPECT_EQ(cards.field(0, TCardPractise::Surname), QStringLiteral("Adam"));
    EXPECT_EQ(cards.field(2, TCardPractise::Surname), QStringLiteral("Cap"));

    // Past the largest team, nothing of the file is added.
    for (int i = cards.count(); i < TCardPractise::kMaxCards - 1; ++i)
        ASSERT_TRUE(cards.addEntry(TCardPractise::makeRecord({QString::number(i)}), {}));
    EXPECT_FALSE(cards.importCardFile(other));
    EXPECT_EQ(cards.count(), TCardPractise::kMaxCards - 1);
}

TEST_F(CardPractiseTest, TheArchiveIsListedOnceItsFolderIsMadeAndItsFileWrittenWhenOpened) {
    EXPECT_EQ(cards.listTeams(), QStringList());
    ASSERT_TRUE(cards.ensureArchiveFolder());
    EXPECT_EQ(cards.listTeams(), QStringList{QStringLiteral("Archive")});
    EXPECT_TRUE(cards.isArchive(QStringLiteral("Archive")));
    const QString path =
        dir.path() + QStringLiteral("/PlayerCards/PlayerArchive/PlayerArchive.cmp");
    EXPECT_FALSE(QFile::exists(path));

    ASSERT_TRUE(cards.openTeam(QStringLiteral("Archive")));
    EXPECT_EQ(readFile(path), le32(141) + le32(0));
    cards.addEntry(TCardPractise::makeRecord({QStringLiteral("Old")}), {});
    ASSERT_TRUE(cards.saveTeam());
    ASSERT_TRUE(cards.openTeam(QStringLiteral("Archive")));
    EXPECT_EQ(cards.count(), 1);
    // An ordinary team that is missing is an error, never an empty team.
    EXPECT_FALSE(cards.openTeam(QStringLiteral("Gone")));
}

TEST_F(CardPractiseTest, SurnamesSortInTheAlphabetOfTheLanguageWhateverTheMachine) {
    for (const char* surname : {"Hora", "chalupa", "Černý", "Dvořák", "Cibulka"})
        cards.addEntry(TCardPractise::makeRecord({QString::fromUtf8(surname)}), {});
    auto sorted = [this](const QString& language) {
        cards.setSortLocale(TCardPractise::sortLocaleOf(language));
        cards.sort();
        QStringList names;
        for (int i = 0; i < cards.count(); ++i)
            names.append(cards.field(i, TCardPractise::Surname));
        return names.join(QLatin1Char(','));
    };
    EXPECT_EQ(sorted(QStringLiteral("Czech")), QStringLiteral("Cibulka,Černý,Dvořák,Hora,chalupa"));
    EXPECT_EQ(sorted(QStringLiteral("English")),
              QStringLiteral("Černý,chalupa,Cibulka,Dvořák,Hora"));
}

} // namespace
