#include "storage/ItemNames.h"

#include "core/Paths.h"

namespace korvex {

bool isSafeItemName(const QString& name) {
    if (isBlank(name) || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c == QChar(0))
            return false;
    }
    return true;
}

bool isAcceptedVersion(qint32 version) {
    return (version >= 100 && version <= 141) || version == 999;
}

} // namespace korvex
