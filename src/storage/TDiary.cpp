#include "storage/TDiary.h"

namespace korvex {

namespace {

constexpr ShortStringField kFields[] = {{0, 10}, {11, 150}};

} // namespace

ShortStringField TDiary::fieldOf(Field field) {
    return kFields[field];
}

QStringList TDiary::headingKeys() {
    return {QStringLiteral("Date"), QStringLiteral("HeadLine")};
}

TDiary::TDiary() : TTeamRecords(kRecordSize, QStringLiteral(".dmp"), QStringLiteral(".dbp")) {}

FixedRecord TDiary::makeRecord(const QString& date, const QString& headline) {
    FixedRecord record(kRecordSize);
    record.setField(kFields[Date], date);
    record.setField(kFields[HeadLine], headline);
    return record;
}

QString TDiary::field(int record, Field field) const {
    return entry(record).record.field(kFields[field]);
}

QList<QStringList> TDiary::gridRows() const {
    QList<QStringList> rows;
    for (int i = count() - 1; i >= 0; --i)
        rows.append({field(i, Date), field(i, HeadLine)});
    return rows;
}

} // namespace korvex
