// The data file of a graphic practise (all integers little-endian):
//   int32 version, description (lines), keywords (lines), figures, lines,
//   then for versions 130..141: ground mode (byte), ground name (string), number set B and
//   number set A (32 bytes each), the own ground picture (JPEG block, only when the
//   ground mode is not 0); for versions 100..123 and 999: ground name, set B, set A.
#include "storage/TGraphicPractise.h"

#include "storage/PractiseVersions.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/StreamRecords.h"

namespace korvex {

bool TGraphicPractise::writeTo(QIODevice* device, const QString& name) {
    QByteArray bytes;
    if (!writeTo(&bytes, name))
        return false;
    QString error;
    if (!writeAll(device, bytes, &error))
        return failWith(QStringLiteral("%1: %2").arg(name, error));
    return true;
}

bool TGraphicPractise::writeTo(QByteArray* bytes, const QString& name) {
    return writeTo(bytes, name, nullptr);
}

bool TGraphicPractise::writeTo(QByteArray* bytes, const QString& name, DrawnParts* drawn) {
    qint32 version = 0;
    if (!writableVersion(&version, true))
        return false;
    BinaryWriter out(bytes);
    out.writeInt32(version);
    writeStreamStrings(out, m_description);
    writeStreamStrings(out, m_keywords);
    const qsizetype drawingStart = bytes->size();
    writeDrawing(out);
    const qsizetype drawingEnd = bytes->size();
    m_numbersB.write(out);
    m_numbersA.write(out);
    const qsizetype pictureStart = bytes->size();
    writeOwnGround(out);
    if (!out.ok())
        return failWith(QStringLiteral("%1: %2").arg(name, out.errorString()));
    if (drawn) {
        drawn->drawing = QByteArrayView(*bytes).sliced(drawingStart, drawingEnd - drawingStart);
        drawn->ownGround = QByteArrayView(*bytes).sliced(pictureStart);
    }
    return true;
}

bool TGraphicPractise::writeDrawnParts(QByteArray* bytes) {
    bytes->resize(0);
    BinaryWriter out(bytes);
    writeDrawing(out);
    writeOwnGround(out);
    return out.ok();
}

void TGraphicPractise::writeDrawing(BinaryWriter& out) {
    m_figures->writeTo(out);
    m_lines->writeTo(out);
    out.writeByte(m_groundMode);
    writeStreamString(out, m_groundName);
}

void TGraphicPractise::writeOwnGround(BinaryWriter& out) {
    if (m_groundMode != GroundStandard)
        writeJpegBlock(out, m_groundPicture);
}

void TGraphicPractise::readBody(BinaryReader& in, qint32 version) {
    m_description = readStreamStrings(in);
    m_keywords = readStreamStrings(in);
    if (!in.ok())
        return;
    m_figures->readFrom(version, in);
    if (!in.ok())
        return;
    m_lines->readFrom(version, in);
    if (!in.ok())
        return;
    if (isGraphicFullLayout(version))
        m_groundMode = in.readByte();
    m_groundName = readStreamString(in);
    m_numbersB = PlayerNumbers::read(in);
    m_numbersA = PlayerNumbers::read(in);
    if (in.ok() && m_groundMode != GroundStandard)
        m_groundPicture = readJpegBlock(in);
}

bool TGraphicPractise::readFrom(QIODevice* device, const QString& name) {
    BinaryReader in(device, name);
    return readFrom(in);
}

bool TGraphicPractise::readFrom(const QByteArray& bytes, const QString& name) {
    BinaryReader in(bytes, name);
    return readFrom(in);
}

bool TGraphicPractise::readFrom(BinaryReader& in) {
    qint32 version = 0;
    if (!beginRead(in, &version))
        return false;
    // Any other version reads nothing further; the caller decides what that means.
    if (!isGraphicVersionAccepted(version))
        return true;
    readBody(in, version);
    if (!in.ok()) {
        m_error = in.errorString();
        clearContent();
        m_groundName.clear();
        m_groundPicture.clear();
        return false;
    }
    return true;
}

} // namespace korvex
