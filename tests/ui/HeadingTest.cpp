// The plan heading dialog in its three uses: a plan's heading, the choice of an archive
// team and number, and the read-only heading of an archived plan.
#include "TrainingPlanSupport.h"

#include "ui/dialogs/TFormHeading.h"

#include <QComboBox>

using namespace korvex;
using korvex::test::TrainingPlanViewTest;

namespace {

class Heading : public TrainingPlanViewTest {
protected:
    void SetUp() override {
        TrainingPlanViewTest::SetUp();
        makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), {});
        view = open();
        ASSERT_NE(view, nullptr);
    }
    static void set(QDialog* form, const char* name, const QString& value) {
        if (auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            edit->setText(value);
        else
            form->findChild<QPlainTextEdit*>(QString::fromLatin1(name))->setPlainText(value);
    }
    static void press(QDialog* form, const char* name) {
        QTest::mouseClick(form->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    TTPHeading headingOnDisk() const {
        TTrainingPlan plan(app.path(), settings().TPSaveDir(), false);
        plan.Load(app.file(QStringLiteral("TrainingPlans/TrainingPlanCategory/Week/Monday")));
        return plan.heading;
    }

    TfrmTrainingPlanMode* view = nullptr;
};

TEST_F(Heading, SaveStoresTheFieldsAndClosingTheWindowKeepsTheHeading) {
    dialogs.answerForm([](QDialog* form) {
        EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("btnHSave"))->text(),
                  QStringLiteral("Save"));
        set(form, "edtHPlace", QStringLiteral("Main rink"));
        set(form, "edtHTools", QStringLiteral("Cones, pucks"));
        set(form, "edtHCount", QStringLiteral("about 20"));
        set(form, "edtHCoaches", QStringLiteral("Novak, Berg"));
        set(form, "edtHProcessed", QStringLiteral("Novak"));
        set(form, "memHAim", QStringLiteral("Edges\nFirst pass"));
        press(form, "btnHSave");
    });
    click("btnOpenHeading");
    ASSERT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormHeading")});
    const TTPHeading saved = headingOnDisk();
    EXPECT_EQ(saved.place, QStringLiteral("Main rink"));
    EXPECT_EQ(saved.playersCount, QStringLiteral("about 20"));
    EXPECT_EQ(saved.processed, QStringLiteral("Novak"));
    EXPECT_EQ(saved.aim, (QStringList{QStringLiteral("Edges"), QStringLiteral("First pass")}));
    EXPECT_EQ(view->plan().heading, saved);
    EXPECT_FALSE(view->plan().modified());

    dialogs.answerForm([](QDialog* form) {
        EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("edtHPlace"))->text(),
                  QStringLiteral("Main rink"));
        set(form, "edtHPlace", QStringLiteral("Elsewhere"));
        form->reject(); // the window's close box
    });
    click("btnOpenHeading");
    EXPECT_EQ(view->plan().heading, saved);
    EXPECT_EQ(headingOnDisk(), saved);
}

TEST_F(Heading, NewTeamsAndNumbersAreCheckedAgainstTheArchive) {
    QDir().mkpath(app.file(QStringLiteral("TrainingPlans/Archive/U12")));
    TFormHeading form(window->language(), settings(), view->plan(), view);
    form.setCreateArchive(true);
    form.show();
    auto* team = form.findChild<QComboBox*>(QStringLiteral("cmbHTeam"));
    auto* number = form.findChild<QComboBox*>(QStringLiteral("cmbHNumber"));

    // The list compares without letter case; a name that leaves the archive is refused.
    for (const char* refused : {"u12", "../Outside", "   "}) {
        dialogs.answerText(QString::fromLatin1(refused));
        form.newTeam();
    }
    EXPECT_EQ(dialogs.informations,
              (QStringList{text("TeamAlreadyExists"), text("NameNotAllowed")}));
    EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("TrainingPlans/Outside"))));
    EXPECT_TRUE(view->plan().Team().isEmpty());

    dialogs.answerText(QStringLiteral("U14"));
    form.newTeam();
    EXPECT_TRUE(QFileInfo(app.file(QStringLiteral("TrainingPlans/Archive/U14"))).isDir());
    EXPECT_EQ(team->currentText(), QStringLiteral("U14"));
    EXPECT_EQ(number->currentText(), text("EmptyNumberString"));
    EXPECT_EQ(view->plan().Team(), QStringLiteral("U14"));

    dialogs.answerText(QStringLiteral("3"));
    form.newNumber();
    EXPECT_EQ(number->currentText(), QStringLiteral("3"));
    EXPECT_EQ(view->plan().TrainingNumber(), QStringLiteral("3"));
    dialogs.informations.clear();
    dialogs.answerText(QStringLiteral("3"));
    form.newNumber();
    EXPECT_EQ(dialogs.informations, QStringList{text("NumberAlreadyExists")});
    // Nothing is written until the archive copy is made.
    EXPECT_TRUE(QDir(app.file(QStringLiteral("TrainingPlans/Archive/U14")))
                    .entryList(QDir::Files)
                    .isEmpty());

    // Choosing another team starts its number afresh.
    team->showPopup();
    team->hidePopup();
    team->setCurrentIndex(team->findText(QStringLiteral("U12")));
    form.teamChosen();
    EXPECT_EQ(view->plan().Team(), QStringLiteral("U12"));
    EXPECT_TRUE(view->plan().TrainingNumber().isEmpty());
    EXPECT_EQ(number->currentText(), text("EmptyNumberString"));
}

TEST_F(Heading, AnArchivedPlansHeadingIsShownReadOnly) {
    view->plan().heading.place = QStringLiteral("Main rink");
    QDir().mkpath(app.file(QStringLiteral("TrainingPlans/Archive/U12")));
    ASSERT_TRUE(
        view->plan().SaveArchiveCopy(app.file(QStringLiteral("TrainingPlans/Archive/U12/7"))));
    view = open(6);
    ASSERT_NE(view, nullptr);
    dialogs.answerForm([](QDialog* form) {
        EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("cmbHTeam"))->isVisible());
        EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("btnHNewNumber"))->isVisible());
        auto* team = form->findChild<QLineEdit*>(QStringLiteral("edtHTeam"));
        EXPECT_TRUE(team->isVisible());
        EXPECT_EQ(team->text(), QStringLiteral("U12"));
        EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("edtHNumber"))->text(),
                  QStringLiteral("7"));
        auto* place = form->findChild<QLineEdit*>(QStringLiteral("edtHPlace"));
        QTest::keyClicks(place, QStringLiteral("x"));
        EXPECT_EQ(place->text(), QStringLiteral("Main rink"));
        auto* aim = form->findChild<QPlainTextEdit*>(QStringLiteral("memHAim"));
        QTest::keyClicks(aim, QStringLiteral("x"));
        EXPECT_TRUE(aim->toPlainText().isEmpty());
        EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("btnHSave"))->text(),
                  QStringLiteral("OK"));
        press(form, "btnHSave");
    });
    click("btnOpenHeading");
    EXPECT_EQ(dialogs.forms.size(), 1);
    EXPECT_EQ(view->plan().heading.place, QStringLiteral("Main rink"));
    EXPECT_FALSE(view->plan().modified());
}

} // namespace
