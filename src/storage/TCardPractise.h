#pragma once

#include "storage/TTeamRecords.h"

#include <QCollator>
#include <QLocale>

#include <array>

namespace korvex {

// The player cards of one team: a team file "<team>.cmp" in the card folder with
// 323-byte player records. A file holds either a count and that many cards, or the
// marker 1024 in place of the count and exactly one card (a single-player file), which
// is added to the cards in memory when read.
class TCardPractise : public TTeamRecords {
public:
    static constexpr int kRecordSize = 323;
    static constexpr qint32 kOneCardMarker = 1024;
    static constexpr int kMaxCards = 1023;
    static constexpr int kColumnCount = 7;

    // Fields in record order; the first seven are the grid columns.
    enum Field { Surname, FirstName, Birth, Number, Position, Phone, EMail, Address };
    static ShortStringField fieldOf(Field field);
    // Language keys of the grid headings, in column order.
    static QStringList headingKeys();

    TCardPractise();

    // The version written into team files (the installation's Version setting).
    void setWriteVersion(qint32 version) { m_writeVersion = version; }
    // The player archive: a card file in its own folder inside the card folder, shown in
    // team lists under `caption` (the localized "Archive").
    void setArchive(const QString& folderName, const QString& caption);
    QString archiveFilePath() const;
    bool archiveExists() const;
    QString teamFilePath(const QString& team) const override;
    // The archive caption first (when the archive folder exists), then every team.
    QStringList listTeams() const override;
    int maxEntries() const override { return kMaxCards; }

    // The jersey number as stored: always two characters ("07" for 7, "00" for none).
    static QString storedNumber(const QString& typed);
    // The jersey number as shown: empty for the stored "0" and "00".
    static QString shownNumber(const QString& stored);

    // True when `team` names the player archive.
    bool isArchive(const QString& team) const;
    // Makes the archive folder when it is missing, so the archive is always listed.
    bool ensureArchiveFolder();
    // Loads a team; the archive, when its file does not exist yet, is made as an empty
    // card file first (nothing is written until the archive is opened).
    bool openTeam(const QString& team);

    static FixedRecord makeRecord(const QStringList& fieldTexts);
    QString field(int card, Field field) const;

    // Writes card `index` alone in the one-card form to `path`.
    bool saveOneCard(int index, const QString& path);
    // Reads a card file into the open team without clearing it: a one-card file adds its
    // card, a counted file adds all of its cards (never past kMaxCards).
    bool importCardFile(const QString& path);

    // Names sort in the alphabet of a language ("Č" after "C", and in Czech "Ch" after
    // "H"), letter case aside, whatever the machine's own locale. English by default.
    static QLocale sortLocaleOf(const QString& languageName);
    void setSortLocale(const QLocale& locale);

    // Sorting: selection sort by the sort column; each column keeps its own direction.
    void setSortColumn(int column);
    int sortColumn() const { return m_sortColumn; }
    void setAscending(int column, bool ascending);
    bool ascending(int column) const;
    void sort();

    // The grid body after sorting: one row per card, the seven column texts (the number as
    // shown). Row 0 of the view holds the localized headingKeys().
    QList<QStringList> gridRows();
    // Cards by surname ascending: surname, separator, first name, and separator and
    // number when the player has a number.
    QStringList shortList(const QString& separator) const;

protected:
    bool readRecords(BinaryReader& in, QList<TeamEntry>& entries) override;
    qint32 versionToWrite() const override { return m_writeVersion; }

private:
    int compareCards(const TeamEntry& a, const TeamEntry& b, int column) const;

    qint32 m_writeVersion = 141;
    QString m_archiveFolder;
    QString m_archiveCaption;
    QCollator m_collator;
    int m_sortColumn = 0;
    std::array<bool, kColumnCount> m_ascending{true, true, true, true, true, true, true};
};

} // namespace korvex
