// The basic and advanced plan prints on the recording canvas.
#include "PrintInstallation.h"

#include "core/Jpeg.h"
#include "core/SafeSave.h"
#include "print/PageLayout.h"
#include "print/PlanPrint.h"
#include "print/RecordingCanvas.h"
#include "storage/TTrainingPlan.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    return image;
}

// The recorded texts that start with `prefix`.
QList<RecordingCanvas::Text> textsStarting(const RecordingCanvas& canvas, const QString& prefix) {
    QList<RecordingCanvas::Text> found;
    for (const RecordingCanvas::Text& text : canvas.texts) {
        if (text.text.startsWith(prefix))
            found.append(text);
    }
    return found;
}

class PlanPrintTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(inst.isValid()); }

    // A plan of `count` graphic practises whose pictures are plain JPEG files.
    std::unique_ptr<TTrainingPlan> planOf(int count, bool archive = false) {
        auto plan = inst.newPlan(QStringLiteral("Monday"), archive);
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("Drill %1").arg(i + 1);
            TPractisesData item;
            item.name = name;
            item.time = QString::number(5 + i);
            item.description = {QStringLiteral("Text of ") + name};
            if (archive) {
                item.picture.setImage(picture(675, 420));
            } else {
                EXPECT_TRUE(saveBytes(inst.path(QStringLiteral("GraphicPractises/Drills/Team/") +
                                                name + QStringLiteral(".jpg")),
                                      encodeJpeg(picture(675, 420))));
                plan->paths.append(QStringLiteral("GraphicPractises\\Drills\\Team\\") + name +
                                   QStringLiteral(".gmp"));
            }
            plan->items.append(item);
        }
        return plan;
    }

    bool printBasic(const TTrainingPlan& plan) {
        PageLayout layout(canvas);
        return printPlanBasic(layout, plan, inst.language(), inst.path(), error);
    }
    bool printAdvanced(const TTrainingPlan& plan) {
        PageLayout layout(canvas);
        return printPlanAdvanced(layout, plan, inst.language(), inst.path(), error);
    }

    PrintInstallation inst;
    RecordingCanvas canvas;
    QString error;
};

TEST_F(PlanPrintTest, BasicFormHoldsFourPractisesOnTheFirstPageAndFiveOnTheNext) {
    ASSERT_TRUE(printBasic(*planOf(4))) << error.toStdString();
    EXPECT_EQ(canvas.pageCount(), 1);
    ASSERT_EQ(textsStarting(canvas, QStringLiteral("1/")).size(), 1);
    EXPECT_EQ(textsStarting(canvas, QStringLiteral("1/")).first().text, QStringLiteral("1/1"));

    canvas = RecordingCanvas();
    ASSERT_TRUE(printBasic(*planOf(5))) << error.toStdString();
    EXPECT_EQ(canvas.pageCount(), 2);
    const RecordingCanvas::Text* first = canvas.find(QStringLiteral("1/2"));
    const RecordingCanvas::Text* second = canvas.find(QStringLiteral("2/2"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->page, 0);
    EXPECT_EQ(second->page, 1);
    EXPECT_DOUBLE_EQ(second->x, 11);
    EXPECT_DOUBLE_EQ(second->y, 28.5);
    // Blocks 5.5 apart from 6.5; the fifth starts page 2 at 1.0.
    const RecordingCanvas::Text* fourth = canvas.find(QStringLiteral("# 4 / 8' / Drill 4"));
    const RecordingCanvas::Text* fifth = canvas.find(QStringLiteral("# 5 / 9' / Drill 5"));
    ASSERT_TRUE(fourth && fifth);
    EXPECT_DOUBLE_EQ(fourth->y, 6.5 + 3 * 5.5);
    EXPECT_EQ(fifth->page, 1);
    EXPECT_DOUBLE_EQ(fifth->y, 1.0);
    EXPECT_DOUBLE_EQ(fifth->x, 8.2);
    ASSERT_EQ(canvas.images.size(), 5);
    EXPECT_EQ(canvas.images[4].box, QRectF(1, 1.0, 7, 5.25));
    // 675 x 420 is wider than 4:3: padded below to 675 x 506.
    EXPECT_EQ(canvas.images[4].size, QSize(675, 506));

    // Eleven practises: 4 + 5 + 2 on three pages.
    canvas = RecordingCanvas();
    ASSERT_TRUE(printBasic(*planOf(11)));
    EXPECT_EQ(canvas.pageCount(), 3);
    EXPECT_EQ(canvas.find(QStringLiteral("3/3"))->page, 2);
}

TEST_F(PlanPrintTest, TextPractisesPrintTheirFirstPictureOrAnEmptyBox) {
    auto plan = inst.newPlan(QStringLiteral("Texts"));
    plan->paths = {
        inst.addTextPractise(QStringLiteral("Without"), {}, {}),
        inst.addTextPractise(QStringLiteral("With"), {}, {picture(300, 300), picture(10, 10)})};
    QStringList longText;
    for (int i = 1; i <= 12; ++i)
        longText.append(QStringLiteral("line %1").arg(i));
    TPractisesData without;
    without.name = QStringLiteral("Without");
    without.description = longText;
    TPractisesData with;
    with.name = QStringLiteral("With");
    plan->items = {without, with};
    ASSERT_TRUE(printBasic(*plan)) << error.toStdString();
    EXPECT_NE(canvas.find(QStringLiteral("# 1 / ' / Without")), nullptr);
    // A text longer than ten lines is cut after the tenth.
    EXPECT_NE(canvas.find(QStringLiteral("line 10")), nullptr);
    EXPECT_EQ(canvas.find(QStringLiteral("line 11")), nullptr);
    EXPECT_DOUBLE_EQ(canvas.find(QStringLiteral("line 1"))->y, 6.5 + 0.5);
    // Only the second block has a picture: its first one, 300 x 300 padded to 400 x 300.
    ASSERT_EQ(canvas.images.size(), 1);
    EXPECT_EQ(canvas.images[0].box, QRectF(1, 12.0, 7, 5.25));
    EXPECT_EQ(canvas.images[0].size, QSize(400, 300));
}

TEST_F(PlanPrintTest, AMissingOrDamagedPictureIsNamedAndNothingIsPrinted) {
    auto plan = planOf(2);
    QFile::remove(inst.path(QStringLiteral("GraphicPractises/Drills/Team/Drill 2.jpg")));
    EXPECT_FALSE(printBasic(*plan));
    EXPECT_TRUE(error.contains(QStringLiteral("Drill 2.jpg"))) << error.toStdString();
    EXPECT_TRUE(canvas.texts.isEmpty());

    saveBytes(inst.path(QStringLiteral("GraphicPractises/Drills/Team/Drill 2.jpg")), "garbage");
    error.clear();
    EXPECT_FALSE(printAdvanced(*plan));
    EXPECT_TRUE(error.contains(QStringLiteral("Drill 2.jpg"))) << error.toStdString();

    // A text practise file cut inside its first picture.
    QByteArray cut;
    {
        QFile file(inst.path(QStringLiteral("TextPractises/Drills/Team/P.tmp")));
        inst.addTextPractise(QStringLiteral("P"), {QStringLiteral("t")}, {picture(50, 50)});
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.resize(file.size() - 40);
    }
    plan->paths = {QStringLiteral("TextPractises\\Drills\\Team\\P.tmp")};
    plan->items.resize(1);
    error.clear();
    EXPECT_FALSE(printBasic(*plan));
    EXPECT_TRUE(error.contains(QStringLiteral("P.tmp"))) << error.toStdString();
}

TEST_F(PlanPrintTest, ArchivedPlanEvaluationFollowsTheLastBlockOrStartsANewPage) {
    auto plan = planOf(3, true);
    plan->evaluation = {QStringLiteral("Good pace"), QStringLiteral("Passing too slow")};
    ASSERT_TRUE(printBasic(*plan)) << error.toStdString();
    ASSERT_EQ(canvas.images.size(), 3);
    const RecordingCanvas::Text* label =
        canvas.find(inst.language().Text(QStringLiteral("printEvaluate")));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->bold);
    EXPECT_EQ(label->page, 0);
    EXPECT_DOUBLE_EQ(label->y, 6.5 + 3 * 5.5 + 0.5);
    EXPECT_DOUBLE_EQ(canvas.find(QStringLiteral("Good pace"))->y, 6.5 + 3 * 5.5 + 1);

    // After four blocks y is 28.5, past 27.8: the evaluation starts page 2 at the top.
    canvas = RecordingCanvas();
    plan = planOf(4, true);
    plan->evaluation = {QStringLiteral("Good pace")};
    ASSERT_TRUE(printBasic(*plan));
    EXPECT_EQ(canvas.pageCount(), 2);
    label = canvas.find(inst.language().Text(QStringLiteral("printEvaluate")));
    EXPECT_EQ(label->page, 1);
    EXPECT_DOUBLE_EQ(label->x, 1);
    EXPECT_DOUBLE_EQ(label->y, 1);
    EXPECT_DOUBLE_EQ(canvas.find(QStringLiteral("Good pace"))->y, 1.5);

    // The advanced form prints no label and no page for an empty evaluation.
    canvas = RecordingCanvas();
    plan->evaluation.clear();
    ASSERT_TRUE(printAdvanced(*plan));
    EXPECT_EQ(canvas.find(inst.language().Text(QStringLiteral("printEvaluate"))), nullptr);
    EXPECT_EQ(canvas.pageCount(), 2); // three blocks below the heading, the fourth on page 2
}

TEST_F(PlanPrintTest, AdvancedHeadingTableAndNotesThatMoveToTheNextPage) {
    auto plan = planOf(1);
    plan->setTeam(QStringLiteral("U15 Lions"));
    plan->date = QStringLiteral("12.1.2027");
    plan->heading.place = QStringLiteral("North hall");
    plan->heading.aim = {QStringLiteral("Quick passing")};
    TTextData note;
    note.number = QStringLiteral("1");
    note.time = QStringLiteral("10");
    note.contains = {QStringLiteral("Warm-up without pucks")};
    note.methods = {QStringLiteral("Circuit")};
    plan->textBlocks.append(note);
    // A note of 60 content rows cannot fit below the first one: it starts page 2.
    TTextData tall = note;
    tall.number = QStringLiteral("2");
    for (int i = 0; i < 60; ++i)
        tall.contains.append(QStringLiteral("row %1").arg(i));
    plan->textBlocks.append(tall);
    ASSERT_TRUE(printAdvanced(*plan)) << error.toStdString();

    const TLanguage& language = inst.language();
    const RecordingCanvas::Text* club = canvas.find(language.Text(QStringLiteral("printClub")));
    ASSERT_NE(club, nullptr);
    EXPECT_DOUBLE_EQ(club->x, 1.25);
    EXPECT_DOUBLE_EQ(club->y, 2);
    EXPECT_NE(canvas.find(QStringLiteral("U15 Lions")), nullptr);
    const RecordingCanvas::Text* place = canvas.find(QStringLiteral("North hall"));
    ASSERT_NE(place, nullptr);
    EXPECT_DOUBLE_EQ(place->y, 2.6);
    EXPECT_DOUBLE_EQ(canvas.find(QStringLiteral("12.1.2027"))->y, 2);
    const RecordingCanvas::Text* aim = canvas.find(QStringLiteral("Quick passing"));
    ASSERT_NE(aim, nullptr);
    EXPECT_DOUBLE_EQ(aim->y, 5.1);
    EXPECT_GT(aim->x, 1.25 + canvas.textWidth(language.Text(QStringLiteral("printAim"))));
    // The first note is the first row below the column headers.
    const RecordingCanvas::Text* first = canvas.find(QStringLiteral("Warm-up without pucks"));
    ASSERT_NE(first, nullptr);
    EXPECT_DOUBLE_EQ(first->x, 2.3 + 0.15); // clear of the column rule
    EXPECT_DOUBLE_EQ(first->y, 8.9);
    EXPECT_DOUBLE_EQ(canvas.find(QStringLiteral("Circuit"))->x, 11.5 + 0.15);
    EXPECT_EQ(canvas.find(QStringLiteral("10'"))->page, 0);
    const RecordingCanvas::Text* row0 = canvas.find(QStringLiteral("row 0"));
    ASSERT_NE(row0, nullptr);
    EXPECT_EQ(row0->page, 1);
    EXPECT_DOUBLE_EQ(row0->y, 1.1 + 0.4); // below the note's copied first row
    // The table ends at 25.7 on page 2; no block fits below it, so the practise opens page 3.
    const RecordingCanvas::Text* caption = canvas.find(QStringLiteral("# 1 / 5' / Drill 1"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->page, 2);
    EXPECT_DOUBLE_EQ(caption->y, 1.0);
}

} // namespace
