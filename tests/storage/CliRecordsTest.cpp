// korvex-cli backup, restore and the records part of info, run as a coach would from a
// script.
#include "CliRunner.h"
#include "PractiseFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace korvex::test;

namespace {

QByteArray cardFile(const QByteArray& surname) {
    QByteArray record(323, '\0');
    record[0] = static_cast<char>(surname.size());
    record.replace(1, surname.size(), surname);
    return le32(141) + le32(1) + record + streamStrings({"left hand"});
}

TEST(CliRecords, BackupRestoreAndInfoOfAWholeInstallation) {
    Installation source;
    QDir().mkpath(source.path(QStringLiteral("PlayerCards")));
    writeAll(source.path(QStringLiteral("PlayerCards/U18.cmp")), cardFile("Novak"));
    QDir().mkpath(source.path(QStringLiteral("TextPractises/C/S")));
    const QByteArray text = le32(141) + streamStrings({"Skate"}) + le32(0) + streamStrings({});
    writeAll(source.path(QStringLiteral("TextPractises/C/S/t.tmp")), text);

    const QString file = source.path(QStringLiteral("all.abp"));
    CliRun run = cli({QStringLiteral("backup"), QStringLiteral("all"), source.dir.path(), file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    run = cli({QStringLiteral("info"), file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray backups =
        QJsonDocument::fromJson(run.out).object().value(QStringLiteral("backups")).toArray();
    ASSERT_EQ(backups.size(), 6);
    const QJsonObject cards = backups.at(4).toObject();
    EXPECT_EQ(cards.value(QStringLiteral("kind")).toString(), QStringLiteral("cards"));
    const QJsonObject record = cards.value(QStringLiteral("records")).toArray().at(0).toObject();
    EXPECT_EQ(record.value(QStringLiteral("folder")).toString(), QStringLiteral("PlayerCards"));
    EXPECT_EQ(record.value(QStringLiteral("fileName")).toString(), QStringLiteral("U18.cmp"));
    EXPECT_EQ(record.value(QStringLiteral("size")).toInt(), cardFile("Novak").size());

    Installation target;
    run = cli({QStringLiteral("restore"), file, target.dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readAll(target.path(QStringLiteral("PlayerCards/U18.cmp"))), cardFile("Novak"));
    EXPECT_EQ(readAll(target.path(QStringLiteral("TextPractises/C/S/t.tmp"))), text);

    // Existing items are skipped, or replaced with --replace.
    writeAll(target.path(QStringLiteral("PlayerCards/U18.cmp")), cardFile("Other"));
    run = cli({QStringLiteral("restore"), file, target.dir.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(readAll(target.path(QStringLiteral("PlayerCards/U18.cmp"))), cardFile("Other"));
    run = cli({QStringLiteral("restore"), file, target.dir.path(), QStringLiteral("--replace")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(readAll(target.path(QStringLiteral("PlayerCards/U18.cmp"))), cardFile("Novak"));

    run = cli({QStringLiteral("info"), target.path(QStringLiteral("PlayerCards/U18.cmp"))});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject team = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(team.value(QStringLiteral("records"))
                  .toArray()
                  .at(0)
                  .toObject()
                  .value(QStringLiteral("surname")),
              QStringLiteral("Novak"));
}

TEST(CliRecords, RefusedBackupsAndBadUsageGiveTheirExitCodes) {
    Installation target;
    const QString newer = target.path(QStringLiteral("newer.cbp"));
    writeAll(newer, le32(150));
    CliRun run = cli({QStringLiteral("restore"), newer, target.dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("150")) << run.err.toStdString();

    EXPECT_EQ(cli({QStringLiteral("backup"), QStringLiteral("everything"), target.dir.path(),
                   target.path(QStringLiteral("x"))})
                  .exitCode,
              2);
    EXPECT_EQ(cli({QStringLiteral("restore"), newer}).exitCode, 2);
    run = cli({QStringLiteral("restore"), target.path(QStringLiteral("x.txt")), target.dir.path()});
    EXPECT_EQ(run.exitCode, 1);
}

} // namespace
