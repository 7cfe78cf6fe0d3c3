#include "print/DiaryPrint.h"

#include "print/PageLayout.h"
#include "storage/TDiary.h"

namespace korvex {

namespace {

constexpr double kLeft = 1.0;
constexpr double kRight = PageCanvas::kPageWidth - 1.0;
constexpr double kHeadingToNote = 0.5;
// Below this a new heading, with room for a line of its note, goes to the next page.
constexpr double kLastHeadingY = 27.4;
constexpr double kGapBetweenRecords = 0.5;
constexpr int kDatePartLength = 17; // the date and its spaces
constexpr int kHeadingLength = 167;

QString datePart(const QString& date) {
    return (date + QString(7, QLatin1Char(' '))).left(kDatePartLength);
}

// Prints one record from `top` and returns the y below its note.
double printRecordAt(PageLayout& layout, const DiaryRecordText& record, double top) {
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(10, true);
    const QString heading = diaryHeading(record.date, record.headline);
    const QString date = datePart(record.date).trimmed();
    // The headline starts where the padded date ends; a headline wider than the page
    // wraps below it instead of running off the paper.
    const double headlineX = kLeft + canvas.textWidth(datePart(record.date));
    double below = top + PageLayout::kLinePitch;
    if (!date.isEmpty())
        canvas.drawText(kLeft, top, date);
    const QString headline = heading.mid(datePart(record.date).size());
    if (!headline.trimmed().isEmpty())
        below = layout.WrapText({headline}, top, PageLayout::kLinePitch, headlineX,
                                PageCanvas::kPageHeight, PageLayout::kNoLineLimit);
    canvas.setFont(10, false);
    const double noteTop = std::max(top + kHeadingToNote, below + 0.1);
    if (record.note.isEmpty())
        return below;
    // The wrapping skips lines without text; an empty line of the note holds an invisible
    // no-break space, so the coach's paragraphs stay apart on paper.
    QStringList note = record.note;
    for (QString& line : note) {
        if (line.trimmed().isEmpty())
            line = QString(QChar(0x00A0));
    }
    return layout.WrapText(note, noteTop, 0, kLeft, PageCanvas::kPageHeight,
                           PageLayout::kPageBreaking);
}

} // namespace

DiaryRecordText diaryRecordText(const TDiary& diary, int record) {
    return {diary.field(record, TDiary::Date), diary.field(record, TDiary::HeadLine),
            diary.entry(record).notes};
}

QString diaryHeading(const QString& date, const QString& headline) {
    return (datePart(date) + headline).left(kHeadingLength);
}

void printDiaryRecord(PageLayout& layout, const DiaryRecordText& record) {
    printRecordAt(layout, record, 1.0);
}

void printDiaryRecords(PageLayout& layout, const QString& title,
                       const QList<DiaryRecordText>& records) {
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(12, true);
    canvas.drawText(kLeft, 1.0, title);
    double y = 2.0;
    for (int i = 0; i < records.size(); ++i) {
        if (i > 0)
            y += kGapBetweenRecords;
        if (y > kLastHeadingY) {
            canvas.newPage();
            y = 1.0;
        } else if (i > 0) {
            const double ruleY = y - kGapBetweenRecords / 2;
            canvas.drawLine(kLeft, ruleY, kRight, ruleY);
        }
        y = printRecordAt(layout, records.at(i), y);
    }
}

} // namespace korvex
