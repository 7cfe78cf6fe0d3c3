#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvex {

class PageLayout;
class TDiary;

// One diary record as it is printed.
struct DiaryRecordText {
    QString date;
    QString headline;
    QStringList note;
};

DiaryRecordText diaryRecordText(const TDiary& diary, int record);

// The heading line of a record: the date padded with 7 spaces (together at most 17
// characters), then the headline; at most 167 characters.
QString diaryHeading(const QString& date, const QString& headline);

// One record from the top of the page: the heading in bold 10 point at (1, 1), the note
// below it from 1.5 over the full width. A note longer than the page goes on over the next
// pages rather than being cut at the bottom.
void printDiaryRecord(PageLayout& layout, const DiaryRecordText& record);

// Several records as one document, one after another in the order given: `title` in bold
// at the top of the first page, a rule between records, and a new page wherever the next
// heading would not fit.
void printDiaryRecords(PageLayout& layout, const QString& title,
                       const QList<DiaryRecordText>& records);

} // namespace korvex
