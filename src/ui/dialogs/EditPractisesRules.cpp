#include "ui/dialogs/EditPractisesRules.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "ui/LanguageKeys.h"

namespace korvex {

QString alreadyExistsKey(TreeLevel level) {
    switch (level) {
    case TreeLevel::Category:
        return LK("CatAlreadyExist");
    case TreeLevel::Subcategory:
        return LK("SubCatAlreadyExist");
    case TreeLevel::Practise:
        break;
    }
    return LK("PracAlreadyExist");
}

QString newNameRefusal(TreeLevel level, const QString& name, const QStringList& existing,
                       int maxBytes) {
    if (level == TreeLevel::Practise && isBlank(name))
        return LK("EnterNameNewPrac");
    // An empty folder name counts as taken, as the editor always told it.
    if (name.isEmpty())
        return alreadyExistsKey(level);
    if (isBlank(name))
        return LK("NameIsEmpty");
    if (!TPractiseObject::isValidName(name))
        return LK("NameNotAllowed");
    if (name.toUtf8().size() > maxBytes)
        return LK("NameTooLong");
    if (existing.contains(name, Qt::CaseInsensitive))
        return alreadyExistsKey(level);
    return QString();
}

QString freeCopyName(const QString& name, const QStringList& existing) {
    for (int number = 2;; ++number) {
        const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(number);
        if (!existing.contains(candidate, Qt::CaseInsensitive))
            return candidate;
    }
}

int selectionAfterDelete(int index, int remaining) {
    if (remaining <= 0)
        return -1;
    if (index < 0)
        return 0;
    return index < remaining ? index : remaining - 1;
}

QString deleteQuestion(const TLanguage& language, const QString& name, TreeLevel level,
                       bool hasContent) {
    const QString space(QLatin1Char(' '));
    const QString ask = language.Text(LK("DoUWantDel")) + space + name + QLatin1Char('?');
    if (level == TreeLevel::Practise)
        return ask;
    if (hasContent)
        return name + space + language.Text(LK("IsNotEmpty")) + space + space + ask;
    return space + ask;
}

QString referenceWarning(const TLanguage& language) {
    return language.Text(LK("DeletePractiseWarningTP")) + QLatin1Char(' ') +
           language.Text(LK("Continue")) + QLatin1Char('?');
}

} // namespace korvex
