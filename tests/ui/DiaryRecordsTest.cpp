// The diary's records as a coach keeps them: the grid, the edit panel and leaving the mode.
#include "DiaryTestSupport.h"

#include <QDir>
#include <QFile>

using namespace korvex;
using korvex::test::DiaryModeTest;

namespace {

TEST_F(DiaryModeTest, GridShowsNewestFirstAndEditingReplacesInPlace) {
    createTeam(QStringLiteral("Alpha"));
    addRecord(QStringLiteral("1.9.2026"), QStringLiteral("Skating"), QStringLiteral("edges"));
    addRecord(QStringLiteral("3.9.2026"), QStringLiteral("Passing"));
    addRecord(QStringLiteral("5.9.2026"), QStringLiteral("Shooting"), QStringLiteral("a\nb"));
    ASSERT_EQ(view->diary().count(), 3);
    EXPECT_FALSE(view->isEditing());
    // Row 1 is the newest, and the saved record is the one selected.
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_EQ(cell(1, 0), QStringLiteral("5.9.2026"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Shooting"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("Skating"));
    EXPECT_TRUE(cell(4, 0).isEmpty());
    EXPECT_EQ(view->selectedRow(), 1);

    // The mode menu is hidden while a record is edited.
    doubleClickRow(2);
    ASSERT_TRUE(view->isEditing());
    EXPECT_FALSE(item("mmDRMode")->isVisible());
    EXPECT_EQ(control<QLineEdit>("edtDRDate")->text(), QStringLiteral("3.9.2026"));
    control<QLineEdit>("edtDRHeadLine")->setText(QStringLiteral("Passing drills"));
    control<QPlainTextEdit>("retDRNote")->setPlainText(QStringLiteral("two lines\nof note"));
    QTest::mouseClick(control<QWidget>("btnDRSave"), Qt::LeftButton);
    EXPECT_FALSE(view->isEditing());
    EXPECT_TRUE(item("mmDRMode")->isVisible());

    // Replaced in place: the file order is unchanged and the row stays selected.
    TDiary stored;
    stored.setLocation(app.path(), window->settings().DRSaveDir());
    ASSERT_TRUE(stored.loadTeam(QStringLiteral("Alpha")));
    ASSERT_EQ(stored.count(), 3);
    EXPECT_EQ(stored.field(0, TDiary::HeadLine), QStringLiteral("Skating"));
    EXPECT_EQ(stored.field(1, TDiary::HeadLine), QStringLiteral("Passing drills"));
    EXPECT_EQ(stored.entry(1).notes,
              QStringList({QStringLiteral("two lines"), QStringLiteral("of note")}));
    EXPECT_EQ(stored.field(2, TDiary::HeadLine), QStringLiteral("Shooting"));
    EXPECT_EQ(view->selectedRow(), 2);

    // Return on a row opens it as well.
    view->selectRow(3);
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(control<QLineEdit>("edtDRHeadLine")->text(), QStringLiteral("Skating"));
    view->cancelRecord();

    // Double-clicking the empty last row starts a new record; Cancel stores nothing.
    doubleClickRow(4);
    ASSERT_TRUE(view->isEditing());
    EXPECT_TRUE(control<QLineEdit>("edtDRDate")->text().isEmpty());
    type(QStringLiteral("7.9.2026"), QStringLiteral("Games"), QString());
    QTest::mouseClick(control<QWidget>("btnDRCancel"), Qt::LeftButton);
    EXPECT_FALSE(view->isEditing());
    EXPECT_EQ(view->diary().count(), 3);
}

TEST_F(DiaryModeTest, SaveRefusesABlankDateAndKeepsTheRecordWhenTheFileCannotBeWritten) {
    // No team: a new record is refused with a notice.
    item("mmDRNewRecord")->trigger();
    EXPECT_EQ(dialogs.informations, QStringList{text("TeamNotSelected")});
    EXPECT_FALSE(view->isEditing());

    createTeam(QStringLiteral("Alpha"));
    addRecord(QStringLiteral("  "), QStringLiteral("No date"));
    EXPECT_EQ(dialogs.informations.last(), text("DateNameMustBeFiled"));
    EXPECT_TRUE(view->isEditing());
    EXPECT_EQ(view->diary().count(), 0);

    // The file's place is taken by a folder: the save fails, says why, and the typed record
    // stays in the edit panel without appearing in the grid.
    const QString file = teamFile(QStringLiteral("Alpha"));
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file + QStringLiteral("/blocked")));
    type(QStringLiteral("1.9.2026"), QStringLiteral("Skating"), QStringLiteral("edges"));
    QTest::mouseClick(control<QWidget>("btnDRSave"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.informations.last().startsWith(text("DiaryFileError")));
    EXPECT_TRUE(view->isEditing());
    EXPECT_EQ(view->diary().count(), 0);
    EXPECT_EQ(control<QLineEdit>("edtDRHeadLine")->text(), QStringLiteral("Skating"));
    // Once the place is free again the same record is saved once.
    ASSERT_TRUE(QDir(file).removeRecursively());
    QTest::mouseClick(control<QWidget>("btnDRSave"), Qt::LeftButton);
    EXPECT_FALSE(view->isEditing());
    EXPECT_EQ(view->diary().count(), 1);
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(DiaryModeTest, DeleteRecordAsksWithDateAndHeadlineOfTheSelectedRow) {
    createTeam(QStringLiteral("Alpha"));
    // A team without records has no diary to print; it says so rather than nothing.
    item("mmDRPrintTeam")->trigger();
    ASSERT_FALSE(dialogs.informations.isEmpty());
    EXPECT_EQ(dialogs.informations.last(), text("DiaryHasNoRecords"));
    EXPECT_TRUE(dialogs.forms.isEmpty());
    addRecord(QStringLiteral("1.9.2026"), QStringLiteral("Skating"));
    addRecord(QStringLiteral("3.9.2026"), QStringLiteral("Passing"));
    addRecord(QStringLiteral("5.9.2026"), QStringLiteral("Shooting"));

    view->selectRow(2);
    dialogs.answerConfirm(false);
    item("mmDRDeleteRecord")->trigger();
    EXPECT_EQ(dialogs.confirmations.last(), text("DelRec") + QStringLiteral(" 3.9.2026: Passing?"));
    EXPECT_EQ(view->diary().count(), 3);

    dialogs.answerConfirm(true);
    item("mmDRDeleteRecord")->trigger();
    ASSERT_EQ(view->diary().count(), 2);
    EXPECT_EQ(view->diary().field(0, TDiary::HeadLine), QStringLiteral("Skating"));
    EXPECT_EQ(view->diary().field(1, TDiary::HeadLine), QStringLiteral("Shooting"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("Skating"));
    TDiary stored;
    stored.setLocation(app.path(), window->settings().DRSaveDir());
    ASSERT_TRUE(stored.loadTeam(QStringLiteral("Alpha")));
    EXPECT_EQ(stored.count(), 2);

    // The empty last row is no record: nothing is asked, and the coach is told to pick one.
    const int asked = dialogs.confirmations.size();
    view->selectRow(3);
    item("mmDRDeleteRecord")->trigger();
    EXPECT_EQ(dialogs.confirmations.size(), asked);
    EXPECT_EQ(dialogs.informations.last(), text("RecordNotSelected"));
}

TEST_F(DiaryModeTest, LeavingAsksOnlyWhenTheRecordInTheEditPanelWasChanged) {
    createTeam(QStringLiteral("Alpha"));
    addRecord(QStringLiteral("1.9.2026"), QStringLiteral("Skating"));
    const QString question = text("SaveChanges") + QStringLiteral(" Alpha?");

    // An existing record opened and left unchanged: no question.
    doubleClickRow(1);
    window->SwitchMode(1);
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    enterDiary();

    // Changed, and the coach says Yes: saved on leaving.
    doubleClickRow(1);
    control<QLineEdit>("edtDRHeadLine")->setText(QStringLiteral("Skating edges"));
    dialogs.answerConfirm(true);
    window->SwitchMode(1);
    EXPECT_EQ(dialogs.confirmations, QStringList{question});
    enterDiary();
    EXPECT_EQ(cell(1, 1), QStringLiteral("Skating edges"));

    // A new record typed, No: dropped.
    QTest::mouseClick(control<QWidget>("btnDRNewPlayer"), Qt::LeftButton);
    type(QStringLiteral("2.9.2026"), QStringLiteral("Games"), QString());
    dialogs.answerConfirm(false);
    window->SwitchMode(1);
    EXPECT_EQ(dialogs.confirmations.size(), 2);
    enterDiary();
    EXPECT_EQ(view->diary().count(), 1);

    // A new record without a date, Yes: kept with today's date rather than lost.
    QTest::mouseClick(control<QWidget>("btnDRNewPlayer"), Qt::LeftButton);
    type(QString(), QString(), QStringLiteral("long note"));
    dialogs.answerConfirm(true);
    window->SwitchMode(1);
    enterDiary();
    ASSERT_EQ(view->diary().count(), 2);
    EXPECT_EQ(TDiary::readDate(view->diary().field(1, TDiary::Date), QLocale()),
              QDate::currentDate());
    EXPECT_EQ(view->diary().entry(1).notes, QStringList{QStringLiteral("long note")});
    EXPECT_TRUE(item("mmDRMode")->isVisible());
}

TEST_F(DiaryModeTest, DatePickerWritesTheLocaleFormAndTheHeadlineStaysWithinItsBytes) {
    createTeam(QStringLiteral("Alpha"));
    QTest::mouseClick(control<QWidget>("btnDRNewPlayer"), Qt::LeftButton);
    auto* field = view->findChild<DiaryDateField*>();
    ASSERT_NE(field, nullptr);
    field->pickDate(QDate(2026, 12, 28));
    EXPECT_EQ(field->text(), TDiary::dateText(QDate(2026, 12, 28), QLocale()));
    EXPECT_LE(field->text().size(), 10);
    dialogs.answerPopup(QStringLiteral("ppmDRToday"));
    QTest::mouseClick(control<QWidget>("btnDRPickDate"), Qt::LeftButton);
    EXPECT_EQ(dialogs.popups, 1);
    EXPECT_EQ(TDiary::readDate(field->text(), QLocale()), QDate::currentDate());
    // The field stays free text.
    QLineEdit* date = control<QLineEdit>("edtDRDate");
    date->clear();
    QTest::keyClicks(date, QStringLiteral("Sat 12.12. morning"));
    EXPECT_EQ(date->text(), QStringLiteral("Sat 12.12."));

    // 80 two-byte letters would not fit the 150 bytes of the headline: typing stops at 75.
    QLineEdit* headline = control<QLineEdit>("edtDRHeadLine");
    headline->setText(QString(80, QChar(0x0161)));
    EXPECT_EQ(headline->text(), QString(75, QChar(0x0161)));
    QTest::mouseClick(control<QWidget>("btnDRSave"), Qt::LeftButton);
    EXPECT_EQ(view->diary().field(0, TDiary::HeadLine), QString(75, QChar(0x0161)));
}

} // namespace
