#include "storage/RinkPictureCache.h"

#include "core/JpegPicture.h"
#include "drawing/FitRule.h"

#include <QFileInfo>

namespace korvex {

RinkPictureCache& RinkPictureCache::shared() {
    static RinkPictureCache cache;
    return cache;
}

QImage RinkPictureCache::fitted(const QString& path, QSize size, QRgb background, QString* error) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (error != nullptr)
            *error = QStringLiteral("%1: no such file").arg(path);
        return QImage();
    }
    const QDateTime modified = info.lastModified();
    const qint64 length = info.size();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (size_t k = 0; k < m_entries.size(); ++k) {
            const Entry& entry = m_entries[k];
            if (entry.path == path && entry.size == size && entry.background == background &&
                entry.modified == modified && entry.length == length) {
                Entry found = entry;
                m_entries.erase(m_entries.begin() + std::ptrdiff_t(k));
                m_entries.insert(m_entries.begin(), found);
                return found.picture;
            }
        }
    }
    // Decoded outside the lock, so other threads are not held up by it.
    JpegPicture picture;
    if (!picture.loadFile(path, error))
        return QImage();
    QImage ground(size, QImage::Format_RGB32);
    drawFitted(ground, picture.image(), QColor::fromRgb(background));
    const std::lock_guard<std::mutex> lock(m_mutex);
    // An older picture of the same path and size (the file was replaced) is dropped.
    std::erase_if(m_entries, [&](const Entry& entry) {
        return entry.path == path && entry.size == size && entry.background == background;
    });
    m_entries.insert(m_entries.begin(), Entry{path, size, background, modified, length, ground});
    if (m_entries.size() > kEntries)
        m_entries.pop_back();
    return ground;
}

void RinkPictureCache::clear() {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

} // namespace korvex
