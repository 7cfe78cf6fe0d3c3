// korvex-cli print of a card file: the player card, the player list and the phone list.
#include "CliRunner.h"
#include "RecordFixtures.h"

#include "storage/TCardPractise.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

int pdfPages(const QString& path) {
    const QString text = QString::fromLatin1(readFile(path));
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(CliCardsPrint, ListsPlayersAndPhonesOverPagesAndRefusesBadOptions) {
    QTemporaryDir dir;
    TCardPractise cards;
    for (int i = 0; i < 70; ++i)
        cards.addEntry(TCardPractise::makeRecord({QStringLiteral("Player%1").arg(i)}), {});
    const QString team = dir.filePath(QStringLiteral("U15.cmp"));
    ASSERT_TRUE(cards.writeFile(team));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    for (const QStringList& options :
         {QStringList{QStringLiteral("--list")}, QStringList{QStringLiteral("--phones")}}) {
        const CliRun run = cli(QStringList{QStringLiteral("print"), team, pdf} + options);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        // Fifty rows fit a page at most: seventy players need two.
        EXPECT_EQ(pdfPages(pdf), 2) << options.first().toStdString();
    }
    CliRun run =
        cli({QStringLiteral("print"), team, pdf, QStringLiteral("--player"), QStringLiteral("70")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 1);
    for (const QStringList& bad : {QStringList{QStringLiteral("--player"), QStringLiteral("71")},
                                   QStringList{QStringLiteral("--player"), QStringLiteral("x")},
                                   QStringList{QStringLiteral("--player")}, QStringList{}}) {
        run = cli(QStringList{QStringLiteral("print"), team, pdf} + bad);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_FALSE(run.err.isEmpty());
    }
}

} // namespace
