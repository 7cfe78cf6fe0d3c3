// The print command around every printout: the print dialog through the seam, cancelling,
// and a failing printout that is reported.
#include "ui/PrintCommand.h"
#include "core/TLanguage.h"
#include "ui/ScriptedDialogs.h"

#include <QFile>
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

    dialogs.answerPrintToPdf(tmp.filePath(QStringLiteral("second.pdf")));
    const PrintBody failing = [](PageCanvas&, QString& error) {
        error = QStringLiteral("Drill.jpg cannot be read");
        return false;
    };
    EXPECT_FALSE(runPrintCommand(nullptr, language, QStringLiteral("Korvex - Plan"), failing));
    EXPECT_EQ(dialogs.informations, QStringList{QStringLiteral("Drill.jpg cannot be read")});
}
