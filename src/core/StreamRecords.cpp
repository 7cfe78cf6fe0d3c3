#include "core/StreamRecords.h"

#include "core/SafeSave.h"
#include "core/TextCodec.h"

#include <QDir>
#include <QFile>

namespace korvex {

namespace {

QString nativeName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Writes the bytes of a block just read from `in` to `path`; a failed write becomes the
// reader's error, so the caller stops there.
bool saveBlockBytes(BinaryReader& in, const QByteArray& bytes, const QString& path) {
    if (!in.ok())
        return false;
    QString error;
    if (!saveBytes(path, bytes, &error)) {
        in.fail(error);
        return false;
    }
    return true;
}

} // namespace

void writeStreamBytes(BinaryWriter& out, const QByteArray& bytes) {
    out.writeInt32(static_cast<qint32>(bytes.size()));
    out.writeBytes(bytes);
}

QByteArray readStreamBytes(BinaryReader& in) {
    return in.readBytes(in.readInt32());
}

void writeStreamString(BinaryWriter& out, const QString& text) {
    writeStreamBytes(out, encodeText(text));
}

QString readStreamString(BinaryReader& in) {
    return decodeText(readStreamBytes(in));
}

void writeStreamStrings(BinaryWriter& out, const QStringList& lines) {
    out.writeInt32(static_cast<qint32>(lines.size()));
    for (const QString& line : lines)
        writeStreamString(out, line);
}

QStringList readStreamStrings(BinaryReader& in) {
    const qint32 count = in.readInt32();
    QStringList lines;
    if (!in.checkCount(count, 4, QStringLiteral("text lines")))
        return lines;
    lines.reserve(count);
    for (qint32 i = 0; i < count && in.ok(); ++i)
        lines.append(readStreamString(in));
    return in.ok() ? lines : QStringList();
}

void writeJpegBlock(BinaryWriter& out, const JpegPicture& picture) {
    const QByteArray bytes = picture.bytes();
    out.writeInt64(bytes.size());
    out.writeBytes(bytes);
}

bool writeJpegBlockFromFile(BinaryWriter& out, const QString& path) {
    if (!QFile::exists(path))
        return false;
    JpegPicture picture;
    QString error;
    if (!picture.loadFile(path, &error)) {
        out.fail(error);
        return false;
    }
    writeJpegBlock(out, picture);
    return out.ok();
}

JpegPicture readJpegBlock(BinaryReader& in) {
    JpegPicture picture;
    const qint64 size = in.readInt64();
    if (!in.ok())
        return picture;
    if (size == 0) {
        picture.setImage(JpegPicture::placeholderImage());
        return picture;
    }
    const QByteArray bytes = in.readBytes(size);
    if (!in.ok())
        return picture;
    QString error;
    if (!picture.setBytes(bytes, &error))
        in.fail(error);
    return picture;
}

bool readJpegBlockToFile(BinaryReader& in, const QString& path) {
    const qint64 size = in.readInt64();
    if (!in.ok())
        return false;
    if (size == 0)
        return true;
    return saveBlockBytes(in, in.readBytes(size), path);
}

bool writeFileBlock(BinaryWriter& out, const QString& path) {
    QFile file(path);
    QString error;
    if (!openForReading(&file, &error)) {
        out.fail(error);
        return false;
    }
    const qint64 size = file.size();
    if (size > std::numeric_limits<qint32>::max()) {
        out.fail(QStringLiteral("%1: the file is too large").arg(nativeName(path)));
        return false;
    }
    out.writeInt32(static_cast<qint32>(size));
    // The content is read straight into the writer's bytes, in one read.
    QByteArray& bytes = out.bytes();
    const qsizetype at = bytes.size();
    bytes.resize(at + static_cast<qsizetype>(size));
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file.read(bytes.data() + at + done, size - done);
        if (got <= 0) {
            bytes.resize(at + static_cast<qsizetype>(done));
            out.fail(QStringLiteral("%1: read error").arg(nativeName(path)));
            return false;
        }
        done += got;
    }
    return out.ok();
}

bool readFileBlockToFile(BinaryReader& in, const QString& path) {
    return saveBlockBytes(in, in.readBytes(in.readInt32()), path);
}

void skipFileBlock(BinaryReader& in) {
    in.skip(in.readInt32());
}

bool writeFileBundle(const QString& path, qint32 tag, const QStringList& sources, QString* error) {
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeInt32(tag);
    out.writeInt32(static_cast<qint32>(sources.size()));
    for (const QString& source : sources) {
        if (!writeFileBlock(out, source))
            break;
    }
    if (!out.ok()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return saveBytes(path, bytes, error);
}

bool readFileBundle(const QString& path, const QStringList& targets, QString* error) {
    QFile file(path);
    if (!openForReading(&file, error))
        return false;
    BinaryReader in(&file, nativeName(path));
    in.readInt32(); // the tag is the writer's and is not checked
    const qint32 count = in.readInt32();
    if (in.ok() && count != targets.size())
        in.fail(QStringLiteral("the bundle holds %1 files instead of %2")
                    .arg(count)
                    .arg(targets.size()));
    for (qint32 i = 0; i < count && in.ok(); ++i)
        readFileBlockToFile(in, targets[i]);
    if (!in.ok() && error)
        *error = in.errorString();
    return in.ok();
}

} // namespace korvex
