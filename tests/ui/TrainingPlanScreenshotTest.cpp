// Grabs the training plan view and the training archive as a coach sees them, in both window
// sizes. The pictures go to the folder named by KORVEX_SCREENSHOT_DIR when it is set
// (training-plan.png and training-archive.png are the large ones), else nowhere; the test
// checks that every practise row shows its rink picture.
#include "TrainingPlanSupport.h"

#include <QImage>

using namespace korvex;
using korvex::test::TrainingPlanViewTest;

namespace {

class TrainingPlanScreenshots : public TrainingPlanViewTest {
protected:
    void save(const QString& name) const {
        window->resize(settings().WindowWidth(), settings().WindowHeight());
        QCoreApplication::processEvents(); // let the memos lay their text out
        const QImage shot = window->grab().toImage();
        EXPECT_FALSE(shot.isNull());
        if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
            const QString folder = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
            QDir().mkpath(folder);
            shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        }
    }
    void expectPicturesShown() const {
        for (const char* row : {"1", "2", "3"}) {
            if (!shown((QByteArray("pnlTP") + row).constData()))
                continue;
            const QPixmap picture =
                child<QLabel>((QByteArray("imgGround") + row).constData())->pixmap();
            EXPECT_FALSE(picture.isNull()) << row;
            // A real thumbnail, not the grey stand-in of a missing picture.
            EXPECT_NE(picture.toImage().pixel(112, 70), QColor(0x50, 0x50, 0x50).rgb()) << row;
        }
    }
};

TEST_F(TrainingPlanScreenshots, APlanWithPractisesANoteAndItsArchivedCopy) {
    const QStringList drills{
        makePractise(QStringLiteral("Skating"), QStringLiteral("Circle loops"), 0,
                     {QStringLiteral("Skate the loop around both circles, puck on the forehand."),
                      QStringLiteral("Change direction at every whistle.")}),
        makePractise(QStringLiteral("Passing"), QStringLiteral("Two-line pass"), 1,
                     {QStringLiteral("Pairs pass across the neutral zone and finish with a shot."),
                      QStringLiteral("Goalie stays deep.")}),
        makePractise(QStringLiteral("Shooting"), QStringLiteral("Slot shots"), 2,
                     {QStringLiteral("Quick release from the slot after a cone turn.")}),
    };
    makePlan(QStringLiteral("Week 2"), QStringLiteral("Monday"), drills);
    for (int size : {1, 0}) {
        settings().SetFormSize(size);
        TfrmTrainingPlanMode* view = open();
        ASSERT_NE(view, nullptr);
        window->SetEditMode(true);
        if (view->plan().textBlocks.isEmpty()) {
            type("edtTPTime1", QStringLiteral("12"));
            type("edtTPTime2", QStringLiteral("15"));
            type("edtTPTime3", QStringLiteral("10"));
            type("edtTPDate", QStringLiteral("14.1."));
            type("edtTPTime", QStringLiteral("17:30"));
            type("memTPDescription",
                 QStringLiteral("Edges and the first pass.\nFinish with shots from the slot."));
            click("btnInsertTextNotes");
            type("edtTPTXNumber1", QStringLiteral("1"));
            type("edtTPTXTime1", QStringLiteral("8"));
            type("memTPTXContains1", QStringLiteral("Warm-up games"));
            type("memTPTXMethods1", QStringLiteral("Tag in the zone"));
            type("memTPTXNotes1", QStringLiteral("No sticks"));
            type("memTPTXStrain1", QStringLiteral("Low"));
            ASSERT_TRUE(view->saveIfModified());
        }
        expectPicturesShown();
        save(size == 1 ? QStringLiteral("training-plan") : QStringLiteral("training-plan-small"));
    }

    // The archived copy, without the note, with its evaluation.
    TfrmTrainingPlanMode* view = open();
    view->plan().textBlocks.clear();
    QDir().mkpath(app.file(QStringLiteral("TrainingPlans/Archive/U12")));
    ASSERT_TRUE(
        view->plan().SaveArchiveCopy(app.file(QStringLiteral("TrainingPlans/Archive/U12/14"))));
    for (int size : {1, 0}) {
        settings().SetFormSize(size);
        view = open(6);
        ASSERT_NE(view, nullptr);
        if (view->plan().evaluation.isEmpty()) {
            type("memTPEvaluate",
                 QStringLiteral("Good pace in the loops.\nPasses too slow; repeat on Thursday."));
            ASSERT_TRUE(view->saveIfModified());
        }
        expectPicturesShown();
        save(size == 1 ? QStringLiteral("training-archive")
                       : QStringLiteral("training-archive-small"));
    }
}

} // namespace
