#include "storage/TTeamRecords.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/StreamRecords.h"
#include "storage/ItemNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvex {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

TTeamRecords::TTeamRecords(int recordSize, QString extension, QString backupExtension)
    : m_recordSize(recordSize), m_extension(std::move(extension)),
      m_backupExtension(std::move(backupExtension)) {}

void TTeamRecords::setLocation(const QString& root, const QString& folder) {
    m_root = root;
    m_folder = folder;
}

QString TTeamRecords::folderPath() const {
    return joinPath(m_root, m_folder);
}

int TTeamRecords::maxEntries() const {
    return std::numeric_limits<qint32>::max();
}

bool TTeamRecords::setError(const QString& message) {
    m_error = message;
    return false;
}

bool TTeamRecords::addEntry(const FixedRecord& record, const QStringList& notes) {
    if (record.size() != m_recordSize)
        return setError(QStringLiteral("a record must hold %1 bytes").arg(m_recordSize));
    if (count() >= maxEntries())
        return setError(QStringLiteral("The team %1 already holds %2 records, the most its file "
                                       "can keep; the new one was not added.")
                            .arg(m_team)
                            .arg(maxEntries()));
    m_entries.append({record, notes});
    m_modified = true;
    return true;
}

bool TTeamRecords::replaceEntry(int index, const FixedRecord& record, const QStringList& notes) {
    if (index < 0 || index >= count() || record.size() != m_recordSize)
        return setError(QStringLiteral("there is no record %1 to replace").arg(index));
    m_entries[index] = {record, notes};
    m_modified = true;
    return true;
}

bool TTeamRecords::deleteEntry(int index) {
    if (index < 0 || index >= count())
        return setError(QStringLiteral("there is no record %1 to delete").arg(index));
    m_entries.removeAt(index);
    m_modified = true;
    return true;
}

void TTeamRecords::setEntries(const QList<TeamEntry>& entries) {
    m_entries = entries;
}

void TTeamRecords::clear() {
    m_entries.clear();
    m_team.clear();
    m_modified = false;
    m_versionRefused = false;
}

QString TTeamRecords::teamFilePath(const QString& team) const {
    const QString path = joinPath(folderPath(), team + m_extension);
    if (team.isEmpty() || QFileInfo::exists(path))
        return path;
    const QStringList names = QDir(folderPath()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (name.size() == team.size() + m_extension.size() && name.startsWith(team) &&
            name.endsWith(m_extension, Qt::CaseInsensitive))
            return joinPath(folderPath(), name);
    }
    return path;
}

QStringList TTeamRecords::listTeams() const {
    return ListFolder(folderPath(), QStringLiteral("*") + m_extension, ListKind::Files);
}

bool TTeamRecords::createTeam(qint32 version, const QString& name) {
    if (!isSafeItemName(name))
        return setError(QStringLiteral("\"%1\" cannot be used as a team name").arg(name));
    const QString path = teamFilePath(name);
    if (QFileInfo::exists(path))
        return setError(QStringLiteral("%1: the team exists already").arg(native(path)));
    if (!QDir().mkpath(extractFolder(path)))
        return setError(QStringLiteral("%1: the folder cannot be made").arg(native(path)));
    const QList<TeamEntry> before = m_entries;
    const qint32 versionBefore = m_version;
    m_entries.clear();
    m_version = version;
    m_versionRefused = writesOwnVersion() && !isAcceptedVersion(version);
    if (!writeFile(path)) {
        m_entries = before;
        m_version = versionBefore;
        return false;
    }
    m_team = name;
    m_modified = false;
    return true;
}

bool TTeamRecords::loadTeam(const QString& name) {
    clear();
    if (!readFile(teamFilePath(name), true))
        return false;
    m_team = name;
    m_modified = false;
    return true;
}

bool TTeamRecords::saveTeam() {
    if (m_team.isEmpty())
        return setError(QStringLiteral("no team is open"));
    if (!writeFile(teamFilePath(m_team)))
        return false;
    m_modified = false;
    return true;
}

bool TTeamRecords::renameTeam(const QString& newName) {
    if (m_team.isEmpty())
        return setError(QStringLiteral("no team is open"));
    if (!isSafeItemName(newName))
        return setError(QStringLiteral("\"%1\" cannot be used as a team name").arg(newName));
    const QString from = teamFilePath(m_team);
    const QString to = teamFilePath(newName);
    if (QFileInfo::exists(to))
        return setError(QStringLiteral("%1: the team exists already").arg(native(to)));
    if (!QFile::rename(from, to))
        return setError(QStringLiteral("%1 cannot be renamed").arg(native(from)));
    m_team = newName;
    return true;
}

bool TTeamRecords::deleteTeamFile() {
    if (m_team.isEmpty())
        return setError(QStringLiteral("no team is open"));
    const QString path = teamFilePath(m_team);
    if (!QFile::remove(path))
        return setError(QStringLiteral("%1 cannot be deleted").arg(native(path)));
    clear();
    return true;
}

bool TTeamRecords::readEntry(BinaryReader& in, TeamEntry* entry) const {
    const QByteArray bytes = in.readBytes(m_recordSize);
    QStringList notes = readStreamStrings(in);
    if (!in.ok())
        return false;
    entry->record = FixedRecord::fromBytes(bytes);
    entry->notes = std::move(notes);
    return true;
}

void TTeamRecords::writeEntry(BinaryWriter& out, const TeamEntry& entry) const {
    out.writeBytes(entry.record.bytes());
    writeStreamStrings(out, entry.notes);
}

bool TTeamRecords::readRecords(BinaryReader& in, QList<TeamEntry>& entries) {
    return readCounted(in, in.readInt32(), entries);
}

bool TTeamRecords::readCounted(BinaryReader& in, qint32 count, QList<TeamEntry>& entries) {
    if (!in.checkCount(count, m_recordSize + 4, QStringLiteral("records")))
        return false;
    QList<TeamEntry> read;
    read.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        TeamEntry entry;
        if (!readEntry(in, &entry))
            return false;
        read.append(std::move(entry));
    }
    entries = std::move(read);
    return true;
}

bool TTeamRecords::read(QIODevice* device, const QString& sourceName, bool clearFirst) {
    if (clearFirst)
        m_entries.clear();
    BinaryReader in(device, sourceName);
    const qint32 version = in.readInt32();
    if (!in.ok())
        return setError(in.errorString());
    if (!isAcceptedVersion(version)) {
        // Merged into an open team, a file of unknown version adds nothing and leaves the
        // team as it is; read as a team, it reads as an empty team that is never saved.
        if (!clearFirst)
            return setError(QStringLiteral("%1: format version %2 is not read by this program; "
                                           "nothing was added")
                                .arg(sourceName)
                                .arg(version));
        m_version = version;
        m_versionRefused = true;
        return true;
    }
    if (clearFirst) {
        m_version = version;
        m_versionRefused = false;
    }
    QList<TeamEntry> entries = m_entries;
    if (!readRecords(in, entries)) {
        if (in.ok())
            return false; // readRecords set its own error
        return setError(in.errorString());
    }
    m_entries = std::move(entries);
    return true;
}

bool TTeamRecords::readFile(const QString& path, bool clearFirst) {
    if (clearFirst)
        m_entries.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return setError(
            QStringLiteral("%1: cannot be read: %2").arg(native(path), file.errorString()));
    return read(&file, native(path), clearFirst);
}

bool TTeamRecords::write(QIODevice* device) {
    if (m_versionRefused)
        return setError(QStringLiteral("the team file has format version %1, which this program "
                                       "cannot read; it is not overwritten")
                            .arg(m_version));
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeInt32(versionToWrite());
    out.writeInt32(static_cast<qint32>(m_entries.size()));
    for (const TeamEntry& entry : m_entries)
        writeEntry(out, entry);
    if (!out.ok())
        return setError(out.errorString());
    QString error;
    if (!writeAll(device, bytes, &error))
        return setError(error);
    return true;
}

bool TTeamRecords::writeFile(const QString& path) {
    SafeSave save(path);
    if (save.open() && !write(save.device()))
        save.fail(m_error);
    if (!save.commit())
        return setError(save.errorString());
    return true;
}

} // namespace korvex
