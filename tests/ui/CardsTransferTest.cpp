// Moving players through the player archive dialog, and rosters in and out as CSV.
#include "CardsTestSupport.h"

#include "core/TextCodec.h"
#include "ui/dialogs/TFormPlayerArchive.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using namespace korvex;
using korvex::test::CardsModeTest;

namespace {

TEST_F(CardsModeTest, ArchiveMovesNeverCopyAndTheSameTeamOnBothSidesCannotMove) {
    makeTeam(QStringLiteral("U17"), {});
    makeTeam(QStringLiteral("U15"), {{QStringLiteral("Novák"), QStringLiteral("Jan")},
                                     {QStringLiteral("Adam"), QStringLiteral("Ota")}});
    bool shown = false;
    dialogs.answerForm([&](QDialog* form) {
        auto* archive = qobject_cast<TFormPlayerArchive*>(form);
        ASSERT_NE(archive, nullptr);
        shown = true;
        auto* toRight = form->findChild<QToolButton*>(QStringLiteral("spb1To2"));
        auto* toLeft = form->findChild<QToolButton*>(QStringLiteral("spb2To1"));
        auto* left = form->findChild<QListWidget*>(QStringLiteral("lbxPlayers1"));
        EXPECT_FALSE(toRight->isEnabled());
        archive->chooseTeam(0, QStringLiteral("U15"));
        archive->chooseTeam(1, QStringLiteral("U15"));
        EXPECT_FALSE(toRight->isEnabled());
        EXPECT_FALSE(toLeft->isEnabled());

        archive->chooseTeam(1, text("Archive"));
        ASSERT_TRUE(toRight->isEnabled());
        ASSERT_EQ(left->count(), 2);
        EXPECT_EQ(left->item(0)->text(), QStringLiteral("Adam, Ota"));
        // Nothing selected: nothing moves.
        QTest::mouseClick(toRight, Qt::LeftButton);
        EXPECT_EQ(archive->side(1).count(), 0);
        for (int i = 0; i < 2; ++i) {
            left->setCurrentRow(0);
            QTest::mouseClick(toRight, Qt::LeftButton);
        }
        EXPECT_EQ(left->count(), 0);
        // And one back to another team.
        archive->chooseTeam(0, QStringLiteral("U17"));
        form->findChild<QListWidget*>(QStringLiteral("lbxPlayers2"))->setCurrentRow(1);
        QTest::mouseClick(toLeft, Qt::LeftButton);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnEPDone")),
                          Qt::LeftButton);
    });
    trigger("mmPCEArchive");
    ASSERT_TRUE(shown);
    // The last player moved out leaves an empty card file; each player is in one file only.
    const TCardPractise u15 = stored(QStringLiteral("U15"));
    EXPECT_EQ(u15.count(), 0);
    const TCardPractise u17 = stored(QStringLiteral("U17"));
    ASSERT_EQ(u17.count(), 1);
    EXPECT_EQ(u17.field(0, TCardPractise::Surname), QStringLiteral("Novák"));
    TCardPractise archive;
    ASSERT_TRUE(archive.readFile(app.file(QStringLiteral("PlayerCards/PlayerArchive/"
                                                         "PlayerArchive.cmp")),
                                 true));
    ASSERT_EQ(archive.count(), 1);
    EXPECT_EQ(archive.field(0, TCardPractise::Surname), QStringLiteral("Adam"));
    // The view shows what is stored now.
    EXPECT_EQ(view->cards().count(), 0);
    EXPECT_EQ(grid->rowCount(), 1);
}

TEST_F(CardsModeTest, ACzechRosterInWindows1250ImportsWithAPreviewAndAReportOfRefusedRows) {
    makeTeam(QStringLiteral("U15"), {{QStringLiteral("Král"), QStringLiteral("Jiří")}});
    // Windows-1250 bytes: "Příjmení;Jméno;Číslo" header, two players, one bad row, one
    // player already in the team.
    const QByteArray csv = "P\xF8\xEDjmen\xED;Jm\xE9no;Narozen;\xC8\xEDslo\r\n"
                           "\x8A\x9D"
                           "astn\xFD;\x8Aimon;2.2.2010;7\r\n"
                           ";Bez p\xF8\xEDjmen\xED;;\r\n"
                           "\x8E\xE1k;Old\xF8ich;;12\r\n"
                           "Kr\xE1l;Ji\xF8\xED;;\r\n";
    const QString path = app.file(QStringLiteral("roster.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();

    QStringList preview;
    QStringList refused;
    dialogs.answerOpenFile(path);
    dialogs.answerForm([&](QDialog* form) {
        auto* table = form->findChild<QTableWidget*>(QStringLiteral("tblCsvPlayers"));
        ASSERT_NE(table, nullptr);
        for (int row = 0; row < table->rowCount(); ++row)
            preview.append(table->item(row, 0)->text());
        auto* list = form->findChild<QListWidget*>(QStringLiteral("lbxCsvRefused"));
        ASSERT_NE(list, nullptr);
        for (int row = 0; row < list->count(); ++row)
            refused.append(list->item(row)->text());
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnCsvImport")),
                          Qt::LeftButton);
    });
    trigger("mmPCImportCsv");
    EXPECT_EQ(preview, QStringList({QStringLiteral("Šťastný"), QStringLiteral("Žák")}));
    ASSERT_EQ(refused.size(), 2);
    EXPECT_TRUE(refused[0].startsWith(text("CsvLine").arg(3)));
    EXPECT_TRUE(refused[0].endsWith(text("CsvNoSurname")));
    EXPECT_TRUE(refused[1].startsWith(text("CsvLine").arg(5)));
    EXPECT_TRUE(refused[1].endsWith(text("CsvAlreadyInTeam")));

    const TCardPractise team = stored(QStringLiteral("U15"));
    ASSERT_EQ(team.count(), 3);
    EXPECT_EQ(team.field(1, TCardPractise::FirstName), QStringLiteral("Šimon"));
    EXPECT_EQ(team.field(1, TCardPractise::Number), QStringLiteral("07"));
    EXPECT_EQ(team.field(2, TCardPractise::FirstName), QStringLiteral("Oldřich"));

    // Cancelling the preview adds nothing.
    dialogs.answerOpenFile(path);
    trigger("mmPCImportCsv");
    EXPECT_EQ(stored(QStringLiteral("U15")).count(), 3);

    // The export reads back as the same roster.
    const QString out = app.file(QStringLiteral("out.csv"));
    dialogs.answerSaveFile(out);
    trigger("mmPCExportCsv");
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Šťastný;Šimon;2.2.2010;07")));
}

} // namespace
