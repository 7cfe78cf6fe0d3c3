// The diary's print commands: the selected record, and the team's records as one document.
#include "DiaryTestSupport.h"

#include "print/RecordingCanvas.h"
#include "ui/diary/TFormDiaryPrint.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace korvex;
using korvex::test::DiaryModeTest;

namespace {

class DiaryPrintTest : public DiaryModeTest {
protected:
    void SetUp() override {
        DiaryModeTest::SetUp();
        createTeam(QStringLiteral("U18.boys"));
        addRecord(QStringLiteral("1.9.2026"), QStringLiteral("Skating"), QStringLiteral("edges"));
        addRecord(QStringLiteral("15.9.2026"), QStringLiteral("Passing"), QStringLiteral("saucer"));
        addRecord(QStringLiteral("2.10.2026"), QStringLiteral("Shooting"), QStringLiteral("wrist"));
    }
    bool isPdf(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
    }
    QTemporaryDir out;
};

TEST_F(DiaryPrintTest, PrintingARowPrintsTheRecordADoubleClickOpens) {
    for (int row = 1; row <= 3; ++row) {
        view->selectRow(row);
        RecordingCanvas canvas;
        QString error;
        ASSERT_TRUE(view->recordPrintBody()(canvas, error));
        ASSERT_GE(canvas.texts.size(), 3);
        doubleClickRow(row);
        ASSERT_TRUE(view->isEditing());
        EXPECT_EQ(canvas.texts.at(0).text, control<QLineEdit>("edtDRDate")->text()) << row;
        EXPECT_EQ(canvas.texts.at(1).text, control<QLineEdit>("edtDRHeadLine")->text()) << row;
        EXPECT_EQ(canvas.texts.at(2).text, control<QPlainTextEdit>("retDRNote")->toPlainText());
        view->cancelRecord();
    }
    // Through the menu and the print dialog into a PDF file.
    const QString pdf = out.filePath(QStringLiteral("record.pdf"));
    view->selectRow(2);
    dialogs.answerPrintToPdf(pdf);
    item("mmDRPrint")->trigger();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(isPdf(pdf));
    // The empty last row is no record: no print dialog, but a word on what to choose.
    view->selectRow(4);
    EXPECT_FALSE(view->recordPrintBody());
    item("mmDRPrint")->trigger();
    EXPECT_EQ(dialogs.printDialogs, 1);
    ASSERT_FALSE(dialogs.informations.isEmpty());
    EXPECT_EQ(dialogs.informations.last(),
              window->language().Text(QStringLiteral("RecordNotSelected")));
}

TEST_F(DiaryPrintTest, TheDiaryPrintsAllRecordsOrADateRange) {
    // A range given the wrong way round still takes its records.
    EXPECT_EQ(diaryPrintRecords(view->diary(), false, QDate(2026, 9, 30), QDate(2026, 9, 10)),
              QList<int>{1});

    const QString pdf = out.filePath(QStringLiteral("diary.pdf"));
    QString counted;
    dialogs.answerForm([&](QDialog* form) {
        // The range opens on the oldest and newest dates.
        auto* from = form->findChild<QDateEdit*>(QStringLiteral("dtpDRFrom"));
        auto* to = form->findChild<QDateEdit*>(QStringLiteral("dtpDRTo"));
        EXPECT_EQ(from->date(), QDate(2026, 9, 1));
        EXPECT_EQ(to->date(), QDate(2026, 10, 2));
        form->findChild<QRadioButton*>(QStringLiteral("rbDRPrintRange"))->setChecked(true);
        to->setDate(QDate(2026, 9, 30));
        counted = form->findChild<QLabel*>(QStringLiteral("lblDRPrintCount"))->text();
        // A range without records cannot be printed.
        from->setDate(QDate(2027, 1, 1));
        to->setDate(QDate(2027, 2, 1));
        EXPECT_FALSE(form->findChild<QPushButton*>(QStringLiteral("btnOK"))->isEnabled());
        from->setDate(QDate(2026, 9, 1));
        to->setDate(QDate(2026, 9, 30));
        form->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    dialogs.answerPrintToPdf(pdf);
    item("mmDRPrintTeam")->trigger();
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormDiaryPrint")});
    EXPECT_EQ(counted, text("lblDRPrintCount").arg(2));
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(isPdf(pdf));

    // Cancelled: nothing printed.
    item("mmDRPrintTeam")->trigger();
    EXPECT_EQ(dialogs.printDialogs, 1);
}

} // namespace
