#pragma once

#include <QString>

namespace korvex {

// True when `name` can be used as one file or folder name below a data folder: not
// blank, no path separator, no drive colon, and not "." or "..". Names typed by the user
// and names taken from backup files pass this test before any file is touched.
bool isSafeItemName(const QString& name);

// Format versions every reader accepts: 100 to 141 and 999.
bool isAcceptedVersion(qint32 version);

} // namespace korvex
