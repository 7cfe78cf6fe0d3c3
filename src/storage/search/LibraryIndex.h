#pragma once

#include "storage/search/LibraryEntry.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <vector>

namespace korvex {

class TSettings;

// One folder of searched items: the mode folder of a kind ({app}/GraphicPractises, ...).
struct LibraryRoot {
    ItemKind kind;
    QString folder;
};

// A found item and the words of it that the query's words matched (as stored, folded).
struct LibraryHit {
    LibraryEntry entry;
    QStringList matchedWords;
};

// The search index over the practise library: every graphic, tactics and text practise and
// every training plan of every category, by the words of its name, description and
// keywords. A query matches an item when each of its words is the beginning of one of the
// item's words (case and accents do not matter).
//
// The index lives in memory only; the files are the truth. scan() reads them (it touches
// nothing shared, so it may run on any thread), update() and remove() follow single files
// as they are saved, renamed or deleted, and query() checks each hit against its file before
// returning it: a file gone drops the hit, a file changed since it was read is read again.
class LibraryIndex {
public:
    // The mode folders of the installation `settings` describes.
    static QList<LibraryRoot> rootsOf(const TSettings& settings);
    // Reads every item below `roots` (three levels: category, subcategory, item).
    static std::vector<LibraryEntry> scan(const QList<LibraryRoot>& roots);

    LibraryIndex() = default;
    explicit LibraryIndex(QList<LibraryRoot> roots) : m_roots(std::move(roots)) {}

    const QList<LibraryRoot>& roots() const { return m_roots; }
    // Replaces the whole content.
    void reset(std::vector<LibraryEntry> entries);
    // scan() and reset() in one, on the calling thread.
    void rebuild() { reset(scan(m_roots)); }

    // Reads `file` again: added when new, replaced when known, dropped when gone or
    // unreadable. Files outside the roots or of kinds not searched are ignored.
    void update(const QString& file);
    void remove(const QString& file);

    int count() const { return int(m_byFile.size()); }
    bool contains(const QString& file) const { return m_byFile.contains(key(file)); }

    // The items matching every word of `text`, by kind, category, subcategory and name; at
    // most `limit` of them, and in `total` how many the index holds. A text without words
    // finds nothing.
    QList<LibraryHit> query(const QString& text, int limit = 500, int* total = nullptr);

private:
    static QString key(const QString& file);
    bool kindOf(const QString& file, ItemKind* kind) const;
    void insert(LibraryEntry entry);
    void erase(int id);
    // The ids of the items having a word that begins with `prefix`.
    std::vector<int> idsWithPrefix(const QString& prefix) const;

    QList<LibraryRoot> m_roots;
    std::vector<LibraryEntry> m_entries; // by id; a removed entry leaves an empty file
    std::vector<int> m_free;             // ids of removed entries, for reuse
    QHash<QString, int> m_byFile;
    QMap<QString, std::vector<int>> m_postings; // word -> ids of items holding it
};

} // namespace korvex
