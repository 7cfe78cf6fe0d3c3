#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

class TLanguage;

// The checks and texts of the category editor, apart from its widgets.

// Which level a new name is meant for.
enum class TreeLevel { Category = 0, Subcategory = 1, Practise = 2 };

// The language key of the refusal of `name` as a new entry of `level` beside `existing`,
// or the empty text when the name may be used. Names are compared without regard to
// letter case: the folders are shared with file systems that ignore it. A name that would
// leave its folder (a path separator, a name of dots only) is refused with
// "NameNotAllowed", a name of spaces only with "NameIsEmpty" (for a practise
// "EnterNameNewPrac"), and one longer than `maxBytes` bytes of UTF-8 (what the file system
// holds with the longest file of the item) with "NameTooLong".
QString newNameRefusal(TreeLevel level, const QString& name, const QStringList& existing,
                       int maxBytes = 255);

// A name for a copy of `name` that is not in `existing` (compared without regard to
// letter case): "Drill 1 (2)", or "(3)" and on when that is taken too.
QString freeCopyName(const QString& name, const QStringList& existing);

// The language key for "already exists" of `level`.
QString alreadyExistsKey(TreeLevel level);

// Where the selection goes after the entry at `index` was deleted and `remaining` entries
// are left: the same index, the new last entry when that index is gone, -1 for none.
int selectionAfterDelete(int index, int remaining);

// "{name} IsNotEmpty  DoUWantDel {name}?" or " DoUWantDel {name}?" for a folder level; the
// plain "DoUWantDel {name}?" for a practise.
QString deleteQuestion(const TLanguage& language, const QString& name, TreeLevel level,
                       bool hasContent);

// The warning before renaming or deleting a category or subcategory that training plans
// may refer to.
QString referenceWarning(const TLanguage& language);

} // namespace korvex
