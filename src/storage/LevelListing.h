#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// The levels of the practise tree and the language keys of their placeholders, shown
// in a selection box when a level is empty.
enum class Level {
    Category,
    Subcategory,
    Practise,
    Plan,
};

QString placeholderKey(Level level);

// Folder mode: the plain sub-folders of `folder` (categories or subcategories). Hidden
// folders are not listed, so a folder the system or user hid never shows as a category.
QStringList listFolderLevel(const QString& folder);

// File mode: the items of `folder` with data extension `extension` (".gmp"), each
// under its file name cut before the last "." (so "name.with.dots.gmp" is
// "name.with.dots").
QStringList listItemLevel(const QString& folder, const QString& extension);

// When `list` is empty and `placeholder` is not, the list becomes just the placeholder.
QStringList withPlaceholder(QStringList list, const QString& placeholder);

} // namespace korvex
