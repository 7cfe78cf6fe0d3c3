// korvex-cli print of a diary file, as a coach would run it from a script.
#include "CliRunner.h"
#include "RecordFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex::test;

namespace {

QByteArray diaryFile() {
    QByteArray file = le32(141) + le32(3);
    for (const char* headline : {"Skating", "Passing", "Shooting"})
        file += fixedRecord(162, {{0, "1.9.2026"}, {11, headline}}) + streamStrings({"note"});
    return file;
}

bool isPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

TEST(DiaryCli, PrintsOneRecordByItsGridRowOrTheWholeDiary) {
    QTemporaryDir dir;
    const QString dmp = dir.filePath(QStringLiteral("U18.boys.dmp"));
    ASSERT_TRUE(writeFile(dmp, diaryFile()));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QString print = QStringLiteral("print");

    CliRun run = cli({print, dmp, pdf, QStringLiteral("--record"), QStringLiteral("3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(isPdf(pdf));
    ASSERT_TRUE(QFile::remove(pdf));
    run = cli({print, dmp, pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(isPdf(pdf));
    run = cli({print, dmp, pdf, QStringLiteral("--from"), QStringLiteral("2026-09-01"),
               QStringLiteral("--to"), QStringLiteral("2026-09-30")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();

    // Row 4 is the grid's empty row: no record, said plainly.
    run = cli({print, dmp, pdf, QStringLiteral("--record"), QStringLiteral("4")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no record 4")) << run.err.toStdString();
    for (const QStringList& bad :
         {QStringList{QStringLiteral("--record"), QStringLiteral("0")},
          QStringList{QStringLiteral("--record")},
          QStringList{QStringLiteral("--from"), QStringLiteral("soon")},
          QStringList{QStringLiteral("--from"), QStringLiteral("2027-01-01")},
          QStringList{QStringLiteral("--player"), QStringLiteral("1")}}) {
        run = cli(QStringList{print, dmp, pdf} + bad);
        EXPECT_EQ(run.exitCode, 1) << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
}

} // namespace
