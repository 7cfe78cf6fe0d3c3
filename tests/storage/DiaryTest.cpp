#include "RecordFixtures.h"

#include "storage/TDiary.h"

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

} // namespace
