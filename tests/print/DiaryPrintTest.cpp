// Diary printouts on the recording canvas: one record, and a team's records as one document.
#include "print/DiaryPrint.h"
#include "print/PageLayout.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace korvex;

namespace {

QStringList noteLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    return lines;
}

TEST(DiaryPrint, OneRecordHasItsHeadingInBoldAboveTheNote) {
    // The whole heading line stops at 167 characters.
    EXPECT_EQ(diaryHeading(QStringLiteral("2026-09-01"), QString(200, QLatin1Char('x'))).size(),
              167);

    RecordingCanvas canvas;
    PageLayout layout(canvas);
    printDiaryRecord(layout,
                     {QStringLiteral("1.9.2026"),
                      QStringLiteral("Skating"),
                      {QStringLiteral("edges and turns"), QString(), QStringLiteral("stops")}});
    ASSERT_EQ(canvas.texts.size(), 5);
    const RecordingCanvas::Text& date = canvas.texts.at(0);
    EXPECT_EQ(date.text, QStringLiteral("1.9.2026"));
    EXPECT_DOUBLE_EQ(date.x, 1.0);
    EXPECT_DOUBLE_EQ(date.y, 1.0);
    EXPECT_TRUE(date.bold);
    EXPECT_DOUBLE_EQ(date.points, 10);
    const RecordingCanvas::Text& headline = canvas.texts.at(1);
    EXPECT_EQ(headline.text, QStringLiteral("Skating"));
    EXPECT_DOUBLE_EQ(headline.y, 1.0);
    EXPECT_TRUE(headline.bold);
    canvas.setFont(10, true);
    EXPECT_NEAR(headline.x, 1.0 + canvas.textWidth(QStringLiteral("1.9.2026       ")), 1e-9);
    // The note in normal style from 1.5; an empty line keeps its place.
    EXPECT_EQ(canvas.texts.at(2).text, QStringLiteral("edges and turns"));
    EXPECT_DOUBLE_EQ(canvas.texts.at(2).y, 1.5);
    EXPECT_FALSE(canvas.texts.at(2).bold);
    EXPECT_EQ(canvas.texts.at(4).text, QStringLiteral("stops"));
    EXPECT_DOUBLE_EQ(canvas.texts.at(4).y, 2.3);
    EXPECT_EQ(canvas.pageCount(), 1);
}

TEST(DiaryPrint, ALongNoteGoesOnOverTheNextPagesAndALongHeadlineWraps) {
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    const QString headline = QStringLiteral("Power skating ").repeated(10).trimmed();
    printDiaryRecord(layout, {QStringLiteral("1.9.2026"), headline, noteLines(150)});
    // Every note line is printed, none past the page's foot.
    QStringList printed;
    for (const RecordingCanvas::Text& text : canvas.texts) {
        EXPECT_LT(text.y, 28.8) << text.text.toStdString();
        if (text.text.startsWith(QStringLiteral("line ")))
            printed.append(text.text);
    }
    EXPECT_EQ(printed, noteLines(150));
    EXPECT_EQ(canvas.pageCount(), 3);
    // The headline stays inside the page: its second row starts at the left edge.
    QStringList headlineRows;
    for (const RecordingCanvas::Text& text : canvas.texts) {
        if (text.bold && text.text != QStringLiteral("1.9.2026")) {
            canvas.setFont(10, true);
            EXPECT_LT(text.x + canvas.textWidth(text.text), 19.8);
            headlineRows.append(text.text);
        }
    }
    ASSERT_GE(headlineRows.size(), 2);
    EXPECT_EQ(headlineRows.join(QLatin1Char(' ')), headline);
    EXPECT_DOUBLE_EQ(canvas.texts.at(2).x, 1.0);
}

TEST(DiaryPrint, ManyRecordsFollowEachOtherWithRulesAndPageBreaks) {
    QList<DiaryRecordText> records;
    for (int i = 0; i < 12; ++i)
        records.append({QStringLiteral("%1.9.2026").arg(i + 1), QStringLiteral("Record %1").arg(i),
                        noteLines(8)});
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    printDiaryRecords(layout, QStringLiteral("U18.boys"), records);

    const RecordingCanvas::Text* title = canvas.find(QStringLiteral("U18.boys"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->page, 0);
    EXPECT_TRUE(title->bold);
    // Every record in the given order, each heading on a page with room below it.
    double lastY = 0;
    int lastPage = 0;
    for (int i = 0; i < records.size(); ++i) {
        const RecordingCanvas::Text* heading = canvas.find(QStringLiteral("Record %1").arg(i));
        ASSERT_NE(heading, nullptr) << i;
        EXPECT_TRUE(heading->page > lastPage || heading->y > lastY) << i;
        EXPECT_LT(heading->y, 27.5) << i;
        lastPage = heading->page;
        lastY = heading->y;
    }
    EXPECT_GE(canvas.pageCount(), 2);
    EXPECT_EQ(lastPage, canvas.pageCount() - 1);
    // A rule between records that share a page, none above the first record of a page.
    EXPECT_GE(canvas.lines.size(), 8);
    EXPECT_LT(canvas.lines.size(), records.size());
    for (const RecordingCanvas::Line& rule : canvas.lines)
        EXPECT_GT(rule.y1, 1.0);
}

} // namespace
