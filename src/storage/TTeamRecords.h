#pragma once

#include "storage/FixedRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace korvex {

class BinaryReader;
class BinaryWriter;

// One record of a team file with its own note lines.
struct TeamEntry {
    FixedRecord record;
    QStringList notes;
};

// The shared shape of the team files (player cards, diary): one file per team directly in
// the kind's folder, holding a version, a count and fixed-size records each followed by
// its note lines. Errors travel as values: every operation returns false and keeps a
// readable errorString() naming the file.
class TTeamRecords {
public:
    TTeamRecords(int recordSize, QString extension, QString backupExtension);
    virtual ~TTeamRecords() = default;

    // The application directory and the kind's folder name below it.
    void setLocation(const QString& root, const QString& folder);
    const QString& root() const { return m_root; }
    const QString& folder() const { return m_folder; }
    QString folderPath() const;
    const QString& extension() const { return m_extension; }
    const QString& backupExtension() const { return m_backupExtension; }
    int recordSize() const { return m_recordSize; }

    const QString& team() const { return m_team; }
    qint32 version() const { return m_version; }
    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    QString errorString() const { return m_error; }

    int count() const { return static_cast<int>(m_entries.size()); }
    const TeamEntry& entry(int index) const { return m_entries.at(index); }
    const QList<TeamEntry>& entries() const { return m_entries; }
    // The most records one team may hold.
    virtual int maxEntries() const;

    bool addEntry(const FixedRecord& record, const QStringList& notes);
    bool replaceEntry(int index, const FixedRecord& record, const QStringList& notes);
    bool deleteEntry(int index);
    // Puts back records taken from entries() earlier, for example after a failed save, so
    // that memory again matches the file.
    void setEntries(const QList<TeamEntry>& entries);
    // Empties the records and forgets the team.
    void clear();

    // The team's file. A file whose extension differs only in letter case ("U18.DMP",
    // written on another system) is the team's file too, since the listing shows it.
    virtual QString teamFilePath(const QString& team) const;
    // Team names of the kind's folder, in listing order: each file name without its
    // extension only, so "U18.boys.dmp" is the team "U18.boys".
    virtual QStringList listTeams() const;
    // Writes a new empty team file; refuses a name that exists or cannot be a file name.
    bool createTeam(qint32 version, const QString& name);
    bool loadTeam(const QString& name);
    bool saveTeam();
    bool renameTeam(const QString& newName);
    bool deleteTeamFile();

    // Reads a team file. With `clearFirst` the records are replaced by the file's; without
    // it they are kept and the file's are merged in (see readRecords). On failure the
    // records in memory stay as they were before the call (after the clearing, if asked).
    bool read(QIODevice* device, const QString& sourceName, bool clearFirst);
    bool readFile(const QString& path, bool clearFirst);
    bool write(QIODevice* device);
    bool writeFile(const QString& path);

protected:
    // Reads the part after the version into `entries` (already holding the records in
    // memory when merging). The default is the counted form.
    virtual bool readRecords(BinaryReader& in, QList<TeamEntry>& entries);
    // Reads `count` records (the count already read) in place of `entries`.
    bool readCounted(BinaryReader& in, qint32 count, QList<TeamEntry>& entries);
    // The version stored when writing.
    virtual qint32 versionToWrite() const = 0;
    // True for a kind that writes back the version it was read or created with.
    virtual bool writesOwnVersion() const { return false; }
    void writeEntry(BinaryWriter& out, const TeamEntry& entry) const;
    bool readEntry(BinaryReader& in, TeamEntry* entry) const;
    bool setError(const QString& message);

    qint32 m_version = 0;
    // Set when the last file read carried a version this program does not read: saving
    // is then refused so that the unread file is never replaced by an empty team.
    bool m_versionRefused = false;

private:
    int m_recordSize;
    QString m_extension;
    QString m_backupExtension;
    QString m_root;
    QString m_folder;
    QString m_team;
    bool m_modified = false;
    QList<TeamEntry> m_entries;
    QString m_error;
};

} // namespace korvex
