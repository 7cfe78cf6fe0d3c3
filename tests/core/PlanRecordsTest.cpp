#include "core/PlanRecords.h"
#include "TestHelpers.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

QByteArray streamStrings(std::initializer_list<QByteArray> lines) {
    QByteArray b = le32(static_cast<qint32>(lines.size()));
    for (const QByteArray& line : lines)
        b += streamString(line);
    return b;
}

template <typename Record> QByteArray write(const Record& record) {
    QByteArray data;
    BinaryWriter out(&data);
    record.writeTo(out);
    EXPECT_TRUE(out.ok());
    return data;
}

template <typename Record> bool read(QByteArray data, Record* record, QString* error = nullptr) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer, QStringLiteral("plan.pmp"));
    const bool ok = record->readFrom(in);
    EXPECT_EQ(ok, in.ok());
    if (error)
        *error = in.errorString();
    return ok;
}

} // namespace

TEST(PlanRecords, StreamFormsMatchHandBuiltBytes) {
    TTextData note;
    note.number = QStringLiteral("1");
    note.time = QStringLiteral("10");
    note.contains = {QStringLiteral("Pass"), QStringLiteral("Shoot")};
    note.strain = {QStringLiteral("high")};
    const QByteArray noteBytes = streamString("1") + streamString("10") +
                                 streamStrings({"Pass", "Shoot"}) + le32(0) + le32(0) +
                                 streamStrings({"high"});
    EXPECT_EQ(write(note), noteBytes);

    TTextDataList list;
    list.append(note);
    list.append(TTextData());
    const QByteArray empty(24, '\0'); // two empty strings, four empty lists
    EXPECT_EQ(write(list), le32(2) + noteBytes + empty);
    TTextDataList back;
    back.append(TTextData()); // reading empties the list first
    ASSERT_TRUE(read(le32(2) + noteBytes + empty, &back));
    EXPECT_EQ(back, list);

    TTPHeading heading;
    heading.place = QStringLiteral("Zimní stadion");
    heading.playersCount = QStringLiteral("about 20");
    heading.processed = QStringLiteral("J");
    heading.aim = {QStringLiteral("speed")};
    const QByteArray headingBytes = streamString("Zimn\xC3\xAD stadion") + le32(0) +
                                    streamString("about 20") + le32(0) + streamString("J") +
                                    streamStrings({"speed"});
    EXPECT_EQ(write(heading), headingBytes);
    TTPHeading headingBack;
    ASSERT_TRUE(read(headingBytes, &headingBack));
    EXPECT_EQ(headingBack, heading);
    headingBack.clear();
    EXPECT_EQ(headingBack, TTPHeading());
}

TEST(PlanRecords, HostileStreamsFailCleanly) {
    const QByteArray note = streamString("1") + le32(0) + le32(0) + le32(0) + le32(0) + le32(0);
    const QByteArray cases[] = {
        le32(-1),                             // negative count
        le32(0x7FFFFFFF) + note,              // count far beyond the bytes that remain
        le32(2) + note,                       // one record missing
        le32(1) + note.left(note.size() - 2), // truncated record
        le32(1) + le32(-4) + note,            // negative string length inside a record
        le32(1) + streamString("1") + le32(0) + le32(0x10000000), // huge line count
    };
    for (const QByteArray& bad : cases) {
        TTextDataList list;
        list.append(TTextData());
        QString error;
        EXPECT_FALSE(read(bad, &list, &error));
        EXPECT_TRUE(list.isEmpty());
        EXPECT_TRUE(error.startsWith(QStringLiteral("plan.pmp: "))) << error.toStdString();
    }

    TTPHeading heading;
    heading.place = QStringLiteral("old");
    EXPECT_FALSE(read(streamString("a") + streamString("b") + le32(100), &heading));
    EXPECT_EQ(heading, TTPHeading()); // a failed read leaves the record empty
}
