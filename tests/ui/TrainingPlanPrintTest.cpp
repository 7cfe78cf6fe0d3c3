// The plan menu's print and HTML export commands on the plan on screen.
#include "TrainingPlanSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace korvex;
using namespace korvex::test;

namespace {

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(QString::fromLatin1(file.readAll())
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

using TrainingPlanPrint = TrainingPlanViewTest;

TEST_F(TrainingPlanPrint, PrintsExportsAndNamesAMissingPicture) {
    QStringList paths;
    for (int i = 0; i < 5; ++i)
        paths.append(
            makePractise(QStringLiteral("Skating"), QStringLiteral("Drill %1").arg(i + 1), i));
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), paths, 1);
    ASSERT_NE(open(), nullptr);
    QTemporaryDir out;

    // Five practises: the basic form fills two pages, the advanced one its heading first.
    const QString basic = out.filePath(QStringLiteral("basic.pdf"));
    dialogs.answerPrintToPdf(basic);
    item("mmTPBasicPrint")->trigger();
    EXPECT_EQ(pdfPageCount(basic), 2);
    const QString advanced = out.filePath(QStringLiteral("advanced.pdf"));
    dialogs.answerPrintToPdf(advanced);
    item("mmTPAdvancedPrint")->trigger();
    EXPECT_GE(pdfPageCount(advanced), 2);
    EXPECT_TRUE(dialogs.informations.isEmpty())
        << dialogs.informations.join(QLatin1Char('\n')).toStdString();

    // The full page holds every practise and is opened afterwards.
    const QString page = out.filePath(QStringLiteral("Monday.html"));
    dialogs.answerSaveFile(page);
    item("mmTPExportToHTMLAdvanced")->trigger();
    QFile html(page);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(html.readAll());
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(written.contains(QStringLiteral("Drill %1").arg(i))) << i;
    ASSERT_EQ(dialogs.openedUrls.size(), 1);
    EXPECT_EQ(dialogs.openedUrls.at(0).toLocalFile(), page);

    // A practise picture gone from the disk is named, and no file is printed.
    ASSERT_TRUE(
        QFile::remove(QString(paths[2]).replace(QStringLiteral(".gmp"), QStringLiteral(".jpg"))));
    const QString broken = out.filePath(QStringLiteral("broken.pdf"));
    dialogs.answerPrintToPdf(broken);
    item("mmTPBasicPrint")->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.at(0).contains(QStringLiteral("Drill 3.jpg")))
        << dialogs.informations.at(0).toStdString();
    EXPECT_FALSE(QFile::exists(broken));
}

TEST_F(TrainingPlanPrint, TheArchivePrintsThePicturesItHoldsItself) {
    const QString drill = makePractise(QStringLiteral("Skating"), QStringLiteral("Drill 1"));
    makePlan(QStringLiteral("Week"), QStringLiteral("Monday"), {drill});
    TfrmTrainingPlanMode* view = open();
    ASSERT_NE(view, nullptr);
    QDir().mkpath(app.file(QStringLiteral("TrainingPlans/Archive/U12")));
    ASSERT_TRUE(view->plan().SaveArchiveCopy(
        pathWithoutExtension(app.file(QStringLiteral("TrainingPlans/Archive/U12/1.pamp")))));
    // The practise's own picture goes; the archived plan keeps a copy of it.
    ASSERT_TRUE(
        QFile::remove(QString(drill).replace(QStringLiteral(".gmp"), QStringLiteral(".jpg"))));
    view = open(6);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->plan().name(), QStringLiteral("1"));
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("unit.pdf"));
    dialogs.answerPrintToPdf(pdf);
    item("mmTUPrint")->trigger();
    EXPECT_TRUE(dialogs.informations.isEmpty())
        << dialogs.informations.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

} // namespace
