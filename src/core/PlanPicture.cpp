#include "core/PlanPicture.h"

#include "core/Jpeg.h"

namespace korvex {

bool PlanPicture::setBytes(const QByteArray& bytes, QString* error) {
    QImage check;
    if (!decodeJpeg(bytes, &check, error))
        return false;
    m_bytes = bytes;
    return true;
}

void PlanPicture::setImage(const QImage& image) {
    m_bytes = encodeJpeg(image);
}

QImage PlanPicture::image() const {
    QImage image;
    if (!m_bytes.isEmpty())
        decodeJpeg(m_bytes, &image, nullptr);
    return image;
}

} // namespace korvex
