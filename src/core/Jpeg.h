#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace korvex {

// JPEG coding over libjpeg-turbo. A corrupt or truncated picture is an error with a
// message, never a process exit: the library's error handler is replaced.
constexpr int kJpegDefaultQuality = 75;
constexpr int kJpegMaxSide = 8192;

// Decodes `bytes` into an RGB32 image. Pictures larger than kJpegMaxSide on a side are
// refused before any pixel is decoded.
bool decodeJpeg(const QByteArray& bytes, QImage* image, QString* error);

// Encodes `image` with the encoder defaults (baseline, 4:2:0, the given quality).
QByteArray encodeJpeg(const QImage& image, int quality = kJpegDefaultQuality);

} // namespace korvex
