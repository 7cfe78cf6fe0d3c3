#pragma once

#include "TestHelpers.h"
#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "drawing/DrawingSettings.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <cstring>
#include <functional>

namespace korvex::test {

inline QByteArray f64(double value) {
    qint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return le64(bits);
}

// The installation's figure pictures, drawn by the build.
inline DrawingSettings installedSmall() {
    return DrawingSettings::small(QStringLiteral(KORVEX_APP_DIR));
}
inline DrawingSettings installedLarge() {
    return DrawingSettings::large(QStringLiteral(KORVEX_APP_DIR));
}

// Runs `write` against a buffer and returns the bytes.
template <typename Write> QByteArray writtenBytes(Write write) {
    QByteArray data;
    BinaryWriter out(&data);
    write(out);
    return data;
}

// Reads `data` with `read` and reports the reader's state and the bytes consumed.
struct ReadResult {
    bool returned = false;
    bool ok = false;
    qint64 consumed = 0;
    QString error;
};
template <typename Read> ReadResult readBytes(const QByteArray& data, Read read) {
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer, QStringLiteral("drawing.gmp"));
    ReadResult result;
    result.returned = read(in);
    result.ok = in.ok();
    result.consumed = in.position();
    result.error = in.errorString();
    return result;
}

inline QImage whiteCanvas(int w = 80, int h = 40) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The 0x00BBGGRR colour of an image pixel.
inline quint32 bgrAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

} // namespace korvex::test
