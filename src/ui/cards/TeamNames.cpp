#include "ui/cards/TeamNames.h"

namespace korvex {

TeamNameCheck checkTeamName(const QString& entry, const QString& archiveCaption,
                            const QStringList& teams) {
    if (entry.isEmpty())
        return TeamNameCheck::Empty;
    // The archive is listed among the teams under its caption, so no team may carry the
    // word in any language (nor in the shipped English word, whatever the language).
    if (entry.compare(QStringLiteral("Archive"), Qt::CaseInsensitive) == 0 ||
        entry.compare(archiveCaption, Qt::CaseInsensitive) == 0)
        return TeamNameCheck::Reserved;
    // Team files differ only by letter case on no file system a library may be synced to.
    if (teams.contains(entry, Qt::CaseInsensitive))
        return TeamNameCheck::Exists;
    return TeamNameCheck::Accepted;
}

} // namespace korvex
