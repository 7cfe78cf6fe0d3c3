#pragma once

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/PlanPicture.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace korvex {

// Small records stored inside training plans. Stream forms (record shapes of StreamRecords):
//   TTextData      StreamString number, StreamString time, then StreamStrings contains,
//                  methods, notes, strain
//   TTPHeading     StreamString place, tools, playersCount, coaches, processed, then
//                  StreamStrings aim
//   TTextDataList  int32 count, then each TTextData in list order
// Readers keep the first error in the reader; a failed read leaves the record empty.

// A text note of a training plan.
struct TTextData {
    QString number;
    QString time;
    QStringList contains;
    QStringList methods;
    QStringList notes;
    QStringList strain;

    void writeTo(BinaryWriter& out) const;
    bool readFrom(BinaryReader& in);
    bool operator==(const TTextData&) const = default;
};

// The heading of a training plan. The players count is free text, not checked to be a
// number.
struct TTPHeading {
    QString place;
    QString tools;
    QString playersCount;
    QString coaches;
    QString processed;
    QStringList aim;

    void clear() { *this = TTPHeading(); }
    void writeTo(BinaryWriter& out) const;
    bool readFrom(BinaryReader& in);
    bool operator==(const TTPHeading&) const = default;
};

// The ordered text notes of a training plan.
class TTextDataList {
public:
    int count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    TTextData& at(int index) { return m_items.at(index); }
    const TTextData& at(int index) const { return m_items.at(index); }
    void append(const TTextData& data) { m_items.push_back(data); }
    void insert(int index, const TTextData& data);
    void removeAt(int index);
    void clear() { m_items.clear(); }

    void writeTo(BinaryWriter& out) const;
    // Empties the list, then appends one record per stored entry.
    bool readFrom(BinaryReader& in);
    bool operator==(const TTextDataList&) const = default;

private:
    std::vector<TTextData> m_items;
};

// One practise placed into a training plan, as the plan shows it. An ordinary plan reads
// each practise's thumbnail from the practise's files; an archived plan keeps the frozen
// picture instead, and its thumbnail is made when the item is shown
// (TTrainingPlan::thumbnail).
struct TPractisesData {
    QImage thumbnail;    // 225 x 140; ordinary plans only
    PlanPicture picture; // archived plans only
    QStringList description;
    QString time; // duration in minutes, as typed
    QString name;
};

} // namespace korvex
