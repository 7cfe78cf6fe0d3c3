#include "storage/TrainingPlanFile.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/SafeSave.h"
#include "core/StreamRecords.h"
#include "storage/ItemNames.h"
#include "storage/PractiseVersions.h"
#include "storage/search/LibraryNotify.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

namespace korvex {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Older plans stored the practise's file name as the item name.
QString itemName(const QString& stored) {
    if (stored.contains(QLatin1String(".gmp")) || stored.contains(QLatin1String(".tmp")))
        return stored.left(stored.lastIndexOf(QLatin1Char('.')));
    return stored;
}

QByteArray readPicture(BinaryReader& in) {
    return in.readBytes(in.readInt64());
}

// Keeps the items in the data read when no other sink takes them.
class DataSink : public PlanItemSink {
public:
    DataSink(TrainingPlanData* data, bool archive) : m_data(data), m_archive(archive) {}

    void begin(const TrainingPlanData&, qint32 count) override {
        m_data->items.reserve(count);
        if (m_archive)
            m_data->archived.reserve(count);
    }
    void take(PlanFileItem&& item, PlanArchiveItem&& extra) override {
        m_data->items.append(std::move(item));
        if (m_archive)
            m_data->archived.append(std::move(extra));
    }

private:
    TrainingPlanData* m_data;
    bool m_archive;
};

void readArchiveItems(BinaryReader& in, const TrainingPlanData& data, PlanItemSink& sink) {
    const qint32 count = in.readInt32();
    // time, name, description and picture take at least 4 + 4 + 4 + 8 bytes.
    if (!in.checkCount(count, 20, QStringLiteral("plan items")))
        return;
    sink.begin(data, count);
    for (qint32 i = 0; i < count && in.ok(); ++i) {
        PlanFileItem item;
        item.time = readStreamString(in);
        item.name = itemName(readStreamString(in));
        PlanArchiveItem extra;
        extra.description = readStreamStrings(in);
        extra.picture = readPicture(in);
        if (in.ok())
            sink.take(std::move(item), std::move(extra));
    }
}

bool readOrdinary(BinaryReader& in, TrainingPlanData* data, PlanItemSink& sink) {
    data->paths = readStreamStrings(in);
    data->description = readStreamStrings(in);
    data->date = readStreamString(in);
    data->time = readStreamString(in);
    const qint32 count = in.readInt32();
    if (!in.checkCount(count, 8, QStringLiteral("plan items")))
        return false;
    sink.begin(*data, count);
    for (qint32 i = 0; i < count && in.ok(); ++i) {
        PlanFileItem item;
        item.time = readStreamString(in);
        item.name = itemName(readStreamString(in));
        if (in.ok())
            sink.take(std::move(item), PlanArchiveItem());
    }
    if (data->version > 131 && data->version != 999) {
        data->textBlocks.readFrom(in);
        data->heading.readFrom(in);
        data->team = readStreamString(in);
        data->trainingNumber = readStreamString(in);
    }
    return in.ok();
}

bool readArchived(BinaryReader& in, TrainingPlanData* data, PlanItemSink& sink) {
    const qint32 v = data->version;
    const bool older = (v >= 105 && v <= 123) || v == 999;
    data->paths = readStreamStrings(in);
    data->description = readStreamStrings(in);
    data->evaluation = readStreamStrings(in);
    data->date = readStreamString(in);
    data->time = readStreamString(in);
    if (older) {
        readStreamString(in); // a field no longer used
        data->heading.place = readStreamString(in);
    } else {
        data->heading.readFrom(in);
        data->textBlocks.readFrom(in);
    }
    readArchiveItems(in, *data, sink);
    return in.ok();
}

} // namespace

bool readPlan(QIODevice* device, const QString& sourceName, bool archive, TrainingPlanData* data,
              QString* error, PlanItemSink* sink) {
    *data = TrainingPlanData();
    BinaryReader in(device, sourceName);
    TrainingPlanData read;
    read.version = in.readInt32();
    if (in.ok()) {
        const qint32 v = read.version;
        const bool accepted = archive ? (v >= 132 && v <= 141) || (v >= 105 && v <= 123) || v == 999
                                      : isAcceptedVersion(v);
        if (!accepted) {
            data->version = v;
            data->versionAccepted = false;
            return true;
        }
        DataSink own(&read, archive);
        PlanItemSink& items = sink ? *sink : own;
        if (archive)
            readArchived(in, &read, items);
        else
            readOrdinary(in, &read, items);
    }
    if (!in.ok()) {
        if (error)
            *error = in.errorString();
        return false;
    }
    *data = std::move(read);
    return true;
}

bool writePlan(QIODevice* device, bool archive, const TrainingPlanData& data, QString* error) {
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeInt32(data.version);
    writeStreamStrings(out, data.paths);
    writeStreamStrings(out, data.description);
    if (archive) {
        writeStreamStrings(out, data.evaluation);
        writeStreamString(out, data.date);
        writeStreamString(out, data.time);
        data.heading.writeTo(out);
        data.textBlocks.writeTo(out);
        out.writeInt32(static_cast<qint32>(data.items.size()));
        for (qsizetype i = 0; i < data.items.size(); ++i) {
            const PlanFileItem& item = data.items.at(i);
            const PlanArchiveItem extra = data.archived.value(i);
            writeStreamString(out, item.time);
            writeStreamString(out, item.name);
            writeStreamStrings(out, extra.description);
            out.writeInt64(extra.picture.size());
            out.writeBytes(extra.picture);
        }
    } else {
        writeStreamString(out, data.date);
        writeStreamString(out, data.time);
        out.writeInt32(static_cast<qint32>(data.items.size()));
        for (const PlanFileItem& item : data.items) {
            writeStreamString(out, item.time);
            writeStreamString(out, item.name);
        }
        data.textBlocks.writeTo(out);
        data.heading.writeTo(out);
        writeStreamString(out, data.team);
        writeStreamString(out, data.trainingNumber);
    }
    if (!out.ok()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return writeAll(device, bytes, error);
}

bool readPlanFile(const QString& path, bool archive, TrainingPlanData* data, QString* error,
                  PlanItemSink* sink) {
    QFile file(path);
    if (!openForReading(&file, error)) {
        *data = TrainingPlanData();
        return false;
    }
    return readPlan(&file, native(path), archive, data, error, sink);
}

bool writePlanFile(const QString& path, bool archive, const TrainingPlanData& data,
                   QString* error) {
    const bool ok = saveWith(
        path,
        [archive, &data](QIODevice* device, QString* writeError) {
            return writePlan(device, archive, data, writeError);
        },
        error);
    if (ok)
        notifyItemWritten(path);
    return ok;
}

bool rewritePlan(const QByteArray& stored, const QString& path, bool archive, qint32 version,
                 QByteArray* bytes, QString* error) {
    QBuffer in;
    in.setData(stored);
    in.open(QIODevice::ReadOnly);
    TrainingPlanData data;
    if (!readPlan(&in, native(path), archive, &data, error))
        return false;
    if (!data.versionAccepted) {
        if (error)
            *error = versionNotReadText(path, data.version);
        return false;
    }
    data.version = version;
    QBuffer out(bytes);
    out.open(QIODevice::WriteOnly);
    return writePlan(&out, archive, data, error);
}

} // namespace korvex
