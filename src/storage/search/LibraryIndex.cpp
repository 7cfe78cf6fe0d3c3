#include "storage/search/LibraryIndex.h"

#include "storage/LevelListing.h"
#include "storage/search/SearchText.h"

#include "core/Paths.h"
#include "core/TSettings.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace korvex {

namespace {

// The data files of `kind` in `folder`, whatever the letter case of their extension.
QFileInfoList itemFilesIn(const QString& folder, ItemKind kind) {
    const QString extension = dataExtension(kind);
    QFileInfoList files;
    const QFileInfoList all = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& info : all) {
        if (info.fileName().endsWith(extension, Qt::CaseInsensitive) &&
            info.fileName().size() > extension.size())
            files.append(info);
    }
    return files;
}

bool startsWithAny(const QString& word, const QStringList& prefixes) {
    return std::any_of(prefixes.cbegin(), prefixes.cend(),
                       [&word](const QString& prefix) { return word.startsWith(prefix); });
}

// True when every query word begins one of the entry's words.
bool matchesAll(const LibraryEntry& entry, const QStringList& queryWords) {
    return std::all_of(queryWords.cbegin(), queryWords.cend(), [&entry](const QString& q) {
        return std::any_of(entry.words.cbegin(), entry.words.cend(),
                           [&q](const QString& word) { return word.startsWith(q); });
    });
}

LibraryHit hitOf(const LibraryEntry& entry, const QStringList& queryWords) {
    LibraryHit hit{entry, {}};
    for (const QString& word : entry.words) {
        if (startsWithAny(word, queryWords))
            hit.matchedWords.append(word);
    }
    return hit;
}

bool listedBefore(const LibraryEntry& a, const LibraryEntry& b) {
    if (a.kind != b.kind)
        return int(a.kind) < int(b.kind);
    for (const auto& [x, y] :
         {std::pair{&a.category, &b.category}, std::pair{&a.subcategory, &b.subcategory},
          std::pair{&a.name, &b.name}}) {
        const int order = x->compare(*y, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0;
    }
    return a.file < b.file;
}

} // namespace

QList<LibraryRoot> LibraryIndex::rootsOf(const TSettings& settings) {
    const QString& app = settings.appDir();
    return {{ItemKind::GraphicPractise, joinPath(app, settings.GMSaveDir())},
            {ItemKind::TextPractise, joinPath(app, settings.TXSaveDir())},
            {ItemKind::TacticsPractise, joinPath(app, settings.TCSaveDir())},
            {ItemKind::TrainingPlan, joinPath(app, settings.TPSaveDir())}};
}

std::vector<LibraryEntry> LibraryIndex::scan(const QList<LibraryRoot>& roots) {
    std::vector<LibraryEntry> entries;
    for (const LibraryRoot& root : roots) {
        for (const QString& category : listFolderLevel(root.folder)) {
            // The archive holds frozen copies of plans, not library items.
            if (root.kind == ItemKind::TrainingPlan &&
                category.compare(archiveCategory(), Qt::CaseInsensitive) == 0)
                continue;
            const QString categoryFolder = joinPath(root.folder, category);
            for (const QString& subcategory : listFolderLevel(categoryFolder)) {
                const QString folder = joinPath(categoryFolder, subcategory);
                for (const QFileInfo& info : itemFilesIn(folder, root.kind)) {
                    LibraryEntry entry;
                    if (readLibraryEntry(root.kind, info.filePath(), &entry))
                        entries.push_back(std::move(entry));
                }
            }
        }
    }
    return entries;
}

QString LibraryIndex::key(const QString& file) {
    return QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

bool LibraryIndex::kindOf(const QString& file, ItemKind* kind) const {
    const QString path = key(file);
    for (const LibraryRoot& root : m_roots) {
        const QString extension = dataExtension(root.kind);
        // {root}/{category}/{subcategory}/{item}: exactly three levels below the root.
        const QString folder = key(root.folder) + QLatin1Char('/');
        if (!path.endsWith(extension, Qt::CaseInsensitive) || !path.startsWith(folder) ||
            path.mid(folder.size()).count(QLatin1Char('/')) != 2)
            continue;
        if (root.kind == ItemKind::TrainingPlan &&
            path.mid(folder.size())
                .startsWith(archiveCategory() + QLatin1Char('/'), Qt::CaseInsensitive))
            continue;
        *kind = root.kind;
        return true;
    }
    return false;
}

void LibraryIndex::reset(std::vector<LibraryEntry> entries) {
    m_entries.clear();
    m_free.clear();
    m_byFile.clear();
    m_postings.clear();
    for (LibraryEntry& entry : entries)
        insert(std::move(entry));
}

void LibraryIndex::insert(LibraryEntry entry) {
    const QString file = key(entry.file);
    if (const auto known = m_byFile.constFind(file); known != m_byFile.cend())
        erase(known.value());
    int id = 0;
    if (m_free.empty()) {
        id = int(m_entries.size());
        m_entries.push_back(std::move(entry));
    } else {
        id = m_free.back();
        m_free.pop_back();
        m_entries[id] = std::move(entry);
    }
    m_byFile.insert(file, id);
    for (const QString& word : std::as_const(m_entries[id].words))
        m_postings[word].push_back(id);
}

void LibraryIndex::erase(int id) {
    LibraryEntry& entry = m_entries[id];
    for (const QString& word : std::as_const(entry.words)) {
        auto it = m_postings.find(word);
        if (it == m_postings.end())
            continue;
        std::erase(it.value(), id);
        if (it.value().empty())
            m_postings.erase(it);
    }
    m_byFile.remove(key(entry.file));
    entry = LibraryEntry();
    m_free.push_back(id);
}

void LibraryIndex::update(const QString& file) {
    ItemKind kind;
    if (!kindOf(file, &kind))
        return;
    LibraryEntry entry;
    if (readLibraryEntry(kind, file, &entry))
        insert(std::move(entry));
    else
        remove(file);
}

void LibraryIndex::remove(const QString& file) {
    if (const auto known = m_byFile.constFind(key(file)); known != m_byFile.cend())
        erase(known.value());
}

std::vector<int> LibraryIndex::idsWithPrefix(const QString& prefix) const {
    std::vector<int> ids;
    for (auto it = m_postings.lowerBound(prefix); it != m_postings.cend(); ++it) {
        if (!it.key().startsWith(prefix))
            break;
        ids.insert(ids.end(), it.value().cbegin(), it.value().cend());
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

QList<LibraryHit> LibraryIndex::query(const QString& text, int limit, int* total) {
    QStringList words = searchWords(text);
    words.removeDuplicates();
    if (total != nullptr)
        *total = 0;
    if (words.isEmpty())
        return {};
    std::vector<int> ids = idsWithPrefix(words.first());
    for (qsizetype i = 1; i < words.size() && !ids.empty(); ++i) {
        const std::vector<int> more = idsWithPrefix(words.at(i));
        std::vector<int> both;
        std::set_intersection(ids.cbegin(), ids.cend(), more.cbegin(), more.cend(),
                              std::back_inserter(both));
        ids = std::move(both);
    }
    if (total != nullptr)
        *total = int(ids.size());
    // Only the first `limit` ids are put in order; the rest only when hits had to be dropped.
    const auto before = [this](int a, int b) { return listedBefore(m_entries[a], m_entries[b]); };
    size_t ordered = std::min(ids.size(), size_t(std::max(limit, 0)));
    std::partial_sort(ids.begin(), ids.begin() + qsizetype(ordered), ids.end(), before);

    QList<LibraryHit> hits;
    std::vector<QString> changed;
    for (size_t i = 0; i < ids.size() && hits.size() < limit; ++i) {
        if (i == ordered) {
            std::sort(ids.begin() + qsizetype(ordered), ids.end(), before);
            ordered = ids.size();
        }
        const LibraryEntry& entry = m_entries[ids[i]];
        const QFileInfo info(entry.file);
        if (!info.isFile() || info.lastModified() != entry.modified) {
            // Changed behind the index's back: read again after this pass.
            changed.push_back(entry.file);
            continue;
        }
        hits.append(hitOf(entry, words));
    }
    for (const QString& file : changed) {
        update(file);
        const auto known = m_byFile.constFind(key(file));
        if (known == m_byFile.cend() || hits.size() >= limit)
            continue;
        const LibraryEntry& entry = m_entries[known.value()];
        if (!matchesAll(entry, words))
            continue;
        hits.append(hitOf(entry, words));
    }
    if (!changed.empty())
        std::sort(hits.begin(), hits.end(), [](const LibraryHit& a, const LibraryHit& b) {
            return listedBefore(a.entry, b.entry);
        });
    return hits;
}

} // namespace korvex
