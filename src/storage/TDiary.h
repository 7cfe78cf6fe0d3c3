#pragma once

#include "storage/TTeamRecords.h"

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

protected:
    qint32 versionToWrite() const override { return m_version; }
    bool writesOwnVersion() const override { return true; }
};

} // namespace korvex
