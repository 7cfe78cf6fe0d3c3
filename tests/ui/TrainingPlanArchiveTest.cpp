// The archive commands: creating an archive copy through the heading dialog, and renaming
// and deleting archived plans and teams, with the plan menu's enabling rules.
#include "TrainingPlanSupport.h"

#include "ui/dialogs/TFormHeading.h"

#include <QComboBox>
#include <QFile>
#include <QMenu>

using namespace korvex;
using korvex::test::TrainingPlanViewTest;

namespace {

class TrainingPlanArchive : public TrainingPlanViewTest {
protected:
    void SetUp() override {
        TrainingPlanViewTest::SetUp();
        const QString drill = makePractise(QStringLiteral("Skating"), QStringLiteral("Loop"));
        makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), {drill});
        view = open();
        ASSERT_NE(view, nullptr);
    }
    QString unit(const QString& team, const QString& number) const {
        return app.file(QStringLiteral("TrainingPlans/Archive/") + team + QLatin1Char('/') +
                        number + QStringLiteral(".pamp"));
    }
    void archive(const QString& team, const QString& number) const {
        QDir().mkpath(app.file(QStringLiteral("TrainingPlans/Archive/") + team));
        ASSERT_TRUE(view->plan().SaveArchiveCopy(pathWithoutExtension(unit(team, number))));
    }
    static QByteArray bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Opens the plan menu as the user does, so that its items are enabled for the view.
    void openPlanMenu() const {
        Q_EMIT window->findChild<QMenu*>(QStringLiteral("mmTPMode"))->aboutToShow();
    }

    TfrmTrainingPlanMode* view = nullptr;
};

TEST_F(TrainingPlanArchive, AnExistingNumberAsksAndNoReturnsToTheChoiceAsItWas) {
    archive(QStringLiteral("U12"), QStringLiteral("7"));
    const QByteArray before = bytes(unit(QStringLiteral("U12"), QStringLiteral("7")));
    window->SetEditMode(true);
    type("memTPDescription", QStringLiteral("Changed since"));

    dialogs.answerForm([this](QDialog* form) {
        auto* heading = qobject_cast<TFormHeading*>(form);
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(form->windowTitle(), text("MoveToTPArchive"));
        EXPECT_TRUE(form->findChild<QWidget*>(QStringLiteral("memHText"))->isVisible());
        EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("edtHPlace"))->isVisible());
        auto* team = form->findChild<QComboBox*>(QStringLiteral("cmbHTeam"));
        EXPECT_EQ(team->currentText(), text("EmptyTeamString"));
        team->showPopup(); // the teams are read when the list drops down
        team->hidePopup();
        team->setCurrentIndex(team->findText(QStringLiteral("U12")));
        heading->teamChosen(); // the first number of the team is chosen with it
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHSave")),
                          Qt::LeftButton);
    });
    dialogs.answerConfirm(false);
    dialogs.answerForm([](QDialog* form) {
        EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("cmbHTeam"))->currentText(),
                  QStringLiteral("U12"));
        EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("cmbHNumber"))->currentText(),
                  QStringLiteral("7"));
        form->reject();
    });
    item("mmTPCreateArchive")->trigger();
    EXPECT_EQ(dialogs.confirmations, QStringList{text("NumberAlreadyExists") + QLatin1Char(' ') +
                                                 text("Continue") + QLatin1Char('?')});
    EXPECT_EQ(dialogs.forms.size(), 2);
    EXPECT_EQ(bytes(unit(QStringLiteral("U12"), QStringLiteral("7"))), before);
    EXPECT_EQ(window->currentMode(), 3);

    // Yes replaces the unit, and the window opens it in the archive.
    dialogs.answerForm([](QDialog* form) {
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHSave")),
                          Qt::LeftButton);
    });
    dialogs.answerConfirm(true);
    item("mmTPCreateArchive")->trigger();
    EXPECT_NE(bytes(unit(QStringLiteral("U12"), QStringLiteral("7"))), before);
    ASSERT_EQ(window->currentMode(), 6);
    auto* archived = qobject_cast<TfrmTrainingPlanMode*>(window->currentView());
    ASSERT_NE(archived, nullptr);
    EXPECT_EQ(archived->plan().subcategory(), QStringLiteral("U12"));
    EXPECT_EQ(archived->plan().name(), QStringLiteral("7"));
    EXPECT_EQ(archived->plan().description, QStringList{QStringLiteral("Changed since")});
    ASSERT_EQ(archived->plan().items.size(), 1);
    EXPECT_FALSE(archived->plan().items[0].picture.isNull());
}

TEST_F(TrainingPlanArchive, CancellingOrAnIncompleteChoiceCreatesNothing) {
    dialogs.answerForm([this](QDialog* form) {
        // A new team without a number is not enough.
        dialogs.answerText(QStringLiteral("U14"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHNewTeam")),
                          Qt::LeftButton);
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnHSave")),
                          Qt::LeftButton);
    });
    item("mmTPCreateArchive")->trigger(); // the second showing is cancelled
    EXPECT_EQ(dialogs.informations, QStringList{text("NotAllValuesEntered")});
    EXPECT_EQ(dialogs.forms.size(), 2);
    EXPECT_TRUE(QDir(app.file(QStringLiteral("TrainingPlans/Archive/U14")))
                    .entryList(QDir::Files)
                    .isEmpty());
    EXPECT_EQ(window->currentMode(), 3);
    EXPECT_EQ(view->plan().name(), QStringLiteral("Monday"));
}

TEST_F(TrainingPlanArchive, UnitsAndTeamsAreRenamedAndDeletedAsTheMenuAllows) {
    archive(QStringLiteral("U12"), QStringLiteral("1"));
    archive(QStringLiteral("U12"), QStringLiteral("2"));
    archive(QStringLiteral("U14"), QStringLiteral("1"));
    openPlanMenu();
    EXPECT_TRUE(item("mmTPCreateArchive")->isVisible());
    EXPECT_FALSE(item("mmTPDeleteArchive")->isVisible());

    view = open(6);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(item("mmTPCreateArchive")->isVisible());
    openPlanMenu();
    for (const char* name : {"mmTPDeleteArchive", "mmTPRenameArchive", "mmTPDeleteArchiveTeam",
                             "mmTPRenameArchiveTeam"})
        EXPECT_TRUE(item(name)->isEnabled()) << name;
    ASSERT_EQ(view->plan().subcategory(), QStringLiteral("U12"));
    ASSERT_EQ(view->plan().name(), QStringLiteral("1"));

    // Renaming a unit to its own number, or to another unit's, is refused.
    for (const char* taken : {"1", "2"}) {
        dialogs.answerText(QString::fromLatin1(taken));
        item("mmTPRenameArchive")->trigger();
    }
    EXPECT_EQ(dialogs.informations, QStringList(2, text("NumberAlreadyExists")));
    dialogs.answerText(QStringLiteral("5"));
    item("mmTPRenameArchive")->trigger();
    EXPECT_TRUE(QFileInfo::exists(unit(QStringLiteral("U12"), QStringLiteral("5"))));
    EXPECT_FALSE(QFileInfo::exists(unit(QStringLiteral("U12"), QStringLiteral("1"))));
    EXPECT_EQ(child<QComboBox>("cmbTPName")->currentText(), QStringLiteral("5"));

    // A team takes no name another team has.
    dialogs.informations.clear();
    dialogs.answerText(QStringLiteral("U14"));
    item("mmTPRenameArchiveTeam")->trigger();
    EXPECT_EQ(dialogs.informations, QStringList{text("TeamAlreadyExists")});
    dialogs.answerText(QStringLiteral("U13"));
    item("mmTPRenameArchiveTeam")->trigger();
    EXPECT_EQ(view->plan().subcategory(), QStringLiteral("U13"));
    EXPECT_TRUE(QFileInfo::exists(unit(QStringLiteral("U13"), QStringLiteral("2"))));

    // Deleting the team takes every unit and the folder with it.
    item("mmTPDeleteArchiveTeam")->trigger(); // No
    EXPECT_TRUE(QFileInfo::exists(unit(QStringLiteral("U13"), QStringLiteral("5"))));
    dialogs.answerConfirm(true);
    item("mmTPDeleteArchiveTeam")->trigger();
    EXPECT_EQ(dialogs.confirmations.last(), text("DoUWantDel") + QStringLiteral(" U13?"));
    EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("TrainingPlans/Archive/U13"))));
    EXPECT_EQ(view->plan().subcategory(), QStringLiteral("U14"));

    // Deleting the last unit leaves the team empty, and the unit commands go off.
    dialogs.answerConfirm(true);
    item("mmTPDeleteArchive")->trigger();
    EXPECT_FALSE(QFileInfo::exists(unit(QStringLiteral("U14"), QStringLiteral("1"))));
    EXPECT_TRUE(view->plan().name().isEmpty());
    openPlanMenu();
    EXPECT_FALSE(item("mmTPDeleteArchive")->isEnabled());
    EXPECT_FALSE(item("mmTPRenameArchive")->isEnabled());
    EXPECT_TRUE(item("mmTPDeleteArchiveTeam")->isEnabled());
}

} // namespace
