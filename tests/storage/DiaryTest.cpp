#include "RecordFixtures.h"

#include "storage/TDiary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray diaryRecord(const QByteArray& date, const QByteArray& headline) {
    return fixedRecord(162, {{0, date}, {11, headline}});
}

TEST(DiaryTest, DiaryKeepsTheVersionItWasCreatedOrLoadedWith) {
    QTemporaryDir dir;
    TDiary diary;
    diary.setLocation(dir.path(), QStringLiteral("Diaries"));
    const QString path = dir.path() + QStringLiteral("/Diaries/U18.dmp");

    ASSERT_TRUE(diary.createTeam(999, QStringLiteral("U18")));
    EXPECT_EQ(readFile(path), le32(999) + le32(0));
    ASSERT_TRUE(
        diary.addEntry(TDiary::makeRecord(QStringLiteral("1.9.2026"), QStringLiteral("Skating")),
                       {QStringLiteral("edges"), QStringLiteral("turns")}));
    ASSERT_TRUE(diary.saveTeam());
    const QByteArray expected = le32(999) + le32(1) + diaryRecord("1.9.2026", "Skating") +
                                streamStrings({"edges", "turns"});
    EXPECT_EQ(readFile(path), expected);

    // A file of version 120 is written back as 120.
    const QByteArray older = le32(120) + le32(2) + diaryRecord("1.1.2020", "First") +
                             streamStrings({}) + diaryRecord("2.1.2020", "Second") +
                             streamStrings({"x"});
    ASSERT_TRUE(writeFile(path, older));
    ASSERT_TRUE(diary.loadTeam(QStringLiteral("U18")));
    EXPECT_EQ(diary.version(), 120);
    ASSERT_TRUE(diary.saveTeam());
    EXPECT_EQ(readFile(path), older);
    // The grid shows the newest record first.
    EXPECT_EQ(diary.gridRows().first(),
              QStringList({QStringLiteral("2.1.2020"), QStringLiteral("Second")}));
}

TEST(DiaryTest, DiaryOfAVersionItCannotWriteIsRefusedWithAMessage) {
    QTemporaryDir dir;
    TDiary diary;
    diary.setLocation(dir.path(), QStringLiteral("Diaries"));
    EXPECT_FALSE(diary.createTeam(50, QStringLiteral("Old")));
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/Diaries/Old.dmp")));

    const QString path = dir.path() + QStringLiteral("/Diaries/New.dmp");
    const QByteArray newer = le32(142) + le32(1) + diaryRecord("d", "h") + le32(0);
    ASSERT_TRUE(writeFile(path, newer));
    ASSERT_TRUE(diary.loadTeam(QStringLiteral("New")));
    EXPECT_EQ(diary.count(), 0);
    diary.addEntry(TDiary::makeRecord(QStringLiteral("x"), QStringLiteral("y")), {});
    EXPECT_FALSE(diary.saveTeam());
    EXPECT_FALSE(diary.errorString().isEmpty());
    EXPECT_EQ(readFile(path), newer);

    // A record cut short is an error naming the file.
    ASSERT_TRUE(writeFile(path, le32(141) + le32(1) + diaryRecord("d", "h").left(100)));
    EXPECT_FALSE(diary.loadTeam(QStringLiteral("New")));
    EXPECT_TRUE(diary.errorString().contains(QStringLiteral("New.dmp")));
}

TEST(DiaryTest, LongTextsAreCutToTheirFieldsWithoutSplittingCharacters) {
    // 75 two-byte letters fill the 150-byte headline exactly; one more is dropped whole.
    const QString headline = QString(76, QChar(0x010D));
    const FixedRecord record = TDiary::makeRecord(QStringLiteral("2026-12-08x"), headline);
    EXPECT_EQ(record.field(TDiary::fieldOf(TDiary::Date)), QStringLiteral("2026-12-08"));
    EXPECT_EQ(record.field(TDiary::fieldOf(TDiary::HeadLine)), QString(75, QChar(0x010D)));
    EXPECT_EQ(static_cast<quint8>(record.bytes().at(11)), 150);
}

TEST(DiaryTest, TeamsAreNamedByTheWholeFileNameBeforeTheExtension) {
    QTemporaryDir dir;
    TDiary diary;
    diary.setLocation(dir.path(), QStringLiteral("Diaries"));
    const QString folder = dir.path() + QStringLiteral("/Diaries/");
    ASSERT_TRUE(diary.createTeam(141, QStringLiteral("U18.boys")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("U18.boys.dmp")));
    // A file written on another system may carry the extension in capitals.
    ASSERT_TRUE(writeFile(folder + QStringLiteral("Old.DMP"),
                          le32(141) + le32(1) + diaryRecord("d", "h") + le32(0)));
    ASSERT_TRUE(writeFile(folder + QStringLiteral("notes.txt"), "x"));
    EXPECT_EQ(diary.listTeams(), QStringList({QStringLiteral("Old"), QStringLiteral("U18.boys")}));
    ASSERT_TRUE(diary.loadTeam(QStringLiteral("Old")));
    EXPECT_EQ(diary.count(), 1);
    EXPECT_FALSE(diary.createTeam(141, QStringLiteral("Old")));
    ASSERT_TRUE(diary.renameTeam(QStringLiteral("Older")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("Older.dmp")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("Old.DMP")));

    ASSERT_TRUE(diary.loadTeam(QStringLiteral("U18.boys")));
    ASSERT_TRUE(diary.renameTeam(QStringLiteral("U18.girls")));
    EXPECT_EQ(diary.team(), QStringLiteral("U18.girls"));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("U18.girls.dmp")));
}

TEST(DiaryTest, PickedDatesFitTheFieldAndTypedDatesReadInCommonForms) {
    const QDate day(2026, 9, 28);
    for (const char* name : {"en_US", "en_GB", "cs_CZ", "de_DE", "sk_SK", "hu_HU", "C"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const QString text = TDiary::dateText(day, locale);
        EXPECT_LE(text.size(), 10) << name << " " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("2026"))) << name << " " << text.toStdString();
        EXPECT_EQ(TDiary::readDate(text, locale), day) << name << " " << text.toStdString();
    }
    const QLocale czech(QStringLiteral("cs_CZ"));
    EXPECT_EQ(TDiary::readDate(QStringLiteral("28. 9. 2026"), czech), day);
    EXPECT_EQ(TDiary::readDate(QStringLiteral("28.9.26"), czech), day);
    EXPECT_EQ(TDiary::readDate(QStringLiteral("2026-09-28"), czech), day);
    EXPECT_FALSE(TDiary::readDate(QStringLiteral("Monday"), czech).isValid());
    EXPECT_FALSE(TDiary::readDate(QStringLiteral("31.2.2026"), czech).isValid());
    EXPECT_FALSE(TDiary::readDate(QString(), czech).isValid());

    // A range takes the records whose date reads inside it, in file order.
    TDiary diary;
    for (const char* date : {"1.9.2026", "15.9.2026", "camp", "30.9.2026", "1.10.2026"})
        diary.addEntry(TDiary::makeRecord(QString::fromLatin1(date), QString()), {});
    EXPECT_EQ(diary.recordsBetween(QDate(2026, 9, 1), QDate(2026, 9, 30), czech),
              QList<int>({0, 1, 3}));
    EXPECT_TRUE(diary.recordsBetween(QDate(2026, 9, 30), QDate(2026, 9, 1), czech).isEmpty());
    // Grid rows count from the newest record; the empty last row is no record.
    EXPECT_EQ(diary.recordOfRow(1), 4);
    EXPECT_EQ(diary.recordOfRow(5), 0);
    EXPECT_EQ(diary.recordOfRow(6), -1);
    EXPECT_EQ(diary.recordOfRow(0), -1);
}

} // namespace
