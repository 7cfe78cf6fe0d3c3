#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace korvex {

// The picture of a practise frozen into an archived plan, kept as the JPEG bytes the file
// holds and nothing else: a plan of many practises costs their compressed size, not their
// pixels. The picture is decoded only when it is shown, printed or exported, and the bytes
// are written back as they were read.
class PlanPicture {
public:
    PlanPicture() = default;

    // Takes JPEG bytes when they decode (checked once, the pixels are not kept); false with
    // `error` set, and the picture unchanged, when they do not.
    bool setBytes(const QByteArray& bytes, QString* error = nullptr);
    // Takes an image, encoded at once with the encoder defaults.
    void setImage(const QImage& image);
    void clear() { m_bytes.clear(); }

    bool isNull() const { return m_bytes.isEmpty(); }
    const QByteArray& bytes() const { return m_bytes; }
    // The decoded picture; a null image when there is none.
    QImage image() const;

private:
    QByteArray m_bytes;
};

} // namespace korvex
