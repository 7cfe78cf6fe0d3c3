// The shared page layout on the recording canvas: wrapping, cutting, centring and the ruled
// cells of the heading table.
#include "print/PageLayout.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace korvex;

namespace {

QString words(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QStringLiteral("skate%1").arg(i));
    return list.join(QLatin1Char(' '));
}

TEST(PageLayout, WrapTextIndentsBesideAPictureAndRunsFullWidthBelowIt) {
    RecordingCanvas canvas;
    canvas.setFont(9, false);
    PageLayout layout(canvas);
    const double bottom =
        layout.WrapText({words(120)}, 2.0, 1.25, 8.2, 100, PageLayout::kNoLineLimit);
    ASSERT_GE(canvas.texts.size(), 6);
    // Offsets 0, 0.4, 0.8 and 1.2 are below 1.25: indented; from 1.6 on: full width.
    for (int k = 0; k < canvas.texts.size(); ++k) {
        const RecordingCanvas::Text& line = canvas.texts.at(k);
        EXPECT_DOUBLE_EQ(line.y, 2.0 + k * 0.4) << k;
        EXPECT_DOUBLE_EQ(line.x, k < 4 ? 8.2 : 1.0) << k;
        canvas.setFont(9, false);
        EXPECT_LT(line.x + canvas.textWidth(line.text), 19.8) << k;
    }
    EXPECT_DOUBLE_EQ(bottom, 2.0 + canvas.texts.size() * 0.4);
    // Every word arrives, in order, exactly once.
    QStringList printed;
    for (const RecordingCanvas::Text& line : canvas.texts)
        printed.append(line.text);
    EXPECT_EQ(printed.join(QLatin1Char(' ')), words(120));
}

TEST(PageLayout, WrapTextLimitsHeightLinesAndBreaksLongWords) {
    RecordingCanvas canvas;
    canvas.setFont(9, false);
    PageLayout layout(canvas);
    // A practise text: at most 4.0 units high, so ten lines, all indented.
    QStringList text;
    for (int i = 0; i < 14; ++i)
        text.append(QStringLiteral("line %1").arg(i));
    layout.WrapText(text, 6.5, 5.25, 8.2, 4.0, PageLayout::kNoLineLimit);
    ASSERT_EQ(canvas.texts.size(), 10);
    EXPECT_EQ(canvas.texts.last().text, QStringLiteral("line 9"));

    // A full-width text stops at maxLines.
    canvas.texts.clear();
    layout.WrapText(text, 1.0, 0, 1.0, 100, 3);
    EXPECT_EQ(canvas.texts.size(), 3);

    // A word wider than 10 units is cut there and continues on the next take.
    canvas.texts.clear();
    const QString longWord(200, QLatin1Char('W'));
    layout.WrapText({longWord}, 1.0, 0, 1.0, 100, PageLayout::kNoLineLimit);
    ASSERT_GE(canvas.texts.size(), 2);
    QString joined;
    for (const RecordingCanvas::Text& line : canvas.texts) {
        const QStringList parts = line.text.split(QLatin1Char(' '));
        for (const QString& part : parts) {
            EXPECT_LT(canvas.textWidth(part.chopped(1)), 10.0);
            joined += part;
        }
    }
    EXPECT_EQ(joined, longWord);

    // Lines of spaces print nothing and take no room.
    canvas.texts.clear();
    EXPECT_DOUBLE_EQ(layout.WrapText({QStringLiteral("   "), QString()}, 3.0, 0, 1, 100, 5), 3.0);
    EXPECT_TRUE(canvas.texts.isEmpty());
}

TEST(PageLayout, PageBreakingModeContinuesAtTheTopOfTheNextPage) {
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    QStringList text;
    for (int i = 0; i < 10; ++i)
        text.append(QStringLiteral("evaluation %1").arg(i));
    const double bottom = layout.WrapText(text, 26.0, 0, 1.0, 1e9, PageLayout::kPageBreaking);
    EXPECT_EQ(canvas.pageCount(), 2);
    // 26.0 + k * 0.4 passes 28.3 after six lines; the seventh starts page 2 at 1.0.
    EXPECT_EQ(canvas.textsOfPage(0).size(), 6);
    const RecordingCanvas::Text* seventh = canvas.find(QStringLiteral("evaluation 6"));
    ASSERT_NE(seventh, nullptr);
    EXPECT_EQ(seventh->page, 1);
    EXPECT_DOUBLE_EQ(seventh->y, 1.0);
    EXPECT_DOUBLE_EQ(bottom, 1.0 + 4 * 0.4);
}

TEST(PageLayout, LabelsCentringAndCutting) {
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    layout.PrintLabelValue(QStringLiteral("Place:"), QString(80, QLatin1Char('x')), 6.5, 13, 2);
    ASSERT_EQ(canvas.texts.size(), 2);
    EXPECT_DOUBLE_EQ(canvas.fontPoints(), 10);
    EXPECT_TRUE(canvas.texts.at(0).bold);
    EXPECT_DOUBLE_EQ(canvas.texts.at(0).points, 11);
    const RecordingCanvas::Text& value = canvas.texts.at(1);
    EXPECT_FALSE(value.bold);
    canvas.setFont(11, false);
    EXPECT_LE(value.x + canvas.textWidth(value.text), 13 + 6.5 + 1e-9);
    EXPECT_LT(value.text.size(), 80);
    canvas.setFont(10, false);

    canvas.texts.clear();
    layout.PrintCentredBold(QStringLiteral("Content"), 8.5, 3, 7.8);
    ASSERT_EQ(canvas.texts.size(), 1);
    EXPECT_DOUBLE_EQ(canvas.texts.at(0).y, 7.8 + 0.25);
    canvas.setFont(10, true);
    EXPECT_NEAR(canvas.texts.at(0).x + canvas.textWidth(QStringLiteral("Content")) / 2, 3 + 8.5 / 2,
                1e-9);
    // Too wide for its cell: split at the first space into two centred rows.
    canvas.texts.clear();
    layout.PrintCentredBold(QStringLiteral("Training intensity"), 2.5, 14, 7.8);
    ASSERT_EQ(canvas.texts.size(), 2);
    EXPECT_EQ(canvas.texts.at(0).text, QStringLiteral("Training"));
    EXPECT_DOUBLE_EQ(canvas.texts.at(0).y, 7.9);
    EXPECT_EQ(canvas.texts.at(1).text, QStringLiteral("intensity"));
    EXPECT_DOUBLE_EQ(canvas.texts.at(1).y, 8.3);
    EXPECT_FALSE(canvas.fontBold());

    canvas.texts.clear();
    layout.PrintLabelLines(QStringLiteral("Aim"), {words(60)}, 2, 1.1, 5.1);
    // The label, one indented row beside it and one more full-width row: two rows in all.
    ASSERT_EQ(canvas.texts.size(), 3);
    EXPECT_GT(canvas.texts.at(1).x, 1.1);
    EXPECT_DOUBLE_EQ(canvas.texts.at(2).x, 1.0);
}

TEST(PageLayout, RuledRowsWrapIntoTheCellAndDrawTheTableRules) {
    RecordingCanvas canvas;
    PageLayout layout(canvas);
    const double bottom = layout.PrintRuledRows({words(12), QStringLiteral("end")}, 2.5, 9.0, 11.5);
    const int rows = canvas.texts.size();
    ASSERT_GT(rows, 3);
    EXPECT_DOUBLE_EQ(bottom, 9.0 + rows * 0.4);
    for (int r = 0; r < rows; ++r) {
        EXPECT_DOUBLE_EQ(canvas.texts.at(r).y, 9.0 + r * 0.4);
        EXPECT_LE(canvas.textWidth(canvas.texts.at(r).text), 2.5);
    }
    // Seven vertical rules per row, from just above the row to its bottom.
    ASSERT_EQ(canvas.lines.size(), rows * 7);
    EXPECT_DOUBLE_EQ(canvas.lines.at(0).x1, 1.0);
    EXPECT_DOUBLE_EQ(canvas.lines.at(0).y1, 9.0 - 0.1);
    EXPECT_DOUBLE_EQ(canvas.lines.at(0).y2, 9.4);
    EXPECT_DOUBLE_EQ(canvas.lines.at(6).x1, 19.8);

    // The same rows decide whether a cell still fits above 28.5.
    const double height = rows * 0.4;
    EXPECT_TRUE(layout.FitsOnPage({words(12), QStringLiteral("end")}, 2.5, 28.5 - height));
    EXPECT_FALSE(layout.FitsOnPage({words(12), QStringLiteral("end")}, 2.5, 28.5 - height + 0.05));
}

} // namespace
