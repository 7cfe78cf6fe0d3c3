#include "storage/TDiary.h"

namespace korvex {

namespace {

constexpr ShortStringField kFields[] = {{0, 10}, {11, 150}};
constexpr int kDateLength = 10;

QString withoutSpaces(QString text) {
    return text.remove(QLatin1Char(' '));
}

// The locale's short date form with the year in four digits.
QString longYearFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

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

int TDiary::recordOfRow(int row) const {
    return row >= 1 && row <= count() ? count() - row : -1;
}

QString TDiary::dateText(const QDate& date, const QLocale& locale) {
    // The widest day and month show whether the form fits the field.
    const QDate widest(2000, 12, 28);
    for (const QString& format : {longYearFormat(locale), withoutSpaces(longYearFormat(locale)),
                                  locale.dateFormat(QLocale::ShortFormat)}) {
        if (locale.toString(widest, format).size() <= kDateLength)
            return locale.toString(date, format);
    }
    return date.toString(Qt::ISODate);
}

QDate TDiary::readDate(const QString& text, const QLocale& locale) {
    const QString typed = withoutSpaces(text);
    if (typed.isEmpty())
        return {};
    const QString shortFormat = withoutSpaces(locale.dateFormat(QLocale::ShortFormat));
    const QString formats[] = {withoutSpaces(longYearFormat(locale)), shortFormat,
                               QStringLiteral("d.M.yyyy"), QStringLiteral("d.M.yy"),
                               QStringLiteral("yyyy-M-d")};
    for (const QString& format : formats) {
        QDate date = locale.toDate(typed, format);
        if (!date.isValid())
            date = QDate::fromString(typed, format);
        if (!date.isValid())
            continue;
        // A two-digit year means this century, not the last one.
        if (!format.contains(QLatin1String("yyyy")) && date.year() < 2000)
            date = date.addYears(100);
        return date;
    }
    return {};
}

QList<int> TDiary::recordsBetween(const QDate& from, const QDate& to, const QLocale& locale) const {
    QList<int> records;
    for (int i = 0; i < count(); ++i) {
        const QDate date = readDate(field(i, Date), locale);
        if (date.isValid() && date >= from && date <= to)
            records.append(i);
    }
    return records;
}

} // namespace korvex
