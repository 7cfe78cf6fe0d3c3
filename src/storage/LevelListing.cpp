#include "storage/LevelListing.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"

#include <QFileInfo>

namespace korvex {

QString placeholderKey(Level level) {
    switch (level) {
    case Level::Category:
        return QStringLiteral("EmptyCategoryString");
    case Level::Subcategory:
        return QStringLiteral("EmptySubCategoryString");
    case Level::Practise:
        return QStringLiteral("EmptyPractiseString");
    case Level::Plan:
        return QStringLiteral("EmptyPlanString");
    }
    return {};
}

QStringList listFolderLevel(const QString& folder) {
    QStringList result;
    const QStringList names = ListFolder(folder, QStringLiteral("*"), ListKind::Folders);
    for (const QString& name : names) {
        if (!QFileInfo(joinPath(folder, name)).isHidden())
            result.append(name);
    }
    return result;
}

QStringList listItemLevel(const QString& folder, const QString& extension) {
    return ListFolder(folder, QLatin1Char('*') + extension, ListKind::Files);
}

QStringList withPlaceholder(QStringList list, const QString& placeholder) {
    if (list.isEmpty() && !placeholder.isEmpty())
        list.append(placeholder);
    return list;
}

} // namespace korvex
