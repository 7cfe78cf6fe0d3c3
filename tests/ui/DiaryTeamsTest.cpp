// The diary's teams: the sorted list, new, rename and delete team, and the remembered team.
#include "DiaryTestSupport.h"

#include <QFile>

using namespace korvex;
using korvex::test::DiaryModeTest;

namespace {

QStringList comboItems(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

TEST_F(DiaryModeTest, NewTeamWritesItsFileAtOnceAndRefusesNamesInUse) {
    EXPECT_EQ(comboItems(teams()), QStringList{text("EmptyTeamString")});
    EXPECT_EQ(grid()->rowCount(), 0);

    createTeam(QStringLiteral("Alpha"));
    QFile file(teamFile(QStringLiteral("Alpha")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray empty = file.readAll();
    const qint32 version = window->settings().Version();
    EXPECT_EQ(empty, QByteArray(reinterpret_cast<const char*>(&version), 4) + QByteArray(4, '\0'));
    EXPECT_EQ(view->diary().team(), QStringLiteral("Alpha"));
    EXPECT_EQ(teams()->currentText(), QStringLiteral("Alpha"));
    EXPECT_EQ(grid()->rowCount(), 1); // only the row for a new record

    createTeam(QStringLiteral("Bravo"));
    createTeam(QStringLiteral("alpha"));
    EXPECT_EQ(dialogs.informations, QStringList{text("TeamExist")});
    createTeam(QStringLiteral("a/b"));
    EXPECT_EQ(dialogs.informations.last(), text("NameNotAllowed"));
    createTeam(QString()); // cancelled: nothing happens
    EXPECT_EQ(dialogs.informations.size(), 2);
    EXPECT_EQ(comboItems(teams()), QStringList({QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
    EXPECT_EQ(view->diary().team(), QStringLiteral("Bravo"));
}

TEST_F(DiaryModeTest, ADottedTeamNameIsListedOpenedAndRenamedLikeAnyOther) {
    createTeam(QStringLiteral("U18.boys"));
    createTeam(QStringLiteral("Juniors"));
    EXPECT_TRUE(QFile::exists(teamFile(QStringLiteral("U18.boys"))));
    EXPECT_EQ(comboItems(teams()),
              QStringList({QStringLiteral("Juniors"), QStringLiteral("U18.boys")}));

    // Chosen in the list, it opens with its records.
    teams()->setCurrentIndex(1);
    Q_EMIT teams()->activated(1);
    ASSERT_EQ(view->diary().team(), QStringLiteral("U18.boys"));
    addRecord(QStringLiteral("1.9.2026"), QStringLiteral("Skating"));

    // The team survives a mode switch by its remembered place in the list.
    window->SwitchMode(5);
    enterDiary();
    EXPECT_EQ(view->diary().team(), QStringLiteral("U18.boys"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Skating"));

    // Renamed, the file follows and the record stays; a name in use is refused.
    dialogs.answerText(QStringLiteral("Juniors"));
    item("mmDRRenameTeam")->trigger();
    EXPECT_EQ(dialogs.informations, QStringList{text("TeamExist")});
    dialogs.answerText(QStringLiteral("U18.girls"));
    item("mmDRRenameTeam")->trigger();
    EXPECT_FALSE(QFile::exists(teamFile(QStringLiteral("U18.boys"))));
    EXPECT_TRUE(QFile::exists(teamFile(QStringLiteral("U18.girls"))));
    EXPECT_EQ(teams()->currentText(), QStringLiteral("U18.girls"));
    EXPECT_EQ(view->diary().count(), 1);
}

TEST_F(DiaryModeTest, DeleteTeamAsksThenOpensTheFirstTeamLeft) {
    createTeam(QStringLiteral("Alpha"));
    createTeam(QStringLiteral("Bravo"));
    dialogs.answerConfirm(false);
    item("mmDRDeleteTeam")->trigger();
    EXPECT_EQ(dialogs.confirmations, QStringList{text("RemTeam") + QStringLiteral(" Bravo?")});
    EXPECT_TRUE(QFile::exists(teamFile(QStringLiteral("Bravo"))));

    dialogs.answerConfirm(true);
    item("mmDRDeleteTeam")->trigger();
    EXPECT_FALSE(QFile::exists(teamFile(QStringLiteral("Bravo"))));
    EXPECT_EQ(comboItems(teams()), QStringList{QStringLiteral("Alpha")});
    EXPECT_EQ(view->diary().team(), QStringLiteral("Alpha"));

    dialogs.answerConfirm(true);
    item("mmDRDeleteTeam")->trigger();
    EXPECT_EQ(comboItems(teams()), QStringList{text("EmptyTeamString")});
    EXPECT_TRUE(view->diary().team().isEmpty());
    EXPECT_EQ(grid()->rowCount(), 0);
    // With no team left the team commands do nothing.
    item("mmDRDeleteTeam")->trigger();
    item("mmDRRenameTeam")->trigger();
    EXPECT_EQ(dialogs.confirmations.size(), 3);
    EXPECT_EQ(dialogs.textPrompts.size(), 2);
}

} // namespace
