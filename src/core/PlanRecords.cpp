#include "core/PlanRecords.h"

#include "core/StreamRecords.h"

namespace korvex {

namespace {

// The smallest stored TTextData: two empty strings and four empty lists.
constexpr qint64 kMinTextDataBytes = 2 * 4 + 4 * 4;

} // namespace

void TTextData::writeTo(BinaryWriter& out) const {
    writeStreamString(out, number);
    writeStreamString(out, time);
    for (const QStringList* list : {&contains, &methods, &notes, &strain})
        writeStreamStrings(out, *list);
}

bool TTextData::readFrom(BinaryReader& in) {
    TTextData read;
    read.number = readStreamString(in);
    read.time = readStreamString(in);
    for (QStringList* list : {&read.contains, &read.methods, &read.notes, &read.strain})
        *list = readStreamStrings(in);
    *this = in.ok() ? read : TTextData();
    return in.ok();
}

void TTPHeading::writeTo(BinaryWriter& out) const {
    for (const QString* text : {&place, &tools, &playersCount, &coaches, &processed})
        writeStreamString(out, *text);
    writeStreamStrings(out, aim);
}

bool TTPHeading::readFrom(BinaryReader& in) {
    TTPHeading read;
    for (QString* text :
         {&read.place, &read.tools, &read.playersCount, &read.coaches, &read.processed})
        *text = readStreamString(in);
    read.aim = readStreamStrings(in);
    *this = in.ok() ? read : TTPHeading();
    return in.ok();
}

void TTextDataList::insert(int index, const TTextData& data) {
    m_items.insert(m_items.begin() + std::clamp<int>(index, 0, count()), data);
}

void TTextDataList::removeAt(int index) {
    if (index >= 0 && index < count())
        m_items.erase(m_items.begin() + index);
}

void TTextDataList::writeTo(BinaryWriter& out) const {
    out.writeInt32(count());
    for (const TTextData& data : m_items)
        data.writeTo(out);
}

bool TTextDataList::readFrom(BinaryReader& in) {
    m_items.clear();
    const qint32 n = in.readInt32();
    if (!in.checkCount(n, kMinTextDataBytes, QStringLiteral("text notes")))
        return false;
    m_items.reserve(static_cast<size_t>(n));
    for (qint32 i = 0; i < n; ++i) {
        TTextData data;
        if (!data.readFrom(in)) {
            m_items.clear();
            return false;
        }
        m_items.push_back(data);
    }
    return true;
}

} // namespace korvex
