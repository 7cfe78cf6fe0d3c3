#include "storage/TextPractiseFile.h"

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

constexpr qint64 kJpegBlockHeader = 8;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

bool readTextPractise(QIODevice* device, const QString& sourceName, TextPractiseData* data,
                      QString* error) {
    *data = TextPractiseData();
    BinaryReader in(device, sourceName);
    TextPractiseData read;
    read.version = in.readInt32();
    if (in.ok() && !isAcceptedVersion(read.version)) {
        data->version = read.version;
        data->versionAccepted = false;
        return true;
    }
    read.text = readStreamStrings(in);
    const qint32 count = in.readInt32();
    if (in.checkCount(count, kJpegBlockHeader, QStringLiteral("pictures"))) {
        for (qint32 i = 0; i < count && in.ok(); ++i) {
            const qint64 size = in.readInt64();
            const QByteArray bytes = in.readBytes(size);
            if (in.ok() && !bytes.isEmpty())
                read.pictures.append(bytes);
        }
    }
    read.keywords = readStreamStrings(in);
    if (!in.ok()) {
        if (error)
            *error = in.errorString();
        return false;
    }
    *data = std::move(read);
    return true;
}

bool writeTextPractise(QIODevice* device, const TextPractiseData& data, QString* error) {
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeInt32(data.version);
    writeStreamStrings(out, data.text);
    out.writeInt32(static_cast<qint32>(data.pictures.size()));
    for (const QByteArray& picture : data.pictures) {
        out.writeInt64(picture.size());
        out.writeBytes(picture);
    }
    writeStreamStrings(out, data.keywords);
    if (!out.ok()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return writeAll(device, bytes, error);
}

bool readTextPractiseFile(const QString& path, TextPractiseData* data, QString* error) {
    QFile file(path);
    if (!openForReading(&file, error)) {
        *data = TextPractiseData();
        return false;
    }
    return readTextPractise(&file, native(path), data, error);
}

bool writeTextPractiseFile(const QString& path, const TextPractiseData& data, QString* error) {
    const bool ok = saveWith(
        path,
        [&data](QIODevice* device, QString* writeError) {
            return writeTextPractise(device, data, writeError);
        },
        error);
    if (ok)
        notifyItemWritten(path);
    return ok;
}

bool rewriteTextPractise(const QByteArray& stored, const QString& path, qint32 version,
                         QByteArray* bytes, QString* error) {
    QBuffer in;
    in.setData(stored);
    in.open(QIODevice::ReadOnly);
    TextPractiseData data;
    if (!readTextPractise(&in, native(path), &data, error))
        return false;
    if (!data.versionAccepted) {
        if (error)
            *error = versionNotReadText(path, data.version);
        return false;
    }
    data.version = version;
    QBuffer out(bytes);
    out.open(QIODevice::WriteOnly);
    return writeTextPractise(&out, data, error);
}

} // namespace korvex
