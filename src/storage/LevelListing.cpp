#include "storage/LevelListing.h"

#include "core/FileHelpers.h"

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
    return ListFolder(folder, QStringLiteral("*"), ListKind::Folders);
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
