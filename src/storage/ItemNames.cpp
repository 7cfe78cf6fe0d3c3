#include "storage/ItemNames.h"

#include "core/Paths.h"

#include <algorithm>

namespace korvex {

bool isSafeItemName(const QString& name) {
    return isPlainName(name);
}

int maxItemNameBytes(ItemKind kind) {
    // The longest suffix the file set adds to the name ("Small.jpg" for a graphic practise),
    // and the ".XXXXXX" of the temporary every save writes first.
    constexpr qsizetype kTemporarySuffix = 7;
    qsizetype suffix = 0;
    for (const QString& file : itemFiles(kind, QString()))
        suffix = std::max(suffix, extractFileName(file).toUtf8().size());
    return kMaxFileNameBytes - int(suffix + kTemporarySuffix);
}

QString itemNameProblem(ItemKind kind, const QString& name) {
    if (isBlank(name))
        return QStringLiteral("the name is empty");
    if (!isSafeItemName(name))
        return QStringLiteral("\"%1\" is not a plain name (no \\, /, : or control characters, "
                              "no leading dot)")
            .arg(printableName(name));
    const int limit = maxItemNameBytes(kind);
    if (name.toUtf8().size() > limit)
        return QStringLiteral("the name is too long: at most %1 bytes (letters with accents "
                              "take two)")
            .arg(limit);
    return {};
}

QString printableName(const QString& name) {
    QString shown;
    shown.reserve(name.size());
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

bool isAcceptedVersion(qint32 version) {
    return (version >= 100 && version <= 141) || version == 999;
}

} // namespace korvex
