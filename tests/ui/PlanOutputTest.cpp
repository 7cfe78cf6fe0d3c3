// The plan view's print and HTML export commands around the plan printouts and pages.
#include "ui/PlanOutput.h"
#include "core/Jpeg.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TTrainingPlan.h"
#include "ui/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    return text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
}

TEST(PlanOutput, PrintsPreviewsAndExportsANamedPlanAndReportsMissingPictures) {
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVEX_APP_DIR "/Data/Html.txt"),
                            dir.filePath(QStringLiteral("Data/Html.txt"))));
    TSettings settings(dir.path());
    settings.setSaveOnDestroy(false);
    TLanguage language;
    language.setLines({QStringLiteral("printArchiveHeadLine=TRAINING UNIT")});

    TTrainingPlan plan(dir.path(), QStringLiteral("TrainingPlans"), true);
    TPractisesData item;
    item.name = QStringLiteral("Breakout");
    item.time = QStringLiteral("12");
    item.picture.setImage(QImage(90, 60, QImage::Format_RGB32));
    plan.items = {item};

    // No name: nothing is asked.
    printPlan(nullptr, language, settings, plan, true, false);
    exportPlanHtml(nullptr, language, settings, plan, true);
    EXPECT_EQ(dialogs.printDialogs, 0);
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());

    plan.setName(QStringLiteral("Monday"));
    const QString pdf = dir.filePath(QStringLiteral("Monday.pdf"));
    dialogs.answerPrintToPdf(pdf);
    printPlan(nullptr, language, settings, plan, true, false);
    const QString printed = pdfText(pdf);
    EXPECT_TRUE(printed.contains(QStringLiteral("TRAINING UNIT")));
    EXPECT_TRUE(printed.contains(QStringLiteral("# 1 / 12' / Breakout")));

    printPlan(nullptr, language, settings, plan, false, true);
    EXPECT_TRUE(dialogs.forms.contains(QStringLiteral("QPrintPreviewDialog")));

    const QString page = dir.filePath(QStringLiteral("Monday.html"));
    dialogs.answerSaveFile(page);
    exportPlanHtml(nullptr, language, settings, plan, true);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Monday/0.jpg"))));
    ASSERT_EQ(dialogs.openedUrls.size(), 1);
    EXPECT_EQ(dialogs.openedUrls[0], QUrl::fromLocalFile(page));

    // An ordinary plan whose practise picture has gone: the print names it.
    TTrainingPlan ordinary(dir.path(), QStringLiteral("TrainingPlans"), false);
    ordinary.setName(QStringLiteral("Tuesday"));
    ordinary.paths = {QStringLiteral("GraphicPractises\\C\\S\\Gone.gmp")};
    ordinary.items = {item};
    dialogs.answerPrintToPdf(dir.filePath(QStringLiteral("Tuesday.pdf")));
    printPlan(nullptr, language, settings, ordinary, false, false);
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].contains(QStringLiteral("Gone.jpg")));
}

} // namespace
