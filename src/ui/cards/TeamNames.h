#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// What a name typed for a new or renamed team meets.
enum class TeamNameCheck {
    Accepted,
    Empty,    // nothing typed: the command does nothing
    Reserved, // "Archive" or the archive's caption in the current language
    Exists,   // a team of that name is listed already (letter case aside)
};

// Checks `entry` (already trimmed) against the archive caption and the team list.
TeamNameCheck checkTeamName(const QString& entry, const QString& archiveCaption,
                            const QStringList& teams);

} // namespace korvex
