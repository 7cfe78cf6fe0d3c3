#pragma once

#include "core/SafeSave.h"

#include <QFile>
#include <QString>

#include <memory>
#include <vector>

namespace korvex {

// One file of a set that is written together: its path and its whole content.
struct FileBytes {
    QString path;
    QByteArray bytes;
};

// Saves several files that belong together (a practise's data file, picture and thumbnail)
// so that they change together, in one durable step: every file is written to a temporary
// beside it, the temporaries are made durable with one sync of their file system, and only
// then are they renamed into place, one after another (as a single save's rename, a rename
// reaches the disk with the file system's next write-back). A failure in any write or in the sync
// leaves every old file untouched and every temporary removed (only a failed rename, which a full
// disk does not cause, leaves the files renamed before it in their new state); errorString() names
// the file and the system's reason ("No space left on device"). A save killed at any moment leaves
// each file old or new; the temporaries it leaves are removed by removeSaveLeftovers.
//
//   SaveGroup group;
//   QIODevice* data = group.add(stem + ".gmp");
//   QIODevice* picture = group.add(stem + ".jpg");
//   ... write both (a writer that finds an error calls group.fail(path, message)) ...
//   if (!group.commit()) report(group.errorString());
class SaveGroup {
public:
    SaveGroup() = default;
    ~SaveGroup();
    SaveGroup(const SaveGroup&) = delete;
    SaveGroup& operator=(const SaveGroup&) = delete;

    // Opens the temporary of `path` and returns the device to write it through. When it
    // cannot be opened the group has failed (the device is still valid and refuses what
    // is written).
    QIODevice* add(const QString& path);
    // Writes `bytes` as the whole content of `path`.
    void addBytes(const QString& path, const QByteArray& bytes);
    // Marks the file `path` of the group as failed; commit() then cancels every file.
    void fail(const QString& path, const QString& message);
    bool failed() const { return !m_error.isEmpty(); }

    // Renames every file into place when all were written and synced; otherwise cancels
    // all of them. False with errorString() set on any failure.
    bool commit();
    QString errorString() const { return m_error; }

private:
    struct Member {
        QString path;   // as given, for messages and fail()
        QString target; // the file renamed over (a link's target, as the link is kept)
        std::unique_ptr<HookedWrites<QFile>> file;
        bool pending = false; // its temporary exists and is not renamed yet
    };
    // Checks every temporary, makes all of them durable and closes them.
    bool finishAll();
    // Removes the temporaries of the files from `first` on.
    void cancelFrom(size_t first);

    std::vector<Member> m_members;
    QString m_error;
};

} // namespace korvex
