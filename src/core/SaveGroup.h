#pragma once

#include "core/SafeSave.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace korvex {

// One file of a set that is written together: its path and its whole content.
struct FileBytes {
    QString path;
    QByteArray bytes;
};

// Saves several files that belong together (a practise's data file, picture and thumbnail)
// so that they change together: every file is written to its temporary first, and only
// when every write of every file succeeded are they renamed into place, one after another.
// A failure in any write leaves every old file untouched and every temporary removed
// (only a failed rename, which a full disk does not cause, leaves the files renamed before
// it in their new state);
// errorString() names the file and the system's reason ("No space left on device").
//
//   SaveGroup group;
//   QIODevice* data = group.add(stem + ".gmp");
//   QIODevice* picture = group.add(stem + ".jpg");
//   ... write both (a writer that finds an error calls group.fail(path, message)) ...
//   if (!group.commit()) report(group.errorString());
class SaveGroup {
public:
    SaveGroup() = default;
    SaveGroup(const SaveGroup&) = delete;
    SaveGroup& operator=(const SaveGroup&) = delete;

    // Opens the temporary of `path` and returns the device to write it through. When it
    // cannot be opened the group has failed (the device is still valid and discards what
    // is written).
    QIODevice* add(const QString& path);
    // Writes `bytes` as the whole content of `path`.
    void addBytes(const QString& path, const QByteArray& bytes);
    // Marks the file `path` of the group as failed; commit() then cancels every file.
    void fail(const QString& path, const QString& message);
    bool failed() const { return !m_error.isEmpty(); }

    // Renames every file into place when all were written; otherwise cancels all of them.
    // False with errorString() set on any failure.
    bool commit();
    QString errorString() const { return m_error; }

private:
    std::vector<std::unique_ptr<SafeSave>> m_files;
    QStringList m_paths;
    QString m_error;
};

} // namespace korvex
