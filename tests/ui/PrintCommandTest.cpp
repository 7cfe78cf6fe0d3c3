// The print command around every printout: the print dialog through the seam, cancelling,
// and a failing printout that is reported.
#include "ui/PrintCommand.h"
#include "core/TLanguage.h"
#include "ui/ScriptedDialogs.h"

#include <QDialog>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

TEST(PrintCommand, PrintsCancelsAndReportsFailures) {
    ScriptedDialogs dialogs;
    TLanguage language;
    QTemporaryDir tmp;
    const QString pdf = tmp.filePath(QStringLiteral("out.pdf"));
    int bodies = 0;
    const PrintBody body = [&bodies](PageCanvas& canvas, QString&) {
        ++bodies;
        canvas.drawText(1, 1, QStringLiteral("Plan"));
        return true;
    };

    // Cancelled: no job begins.
    EXPECT_FALSE(runPrintCommand(nullptr, language, QStringLiteral("Korvex - Plan"), body));
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(bodies, 0);

    dialogs.answerPrintToPdf(pdf);
    EXPECT_TRUE(runPrintCommand(nullptr, language, QStringLiteral("Korvex - Plan"), body));
    EXPECT_EQ(bodies, 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));

    const QString second = tmp.filePath(QStringLiteral("second.pdf"));
    dialogs.answerPrintToPdf(second);
    const PrintBody failing = [](PageCanvas&, QString& error) {
        error = QStringLiteral("Drill.jpg cannot be read");
        return false;
    };
    EXPECT_FALSE(runPrintCommand(nullptr, language, QStringLiteral("Korvex - Plan"), failing));
    EXPECT_EQ(dialogs.informations, QStringList{QStringLiteral("Drill.jpg cannot be read")});
    // The cancelled job leaves no incomplete PDF behind.
    EXPECT_FALSE(QFile::exists(second));
}

TEST(PrintCommand, PreviewShowsThePagesAndReportsAFailingPrintout) {
    ScriptedDialogs dialogs;
    TLanguage language;
    const PrintBody twoPages = [](PageCanvas& canvas, QString&) {
        canvas.drawText(1, 1, QStringLiteral("Player list"));
        canvas.newPage();
        canvas.drawText(1, 1, QStringLiteral("Player list"));
        return true;
    };
    int pagesShown = -1;
    dialogs.answerForm([&pagesShown](QDialog* form) {
        auto* pages = form->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        pages->updatePreview();
        pagesShown = pages->pageCount();
    });
    runPrintPreview(nullptr, language, QStringLiteral("Korvex - U15"), twoPages);
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("QPrintPreviewDialog")});
    EXPECT_EQ(pagesShown, 2);
    EXPECT_TRUE(dialogs.informations.isEmpty());

    const PrintBody failing = [](PageCanvas&, QString& error) {
        error = QStringLiteral("Drill.jpg cannot be read");
        return false;
    };
    dialogs.answerForm(
        [](QDialog* form) { form->findChild<QPrintPreviewWidget*>()->updatePreview(); });
    runPrintPreview(nullptr, language, QStringLiteral("Korvex - U15"), failing);
    EXPECT_EQ(dialogs.informations, QStringList{QStringLiteral("Drill.jpg cannot be read")});
}
