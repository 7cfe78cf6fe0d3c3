// The player-card view driven through its menus, grid and edit panel, as a coach uses it.
#include "CardsTestSupport.h"

#include "print/RecordingCanvas.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>

using namespace korvex;
using korvex::test::CardsModeTest;

namespace {

QStringList player(const char* surname, const char* first, const char* number) {
    return {QString::fromUtf8(surname), QString::fromUtf8(first), QString(),
            TCardPractise::storedNumber(QString::fromLatin1(number))};
}

TEST_F(CardsModeTest, TeamsAreMadeRenamedAndDeletedAndTheArchiveWordIsRefused) {
    // The archive is there from the start and listed first.
    EXPECT_EQ(combo->currentText(), text("EmptyTeamString"));
    EXPECT_EQ(combo->itemText(1), text("Archive"));

    for (const char* reserved : {"Archive", "archive", " Archive "}) {
        dialogs.answerText(QString::fromLatin1(reserved));
        trigger("mmPCNewTeam");
    }
    EXPECT_EQ(dialogs.informations, QStringList(3, text("ReservedWordArchive")));
    dialogs.answerText(QString());
    trigger("mmPCNewTeam"); // an empty entry does nothing
    EXPECT_EQ(dialogs.informations.size(), 3);

    dialogs.answerText(QStringLiteral("U15"));
    trigger("mmPCNewTeam");
    EXPECT_EQ(view->cards().team(), QStringLiteral("U15"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("U15"));
    EXPECT_TRUE(QFile::exists(teamFile(QStringLiteral("U15"))));
    dialogs.answerText(QStringLiteral("u15"));
    trigger("mmPCNewTeam");
    EXPECT_EQ(dialogs.informations.last(), text("TeamExist"));

    // Renaming: not onto another team, not onto the archive word, and never the archive.
    dialogs.answerText(QStringLiteral("U17"));
    trigger("mmPCNewTeam");
    dialogs.answerText(QStringLiteral("U15"));
    trigger("mmPCRenameTeam");
    EXPECT_EQ(dialogs.informations.last(), text("TeamExist"));
    dialogs.answerText(QStringLiteral("Archive"));
    trigger("mmPCRenameTeam");
    EXPECT_EQ(dialogs.informations.last(), text("ReservedWordArchive"));
    dialogs.answerText(QStringLiteral("Juniors"));
    trigger("mmPCRenameTeam");
    EXPECT_EQ(view->cards().team(), QStringLiteral("Juniors"));
    EXPECT_TRUE(QFile::exists(teamFile(QStringLiteral("Juniors"))));
    EXPECT_FALSE(QFile::exists(teamFile(QStringLiteral("U17"))));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Juniors"));

    // Deleting asks first; No keeps the team.
    trigger("mmPCDeleteTeam");
    EXPECT_EQ(dialogs.confirmations.last(), text("RemTeam") + QStringLiteral(" Juniors?"));
    EXPECT_TRUE(QFile::exists(teamFile(QStringLiteral("Juniors"))));
    dialogs.answerConfirm(true);
    trigger("mmPCDeleteTeam");
    EXPECT_FALSE(QFile::exists(teamFile(QStringLiteral("Juniors"))));
    EXPECT_TRUE(view->cards().team().isEmpty());
    EXPECT_EQ(combo->currentText(), text("EmptyTeamString"));
}

TEST_F(CardsModeTest, TheArchiveWordIsRefusedInEveryLanguage) {
    window->settings().setLanguage(QStringLiteral("Czech"));
    ASSERT_TRUE(window->language().LoadLanguage(QStringLiteral("Czech")));
    window->SwitchMode(5);
    enterCards();
    for (const char* word : {"Archive", "Archiv"}) {
        dialogs.answerText(QString::fromLatin1(word));
        trigger("mmPCNewTeam");
    }
    EXPECT_EQ(dialogs.informations, QStringList(2, text("ReservedWordArchive")));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Archiv"));
}

TEST_F(CardsModeTest, TheEditPanelNormalisesNumbersRefusesBlankSurnamesAndReplacesOnEdit) {
    trigger("mmPCNewRecord"); // no team yet
    EXPECT_EQ(dialogs.informations.last(), text("TeamNotSelected"));
    makeTeam(QStringLiteral("U15"), {});
    ASSERT_EQ(grid->rowCount(), 1); // the entry row

    // A double click on the entry row opens an empty editor.
    doubleClickRow(0);
    ASSERT_TRUE(view->isEditing());
    edit("edtECSurName")->setText(QStringLiteral("   "));
    clickButton("btnECSave");
    EXPECT_EQ(dialogs.informations.last(), text("SurNameMustBeFiled"));
    EXPECT_TRUE(view->isEditing());
    EXPECT_EQ(view->cards().count(), 0);

    edit("edtECSurName")->setText(QStringLiteral("Novák"));
    edit("edtECNO")->setText(QStringLiteral("5"));
    view->findChild<QPlainTextEdit*>(QStringLiteral("memECNote"))
        ->setPlainText(QStringLiteral("quick\nleft-handed"));
    QTest::keyClick(edit("edtECSurName"), Qt::Key_Return); // Save is the default
    EXPECT_FALSE(view->isEditing());
    EXPECT_EQ(stored(QStringLiteral("U15")).field(0, TCardPractise::Number), QStringLiteral("05"));
    EXPECT_EQ(stored(QStringLiteral("U15")).entry(0).notes,
              QStringList({QStringLiteral("quick"), QStringLiteral("left-handed")}));

    view->newPlayer();
    edit("edtECSurName")->setText(QStringLiteral("Adam"));
    clickButton("btnECSave");
    ASSERT_EQ(stored(QStringLiteral("U15")).count(), 2);
    EXPECT_EQ(stored(QStringLiteral("U15")).field(1, TCardPractise::Number), QStringLiteral("00"));
    // Sorted by surname: Adam first; no number is shown empty, in the grid and the editor.
    EXPECT_EQ(cell(0, 0), QStringLiteral("Adam"));
    EXPECT_EQ(cell(0, 3), QString());
    doubleClickRow(0);
    EXPECT_EQ(edit("edtECNO")->text(), QString());

    // Editing replaces the card; a Czech surname of fifty characters is cut on a character.
    edit("edtECSurName")->setText(QString(50, QChar(0x0159))); // ř
    edit("edtECNO")->setText(QStringLiteral("12"));
    clickButton("btnECSave");
    const TCardPractise team = stored(QStringLiteral("U15"));
    ASSERT_EQ(team.count(), 2);
    QStringList surnames = {team.field(0, TCardPractise::Surname),
                            team.field(1, TCardPractise::Surname)};
    EXPECT_TRUE(surnames.contains(QString(25, QChar(0x0159))));
    EXPECT_TRUE(surnames.contains(QStringLiteral("Novák")));

    // A menu command while a player is edited saves the player first; a player that
    // cannot be saved keeps the command from running.
    doubleClickRow(0);
    edit("edtECPosition")->setText(QStringLiteral("Goalie"));
    trigger("mmPCNewRecord");
    EXPECT_EQ(stored(QStringLiteral("U15")).count(), 2);
    EXPECT_TRUE(view->isEditing());
    edit("edtECSurName")->setText(QStringLiteral(" "));
    trigger("mmPCExportPlayerAsFile");
    EXPECT_EQ(dialogs.informations.last(), text("SurNameMustBeFiled"));
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
    clickButton("btnECCancel");
    QStringList positions = {stored(QStringLiteral("U15")).field(0, TCardPractise::Position),
                             stored(QStringLiteral("U15")).field(1, TCardPractise::Position)};
    EXPECT_TRUE(positions.contains(QStringLiteral("Goalie")));

    // Cancel leaves everything as it was.
    doubleClickRow(0);
    edit("edtECSurName")->setText(QStringLiteral("Changed"));
    clickButton("btnECCancel");
    EXPECT_FALSE(view->isEditing());
    EXPECT_FALSE(view->cards().modified());
    EXPECT_EQ(stored(QStringLiteral("U15")).count(), 2);
}

TEST_F(CardsModeTest, HeadingsSortTheGridAndDeleteWorksOnlyOnAPlayerRow) {
    makeTeam(QStringLiteral("U15"), {player("Čermák", "Ota", "9"), player("Adam", "Jan", "10"),
                                     player("Bureš", "Eda", "2")});
    auto column = [this](int c) {
        QStringList values;
        for (int row = 0; row < grid->rowCount() - 1; ++row)
            values.append(cell(row, c));
        return values.join(QLatin1Char(','));
    };
    EXPECT_EQ(column(0), QStringLiteral("Adam,Bureš,Čermák"));
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, 5));
    EXPECT_EQ(column(0), QStringLiteral("Čermák,Bureš,Adam"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, 5));
    EXPECT_EQ(column(3), QStringLiteral("10,09,02")); // the number column's first click
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, 5));
    EXPECT_EQ(column(3), QStringLiteral("02,09,10"));

    // The entry row: nothing is asked and nothing deleted; the coach is told to pick a player.
    grid->setCurrentCell(3, 0);
    trigger("mmPCDeleteRecord");
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    EXPECT_EQ(dialogs.informations.last(), text("PlayerNotSelected"));
    grid->setCurrentCell(0, 0); // Bureš, number 02
    dialogs.answerConfirm(true);
    trigger("mmPCDeleteRecord");
    EXPECT_EQ(dialogs.confirmations.last(), text("DelPlayer") + QStringLiteral(" Eda Bureš?"));
    EXPECT_EQ(stored(QStringLiteral("U15")).count(), 2);
    EXPECT_EQ(column(0), QStringLiteral("Čermák,Adam"));
}

TEST_F(CardsModeTest, PlayerFilesAddTheirPlayerEveryTimeUpToAFullTeam) {
    makeTeam(QStringLiteral("U15"), {player("Novák", "Jan", "7")});
    grid->setCurrentCell(0, 0);
    const QString single = app.file(QStringLiteral("novak.cmp"));
    dialogs.answerSaveFile(single);
    trigger("mmPCExportPlayerAsFile");
    QFile file(single);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 8);
    EXPECT_EQ(bytes.mid(4, 4), QByteArray("\x00\x04\x00\x00", 4)); // the marker 1024

    for (int i = 0; i < 2; ++i) {
        dialogs.answerOpenFile(single);
        trigger("mmPCImportPlayerFromFile");
    }
    EXPECT_EQ(view->cards().count(), 3);
    EXPECT_TRUE(view->cards().modified());
    // Leaving the team writes the imported players.
    view->chooseTeam(text("Archive"));
    EXPECT_EQ(stored(QStringLiteral("U15")).count(), 3);

    view->chooseTeam(QStringLiteral("U15"));
    for (int i = view->cards().count(); i < TCardPractise::kMaxCards; ++i)
        view->cards().addEntry(TCardPractise::makeRecord({QString::number(i)}), {});
    dialogs.answerOpenFile(single);
    trigger("mmPCImportPlayerFromFile");
    EXPECT_EQ(dialogs.informations.last(), text("TeamFull"));
    EXPECT_EQ(view->cards().count(), TCardPractise::kMaxCards);
    view->newPlayer();
    edit("edtECSurName")->setText(QStringLiteral("One too many"));
    clickButton("btnECSave");
    EXPECT_EQ(dialogs.informations.last(), text("TeamFull"));
    EXPECT_EQ(view->cards().count(), TCardPractise::kMaxCards);
}

TEST_F(CardsModeTest, PrintingNeedsATeamAndAPlayerAndPrintsTheGridOrder) {
    // Without a team, every command on a team or its players says so rather than nothing.
    for (const char* name :
         {"mmPCPrintPlayerList", "mmPCDeleteTeam", "mmPCRenameTeam", "mmPCDeleteRecord"}) {
        dialogs.informations.clear();
        trigger(name);
        ASSERT_EQ(dialogs.informations.size(), 1) << name;
        EXPECT_EQ(dialogs.informations.last(), text("TeamNotSelected")) << name;
    }
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    EXPECT_TRUE(dialogs.forms.isEmpty());
    makeTeam(QStringLiteral("U15"), {player("Zeman", "Petr", "1"), player("Adam", "Jan", "2")});
    trigger("mmPCPrintPlayer"); // no player chosen
    EXPECT_EQ(dialogs.informations.last(), text("PlayerNotSelected"));
    EXPECT_EQ(dialogs.printDialogs, 0);

    const QString pdf = app.file(QStringLiteral("list.pdf"));
    dialogs.answerPrintToPdf(pdf);
    trigger("mmPCPrintPlayerList");
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    RecordingCanvas canvas;
    QString error;
    ASSERT_TRUE(view->printBody(52)(canvas, error));
    const QStringList texts = canvas.textsOfPage(0);
    EXPECT_LT(texts.indexOf(QStringLiteral("Adam Jan")),
              texts.indexOf(QStringLiteral("Zeman Petr")));
    grid->setCurrentCell(1, 0);
    RecordingCanvas card;
    ASSERT_TRUE(view->printBody(51)(card, error));
    EXPECT_TRUE(card.textsOfPage(0).contains(QStringLiteral("Petr Zeman")));
}

// A team of a dozen players as a coach sees it. The picture goes to KORVEX_SCREENSHOT_DIR
// when it is set (docs/screenshots/player-cards.png comes from here), with the team file.
TEST_F(CardsModeTest, ATeamOfADozenPlayersFillsTheGrid) {
    const char* rows[][7] = {
        {"Novák", "Jakub", "14.02.2011", "7", "Centre", "777 120 341", "novak@hcjunior.cz"},
        {"Dvořák", "Tomáš", "03.06.2011", "12", "Left wing", "603 555 102", "dvorak@hcjunior.cz"},
        {"Černý", "Lukáš", "21.09.2011", "1", "Goalie", "721 004 887", "cerny@hcjunior.cz"},
        {"Procházka", "Ondřej", "30.01.2011", "4", "Defence", "776 300 219",
         "prochazka@hcjunior.cz"},
        {"Kučera", "Matěj", "11.11.2011", "18", "Right wing", "604 777 310", "kucera@hcjunior.cz"},
        {"Veselý", "Adam", "08.04.2011", "5", "Defence", "739 222 614", "vesely@hcjunior.cz"},
        {"Horák", "Filip", "17.07.2011", "21", "Centre", "728 410 093", "horak@hcjunior.cz"},
        {"Němec", "Vojtěch", "25.03.2011", "9", "Left wing", "605 190 447", "nemec@hcjunior.cz"},
        {"Pokorný", "David", "02.12.2011", "30", "Goalie", "777 861 205", "pokorny@hcjunior.cz"},
        {"Marek", "Šimon", "19.05.2011", "3", "Defence", "736 512 880", "marek@hcjunior.cz"},
        {"Růžička", "Daniel", "06.08.2011", "15", "Right wing", "608 333 719",
         "ruzicka@hcjunior.cz"},
        {"Beneš", "Jan", "28.10.2011", "22", "Centre", "731 640 556", "benes@hcjunior.cz"},
    };
    QList<QStringList> players;
    for (const auto& row : rows) {
        QStringList fields;
        for (const char* field : row)
            fields.append(QString::fromUtf8(field));
        fields[3] = TCardPractise::storedNumber(fields[3]);
        players.append(fields);
    }
    makeTeam(QStringLiteral("U13 Juniors"), players);
    EXPECT_EQ(grid->rowCount(), 13);
    EXPECT_FALSE(view->isEditing());
    grid->setCurrentCell(3, 0);
    window->resize(window->settings().WindowWidth(), window->settings().WindowHeight());
    const QImage shot = window->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    // The team file goes along, for the player list printed by korvex-cli.
    if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
        const QString folder = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
        shot.save(folder + QStringLiteral("/player-cards.png"));
        QFile::remove(folder + QStringLiteral("/U13 Juniors.cmp"));
        QFile::copy(teamFile(QStringLiteral("U13 Juniors")),
                    folder + QStringLiteral("/U13 Juniors.cmp"));
    }
}

} // namespace
