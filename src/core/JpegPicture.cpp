#include "core/JpegPicture.h"

#include "core/Jpeg.h"
#include "core/SafeSave.h"

#include <QDir>
#include <QFile>

namespace korvex {

bool JpegPicture::setBytes(const QByteArray& bytes, QString* error) {
    QImage image;
    if (!decodeJpeg(bytes, &image, error))
        return false;
    m_image = image;
    m_bytes = bytes;
    return true;
}

void JpegPicture::setImage(const QImage& image) {
    m_image = image;
    m_bytes.clear();
}

bool JpegPicture::loadFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: cannot be read: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    QString decodeError;
    if (!setBytes(file.readAll(), &decodeError)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), decodeError);
        return false;
    }
    return true;
}

bool JpegPicture::saveFile(const QString& path, QString* error) const {
    return saveBytes(path, bytes(), error);
}

void JpegPicture::clear() {
    m_image = QImage();
    m_bytes.clear();
}

QByteArray JpegPicture::bytes() const {
    if (m_bytes.isEmpty() && !m_image.isNull())
        m_bytes = encodeJpeg(m_image);
    return m_bytes;
}

QImage JpegPicture::placeholderImage() {
    QImage image(225, 140, QImage::Format_RGB32);
    image.fill(QColor(0x50, 0x50, 0x50));
    return image;
}

} // namespace korvex
