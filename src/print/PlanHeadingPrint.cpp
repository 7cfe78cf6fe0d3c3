#include "print/PlanHeadingPrint.h"

#include "core/TLanguage.h"
#include "print/PageLayout.h"
#include "storage/TTrainingPlan.h"

#include <algorithm>

namespace korvex {

namespace {

constexpr double kLeft = 1.0;
constexpr double kRight = 19.8;
// Cell texts keep this distance from the rules on either side.
constexpr double kCellPadding = 0.15;

QString text(const TLanguage& language, const char* key) {
    return language.Text(QString::fromLatin1(key));
}

// A bold label at (x, y) with at most `maxLines` rows of `lines` beside it, every row
// starting where the first does, so that no row runs under the label or onto the frame.
void printLabelBlock(PageLayout& layout, const QString& label, const QStringList& lines,
                     int maxLines, double x, double y) {
    PageCanvas& canvas = layout.canvas();
    const double points = canvas.fontPoints();
    canvas.setFont(points, true);
    canvas.drawText(x, y, label);
    const double indentX = x + canvas.textWidth(label + QLatin1Char(' '));
    canvas.setFont(points, false);
    const double height = maxLines * PageLayout::kLinePitch;
    layout.WrapText(lines, y, height, indentX, height, PageLayout::kNoLineLimit);
}

// One text note as a row of the table from `y`; returns the y below the row.
double printNoteRow(PageLayout& layout, const TTextData& note, double y) {
    PageCanvas& canvas = layout.canvas();
    const struct {
        const QStringList& lines;
        double x;
        double width;
    } cells[] = {
        {note.contains, 2.3, 9.2},
        {note.methods, 11.5, 2.5},
        {note.strain, 14.0, 2.5},
        {note.notes, 16.5, 2.5},
    };
    for (const auto& cell : cells) {
        if (!layout.FitsOnPage(cell.lines, cell.width - 2 * kCellPadding, y + 0.1)) {
            canvas.newPage();
            y = 1.0;
            break;
        }
    }
    double bottom = 0;
    for (const auto& cell : cells)
        bottom = std::max(bottom, layout.PrintRuledRows(cell.lines, cell.width - 2 * kCellPadding,
                                                        y + 0.1, cell.x + kCellPadding));
    layout.PrintCentred(note.time + QLatin1Char('\''), 1.3, 1.0, y + 0.1);
    layout.PrintCentred(note.number, 0.8, 19.0, y + 0.1);
    const double next = bottom + 0.2;
    layout.DrawRowRules(next, bottom);
    return next;
}

} // namespace

double printPlanHeading(PageLayout& layout, const TTrainingPlan& plan, const TLanguage& language) {
    PageCanvas& canvas = layout.canvas();
    for (const double y : {1.0, 5.0, 6.0, 7.8, 8.8})
        canvas.drawLine(kLeft, y, kRight, y);
    canvas.drawLine(kLeft, 1.0, kLeft, 8.8);
    canvas.drawLine(kRight, 1.0, kRight, 8.8);

    canvas.setFont(12, false);
    layout.PrintCentred(text(language, "printArchiveHeadLine"), kRight, kLeft, 1.25);
    canvas.setFont(10, false);

    const TTPHeading& heading = plan.heading;
    const std::pair<const char*, QString> left[] = {
        {"printClub", plan.Team()},        {"printPlace", heading.place},
        {"printTools", heading.tools},     {"printPlayersCount", heading.playersCount},
        {"printCoaches", heading.coaches},
    };
    double y = 2.0;
    for (const auto& [key, value] : left) {
        layout.PrintLabelValue(text(language, key), value, 11.0, 1.25, y);
        y += 0.6;
    }
    const std::pair<const char*, QString> right[] = {
        {"printDate", plan.date},
        {"printTime", plan.time},
        {"printNumber", plan.TrainingNumber()},
        {"printProcessed", heading.processed},
    };
    y = 2.0;
    for (const auto& [key, value] : right) {
        layout.PrintLabelValue(text(language, key), value, 6.5, 13.0, y);
        y += 0.6;
    }
    printLabelBlock(layout, text(language, "printAim"), heading.aim, 2, 1.25, 5.1);
    printLabelBlock(layout, text(language, "printNote"), plan.description, 4, 1.25, 6.1);

    layout.DrawRowRules(8.8, 7.8);
    QString time = text(language, "printTime");
    time.chop(1); // the label without its colon
    layout.PrintCentredBold(time, 1.3, 1.0, 7.8);
    layout.PrintCentredBold(text(language, "printContent"), 8.5, 3.0, 7.8);
    layout.PrintCentredBold(text(language, "printMethods"), 2.5, 11.5, 7.8);
    layout.PrintCentredBold(text(language, "printStrain"), 2.5, 14.0, 7.8);
    layout.PrintCentredBold(text(language, "printNoteShort"), 2.5, 16.5, 7.8);
    layout.PrintCentredBold(text(language, "printTPNumber"), 0.8, 19.0, 7.8);

    y = 8.8;
    for (int i = 0; i < plan.textBlocks.count(); ++i)
        y = printNoteRow(layout, plan.textBlocks.at(i), y);
    canvas.drawLine(kLeft, y, kRight, y);
    return y;
}

} // namespace korvex
