#include "RecordFixtures.h"

#include "storage/KindBackup.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray record(const QByteArray& folder, const QByteArray& file, const QByteArray& content) {
    return streamString(folder) + streamString(file) + le32(static_cast<qint32>(content.size())) +
           content;
}

// Answers the dialog from a script and remembers what it was asked.
class ScriptedDecider : public BackupDecider {
public:
    struct Answer {
        BackupDecision code;
        QString name;
    };
    explicit ScriptedDecider(QList<Answer> answers) : m_answers(std::move(answers)) {}
    BackupDecision decide(const QString& pathText, const QString& suggested,
                          const QStringList& existing, QString* finalName) override {
        asked.append(pathText + suggested);
        lastExisting = existing;
        if (m_answers.isEmpty())
            return BackupDecision::Close;
        const Answer answer = m_answers.takeFirst();
        *finalName = answer.name;
        return answer.code;
    }
    QStringList asked;
    QStringList lastExisting;

private:
    QList<Answer> m_answers;
};

class KindBackupTest : public ::testing::Test {
protected:
    RestoreReport restore(const QByteArray& backup, RestoreStyle style, BackupDecider* decider) {
        QBuffer buffer;
        buffer.setData(backup);
        buffer.open(QIODevice::ReadOnly);
        RestoreOptions options;
        options.root = root();
        options.extension = QStringLiteral(".gmp");
        options.style = style;
        options.decider = decider;
        options.rewrite.rewrite = [this](const QString& stem, const QByteArray& stored,
                                         QList<FileBytes>* files, QString*) {
            rewritten.append(stem.mid(root().size() + 1));
            *files = {{stem + QStringLiteral(".gmp"), stored}};
            return true;
        };
        return restoreKindBackup(&buffer, QStringLiteral("test.gbp"), options);
    }
    QString root() const { return dir.path() + QStringLiteral("/app"); }
    QByteArray item(const QString& relative) const {
        return readFile(root() + QLatin1Char('/') + relative);
    }
    void put(const QString& relative, const QByteArray& bytes) {
        ASSERT_TRUE(writeFile(root() + QLatin1Char('/') + relative, bytes));
    }

    QTemporaryDir dir;
    QStringList rewritten;
};

TEST_F(KindBackupTest, WriterWalksSubfoldersFirstAndKeepsTeamFilesBesideThem) {
    put(QStringLiteral("G/b/s/z.gmp"), "Z");
    put(QStringLiteral("G/b/s/a.GMP"), "A");
    put(QStringLiteral("G/b/s/a.jpg"), "picture");
    put(QStringLiteral("G/A/t/x.gmp"), "XX");
    put(QStringLiteral("G/top.gmp"), "T");
    const QString target = dir.path() + QStringLiteral("/out.gbp");
    QString error;
    ASSERT_TRUE(
        writeKindBackup(root(), QStringLiteral("G"), QStringLiteral(".gmp"), 141, target, &error));
    const QByteArray expected = le32(141) + record("G\\A\\t", "x.gmp", "XX") +
                                record("G\\b\\s", "a.GMP", "A") + record("G\\b\\s", "z.gmp", "Z") +
                                record("G", "top.gmp", "T");
    EXPECT_EQ(readFile(target), expected);

    // A missing kind folder gives a backup of the version alone.
    ASSERT_TRUE(writeKindBackup(root(), QStringLiteral("None"), QStringLiteral(".gmp"), 141, target,
                                &error));
    EXPECT_EQ(readFile(target), le32(141));
}

TEST_F(KindBackupTest, RestoreIntoAnEmptyTreeAddsEveryItemWithoutAsking) {
    ScriptedDecider decider({});
    const RestoreReport report =
        restore(le32(141) + record("G\\c\\s", "a.gmp", "1") + record("G\\c\\t", "b.gmp", "22"),
                RestoreStyle::RewriteItems, &decider);
    EXPECT_TRUE(report.ok()) << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.added, 2);
    EXPECT_TRUE(decider.asked.isEmpty());
    EXPECT_EQ(item(QStringLiteral("G/c/s/a.gmp")), "1");
    EXPECT_EQ(item(QStringLiteral("G/c/t/b.gmp")), "22");
    EXPECT_EQ(rewritten, QStringList({QStringLiteral("G/c/s/a"), QStringLiteral("G/c/t/b")}));
}

TEST_F(KindBackupTest, DecisionsForExistingItems) {
    put(QStringLiteral("G/c/s/a.gmp"), "old-a");
    put(QStringLiteral("G/c/s/b.gmp"), "old-b");
    put(QStringLiteral("G/c/s/c.gmp"), "old-c");
    ScriptedDecider decider({{BackupDecision::Add, QStringLiteral("a2")},
                             {BackupDecision::Replace, QStringLiteral("b")},
                             {BackupDecision::SkipAll, QString()}});
    const QByteArray backup = le32(141) + record("G\\c\\s", "a.gmp", "new-a") +
                              record("G\\c\\s", "b.gmp", "new-b") +
                              record("G\\c\\s", "c.gmp", "new-c") +
                              record("G\\c\\s", "a.gmp", "again") + // skipped by skip-all
                              record("G\\c\\s", "d.gmp", "new-d");  // new: still added
    const RestoreReport report = restore(backup, RestoreStyle::RewriteItems, &decider);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(decider.asked,
              QStringList({QStringLiteral("...\\G\\c\\s\\a"), QStringLiteral("...\\G\\c\\s\\b"),
                           QStringLiteral("...\\G\\c\\s\\c")}));
    EXPECT_EQ(decider.lastExisting.size(), 4); // a, a2, b, c
    EXPECT_EQ(item(QStringLiteral("G/c/s/a.gmp")), "old-a");
    EXPECT_EQ(item(QStringLiteral("G/c/s/a2.gmp")), "new-a");
    EXPECT_EQ(item(QStringLiteral("G/c/s/b.gmp")), "new-b");
    EXPECT_EQ(item(QStringLiteral("G/c/s/c.gmp")), "old-c");
    EXPECT_EQ(item(QStringLiteral("G/c/s/d.gmp")), "new-d");
    EXPECT_EQ(report.added, 2);
    EXPECT_EQ(report.replaced, 1);
    EXPECT_EQ(report.skipped, 2);

    // Replace-all overwrites the rest without asking again.
    ScriptedDecider all({{BackupDecision::ReplaceAll, QString()}});
    restore(le32(141) + record("G\\c\\s", "a.gmp", "R1") + record("G\\c\\s", "c.gmp", "R2"),
            RestoreStyle::RewriteItems, &all);
    EXPECT_EQ(all.asked.size(), 1);
    EXPECT_EQ(item(QStringLiteral("G/c/s/a.gmp")), "R1");
    EXPECT_EQ(item(QStringLiteral("G/c/s/c.gmp")), "R2");
}

TEST_F(KindBackupTest, ClosingTheDialogStopsPractisesButOnlySkipsTeamFiles) {
    put(QStringLiteral("G/c/s/a.gmp"), "old");
    const QByteArray backup =
        le32(141) + record("G\\c\\s", "a.gmp", "new") + record("G\\c\\s", "n.gmp", "n");
    ScriptedDecider closing({{BackupDecision::Close, QString()}});
    RestoreReport report = restore(backup, RestoreStyle::RewriteItems, &closing);
    EXPECT_TRUE(report.stoppedByUser);
    EXPECT_FALSE(QFile::exists(root() + QStringLiteral("/G/c/s/n.gmp")));

    ScriptedDecider closingTeam({{BackupDecision::Close, QString()}});
    report = restore(backup, RestoreStyle::TeamFiles, &closingTeam);
    EXPECT_FALSE(report.stoppedByUser);
    EXPECT_EQ(item(QStringLiteral("G/c/s/n.gmp")), "n");
    EXPECT_EQ(item(QStringLiteral("G/c/s/a.gmp")), "old");
    EXPECT_TRUE(rewritten.isEmpty()); // team files are written as stored

    // Skip-all ends a team backup: a later new team is not added.
    ScriptedDecider skipAll({{BackupDecision::SkipAll, QString()}});
    restore(le32(141) + record("G\\c\\s", "a.gmp", "x") + record("G\\c\\s", "late.gmp", "l"),
            RestoreStyle::TeamFiles, &skipAll);
    EXPECT_FALSE(QFile::exists(root() + QStringLiteral("/G/c/s/late.gmp")));
}

TEST_F(KindBackupTest, RecordsThatWouldLeaveTheApplicationDirectoryAreRefused) {
    ScriptedDecider decider({{BackupDecision::Replace, QStringLiteral("../../escape")}});
    put(QStringLiteral("G/c/s/ok.gmp"), "old");
    const QByteArray backup =
        le32(141) + record("..\\outside", "a.gmp", "1") + record("G\\..\\..", "b.gmp", "2") +
        record("\\abs", "c.gmp", "3") + record("C:\\Windows", "d.gmp", "4") +
        record("G\\c\\s", "..\\e.gmp", "5") + record("G\\c\\s", "settings.txt", "6") +
        record("G\\c\\s", "ok.gmp", "7") + record("G\\c\\s", "fine.gmp", "8");
    const RestoreReport report = restore(backup, RestoreStyle::RewriteItems, &decider);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.refused.size(), 7) << report.summary().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(item(QStringLiteral("G/c/s/ok.gmp")), "old");
    const QStringList outside = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(outside, QStringList{QStringLiteral("app")});
    EXPECT_FALSE(QFile::exists(QStringLiteral("/abs/c.gmp")));
}

TEST_F(KindBackupTest, UnknownVersionAndCutShortBackupsAreReported) {
    RestoreReport report =
        restore(le32(150) + record("G\\c\\s", "a.gmp", "1"), RestoreStyle::RewriteItems, nullptr);
    EXPECT_FALSE(report.versionAccepted);
    EXPECT_FALSE(report.ok());
    EXPECT_TRUE(report.summary().join(QString()).contains(QStringLiteral("150")));
    EXPECT_FALSE(QDir(root()).exists());

    const QByteArray whole =
        le32(141) + record("G\\c\\s", "a.gmp", "first") + record("G\\c\\s", "b.gmp", "second");
    for (int cut : {3, 12, 27}) {
        QDir(root()).removeRecursively();
        report = restore(whole.left(whole.size() - cut), RestoreStyle::RewriteItems, nullptr);
        EXPECT_FALSE(report.ok());
        EXPECT_EQ(report.added, 1);
        EXPECT_TRUE(report.error.contains(QStringLiteral("record 2")))
            << report.error.toStdString();
        EXPECT_TRUE(report.error.contains(QStringLiteral("test.gbp")));
        EXPECT_EQ(item(QStringLiteral("G/c/s/a.gmp")), "first");
        EXPECT_FALSE(QFile::exists(root() + QStringLiteral("/G/c/s/b.gmp")));
    }
}

TEST_F(KindBackupTest, ListingReadsRecordsWithoutWriting) {
    const QByteArray backup = le32(141) + record("G\\c\\s", "a.gmp", "12345");
    QBuffer buffer;
    buffer.setData(backup + QByteArray("\x01", 1));
    buffer.open(QIODevice::ReadOnly);
    qint32 version = 0;
    QList<BackupRecordInfo> records;
    QString error;
    EXPECT_FALSE(listKindBackup(&buffer, QStringLiteral("x"), &version, &records, &error));
    EXPECT_EQ(version, 141);
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].folder, QStringLiteral("G\\c\\s"));
    EXPECT_EQ(records[0].size, 5);
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
