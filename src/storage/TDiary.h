#pragma once

#include "storage/TTeamRecords.h"

#include <QDate>
#include <QLocale>

namespace korvex {

// The training diary of one team: "<team>.dmp" in the diary folder with 162-byte records
// (date, headline) and their note lines. The diary writes back the version it was read or
// created with, never the installation's.
class TDiary : public TTeamRecords {
public:
    static constexpr int kRecordSize = 162;
    enum Field { Date, HeadLine };
    static ShortStringField fieldOf(Field field);
    static QStringList headingKeys();

    TDiary();

    static FixedRecord makeRecord(const QString& date, const QString& headline);
    QString field(int record, Field field) const;
    // Grid body, newest first: the last record is the first row.
    QList<QStringList> gridRows() const;
    // The record a grid row shows (1 = newest), or -1 for the heading, the empty last row
    // and anything beyond.
    int recordOfRow(int row) const;
    int rowOfRecord(int record) const { return count() - record; }

    // The date field is free text. A date picked from a calendar is written in the
    // locale's short form with a four-digit year, kept within the field's 10 characters.
    static QString dateText(const QDate& date, const QLocale& locale);
    // Reads a date typed in the locale's form (short or with the four-digit year) or in the
    // day.month.year or year-month-day forms; an invalid date when it is none of them.
    static QDate readDate(const QString& text, const QLocale& locale);
    // Indices, in file order, of the records whose date reads as a day from `from` to `to`.
    QList<int> recordsBetween(const QDate& from, const QDate& to, const QLocale& locale) const;

protected:
    qint32 versionToWrite() const override { return m_version; }
    bool writesOwnVersion() const override { return true; }
};

} // namespace korvex
