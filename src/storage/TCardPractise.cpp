#include "storage/TCardPractise.h"

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/StreamRecords.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace korvex {

namespace {

constexpr ShortStringField kFields[] = {
    {0, 50}, {51, 20}, {72, 10}, {83, 2}, {86, 20}, {107, 13}, {121, 100}, {222, 100},
};

} // namespace

ShortStringField TCardPractise::fieldOf(Field field) {
    return kFields[field];
}

QStringList TCardPractise::headingKeys() {
    return {QStringLiteral("Surname"), QStringLiteral("FirstName"), QStringLiteral("Birth"),
            QStringLiteral("No"),      QStringLiteral("Position"),  QStringLiteral("Phone"),
            QStringLiteral("EMail")};
}

TCardPractise::TCardPractise()
    : TTeamRecords(kRecordSize, QStringLiteral(".cmp"), QStringLiteral(".cbp")) {
    setSortLocale(QLocale(QLocale::English));
}

QLocale TCardPractise::sortLocaleOf(const QString& languageName) {
    if (languageName.compare(QStringLiteral("Czech"), Qt::CaseInsensitive) == 0)
        return QLocale(QLocale::Czech);
    if (languageName.compare(QStringLiteral("German"), Qt::CaseInsensitive) == 0)
        return QLocale(QLocale::German);
    return QLocale(QLocale::English);
}

void TCardPractise::setSortLocale(const QLocale& locale) {
    m_collator = QCollator(locale);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void TCardPractise::setArchive(const QString& folderName, const QString& caption) {
    m_archiveFolder = folderName;
    m_archiveCaption = caption;
}

QString TCardPractise::archiveFilePath() const {
    return joinPath(folderPath(), m_archiveFolder, m_archiveFolder + extension());
}

bool TCardPractise::archiveExists() const {
    return !m_archiveFolder.isEmpty() && QDir(joinPath(folderPath(), m_archiveFolder)).exists();
}

QString TCardPractise::teamFilePath(const QString& team) const {
    if (isArchive(team))
        return archiveFilePath();
    return TTeamRecords::teamFilePath(team);
}

QStringList TCardPractise::listTeams() const {
    QStringList teams = TTeamRecords::listTeams();
    if (archiveExists())
        teams.prepend(m_archiveCaption);
    return teams;
}

QString TCardPractise::storedNumber(const QString& typed) {
    QString number = typed.trimmed();
    if (number.isEmpty())
        number = QStringLiteral("0");
    if (number.size() == 1)
        number.prepend(QLatin1Char('0'));
    return number;
}

QString TCardPractise::shownNumber(const QString& stored) {
    return stored == QStringLiteral("0") || stored == QStringLiteral("00") ? QString() : stored;
}

bool TCardPractise::isArchive(const QString& team) const {
    return !m_archiveCaption.isEmpty() && team == m_archiveCaption;
}

bool TCardPractise::ensureArchiveFolder() {
    const QString folder = joinPath(folderPath(), m_archiveFolder);
    if (m_archiveFolder.isEmpty() || QDir().mkpath(folder))
        return true;
    return setError(
        QStringLiteral("%1: the folder cannot be made").arg(QDir::toNativeSeparators(folder)));
}

bool TCardPractise::openTeam(const QString& team) {
    if (isArchive(team) && !QFile::exists(archiveFilePath())) {
        if (!ensureArchiveFolder())
            return false;
        TCardPractise empty;
        empty.setWriteVersion(m_writeVersion);
        if (!empty.writeFile(archiveFilePath()))
            return setError(empty.errorString());
    }
    return loadTeam(team);
}

FixedRecord TCardPractise::makeRecord(const QStringList& fieldTexts) {
    FixedRecord record(kRecordSize);
    for (int i = 0; i < fieldTexts.size() && i <= Address; ++i)
        record.setField(kFields[i], fieldTexts.at(i));
    return record;
}

QString TCardPractise::field(int card, Field field) const {
    return entry(card).record.field(kFields[field]);
}

bool TCardPractise::saveOneCard(int index, const QString& path) {
    if (index < 0 || index >= count())
        return setError(QStringLiteral("there is no card %1 to save").arg(index));
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeInt32(m_writeVersion);
    out.writeInt32(kOneCardMarker);
    writeEntry(out, entry(index));
    if (!out.ok())
        return setError(out.errorString());
    QString error;
    if (!saveBytes(path, bytes, &error))
        return setError(error);
    return true;
}

bool TCardPractise::importCardFile(const QString& path) {
    const bool ok = readFile(path, false);
    if (ok)
        setModified(true);
    return ok;
}

bool TCardPractise::readRecords(BinaryReader& in, QList<TeamEntry>& entries) {
    const qint32 count = in.readInt32();
    if (!in.ok())
        return false;
    if (count == kOneCardMarker) {
        if (entries.size() >= kMaxCards)
            return setError(QStringLiteral("%1: the team already holds %2 cards, the most its "
                                           "file can keep; the card was not added")
                                .arg(in.sourceName())
                                .arg(kMaxCards));
        TeamEntry card;
        if (!readEntry(in, &card))
            return false;
        entries.append(std::move(card));
        return true;
    }
    if (count > kMaxCards) {
        in.fail(QStringLiteral("card count %1 is more than a team file can hold").arg(count));
        return false;
    }
    // A whole team read into an open team joins it: the cards in memory are never
    // replaced by a file chosen as a player file.
    QList<TeamEntry> read;
    if (!readCounted(in, count, read))
        return false;
    if (entries.size() + read.size() > kMaxCards)
        return setError(QStringLiteral("%1: the team holds %2 cards and the file %3; a team file "
                                       "keeps at most %4, so nothing was added")
                            .arg(in.sourceName())
                            .arg(entries.size())
                            .arg(read.size())
                            .arg(kMaxCards));
    entries.append(read);
    return true;
}

void TCardPractise::setSortColumn(int column) {
    m_sortColumn = std::clamp(column, 0, kColumnCount - 1);
}

void TCardPractise::setAscending(int column, bool ascending) {
    if (column >= 0 && column < kColumnCount)
        m_ascending[column] = ascending;
}

bool TCardPractise::ascending(int column) const {
    return column >= 0 && column < kColumnCount ? m_ascending[column] : true;
}

int TCardPractise::compareCards(const TeamEntry& a, const TeamEntry& b, int column) const {
    switch (column) {
    case Surname:
    case FirstName:
    case Position:
        return m_collator.compare(a.record.field(kFields[column]), b.record.field(kFields[column]));
    case Number: {
        const QByteArray x = a.record.fieldBytes(kFields[Number]);
        const QByteArray y = b.record.fieldBytes(kFields[Number]);
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    default:
        return 0; // birth date, phone and e-mail keep the order
    }
}

void TCardPractise::sort() {
    const int column = m_sortColumn;
    if (column == Birth || column == Phone || column == EMail)
        return;
    const bool up = m_ascending[column];
    QList<TeamEntry> cards = entries();
    for (int i = 0; i + 1 < cards.size(); ++i) {
        int best = i;
        for (int j = i + 1; j < cards.size(); ++j) {
            const int order = compareCards(cards[j], cards[best], column);
            if (up ? order < 0 : order > 0)
                best = j;
        }
        if (best != i)
            cards.swapItemsAt(i, best);
    }
    // Reordering is not an edit of the team.
    const bool wasModified = modified();
    for (int i = 0; i < cards.size(); ++i)
        replaceEntry(i, cards[i].record, cards[i].notes);
    setModified(wasModified);
}

QList<QStringList> TCardPractise::gridRows() {
    sort();
    QList<QStringList> rows;
    for (int i = 0; i < count(); ++i) {
        QStringList row;
        for (int column = 0; column < kColumnCount; ++column)
            row.append(field(i, static_cast<Field>(column)));
        row[Number] = shownNumber(row[Number]);
        rows.append(row);
    }
    return rows;
}

QStringList TCardPractise::shortList(const QString& separator) const {
    QList<int> order;
    for (int i = 0; i < count(); ++i)
        order.append(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return compareCards(entry(a), entry(b), Surname) < 0;
    });
    QStringList lines;
    for (int i : order) {
        QString line = field(i, Surname) + separator + field(i, FirstName);
        const QString number = shownNumber(field(i, Number));
        if (!number.isEmpty())
            line += separator + number;
        lines.append(line);
    }
    return lines;
}

} // namespace korvex
