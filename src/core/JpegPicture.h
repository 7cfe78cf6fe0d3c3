#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace korvex {

// A JPEG picture that keeps its compressed bytes next to the decoded image, so a picture
// read and written again is byte-identical. A picture made from an image is encoded once,
// when its bytes are first needed.
class JpegPicture {
public:
    JpegPicture() = default;

    // Takes JPEG bytes; false with `error` set when they do not decode.
    bool setBytes(const QByteArray& bytes, QString* error = nullptr);
    // Takes an image; the bytes are encoded with the encoder defaults when needed.
    void setImage(const QImage& image);
    bool loadFile(const QString& path, QString* error = nullptr);
    bool saveFile(const QString& path, QString* error = nullptr) const;
    void clear();

    bool isNull() const { return m_image.isNull(); }
    const QImage& image() const { return m_image; }
    QByteArray bytes() const;

    // The 225 x 140 dark-grey picture that stands for a missing one.
    static QImage placeholderImage();

private:
    QImage m_image;
    mutable QByteArray m_bytes;
};

} // namespace korvex
