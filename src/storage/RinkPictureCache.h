#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

#include <mutex>
#include <vector>

namespace korvex {

// Rink pictures decoded and fitted to a canvas size, kept for the next practise that shows
// the same rink: the editor, every save and every restored practise paint the same few rinks
// again and again. An entry is keyed by the file's path, the canvas size and the file's
// modification time and length, so a replaced picture is read again. A few entries are kept
// (the most recently used); the cache is safe from any thread.
class RinkPictureCache {
public:
    // The one cache of the program.
    static RinkPictureCache& shared();

    // The picture at `path` fitted to `size` on `background`; a null image when the file is
    // missing or cannot be decoded (then `error` says why, when given).
    QImage fitted(const QString& path, QSize size, QRgb background, QString* error = nullptr);

    // Forgets every kept picture.
    void clear();

    static constexpr size_t kEntries = 4;

private:
    struct Entry {
        QString path;
        QSize size;
        QRgb background;
        QDateTime modified;
        qint64 length;
        QImage picture;
    };

    std::mutex m_mutex;
    std::vector<Entry> m_entries; // most recently used first
};

} // namespace korvex
