#include "core/TPractiseObject.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/TSettings.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace korvex {

namespace {

constexpr int kCategoryLevel = 0;
constexpr int kSubcategoryLevel = 1;
constexpr int kItemLevel = 2;

bool makeFolder(const QString& parent, const QString& name) {
    QDir dir(parent);
    return dir.exists(name) || dir.mkdir(name);
}

} // namespace

TPractiseObject::TPractiseObject(const QString& root, const QString& kindFolder,
                                 const QString& extension, const QString& backupExtension,
                                 TLanguage* language, TSettings* settings)
    : m_root(root), m_kindFolder(kindFolder), m_extension(extension),
      m_backupExtension(backupExtension), m_language(language), m_settings(settings) {}

// The boxes belong to the view; only the registrations go.
TPractiseObject::~TPractiseObject() = default;

void TPractiseObject::setPlaceholders(const QString& emptyCategory, const QString& emptySubcategory,
                                      const QString& emptyItem) {
    m_emptyCategoryText = emptyCategory;
    m_emptySubcategoryText = emptySubcategory;
    m_emptyItemText = emptyItem;
}

QString TPractiseObject::placeholder(int level) const {
    switch (level) {
    case kCategoryLevel:
        return m_emptyCategoryText;
    case kSubcategoryLevel:
        return m_emptySubcategoryText;
    case kItemLevel:
        return m_emptyItemText;
    default:
        return {};
    }
}

QString TPractiseObject::levelValue(int level) const {
    switch (level) {
    case kCategoryLevel:
        return m_category;
    case kSubcategoryLevel:
        return m_subcategory;
    case kItemLevel:
        return m_name;
    default:
        return {};
    }
}

void TPractiseObject::setLevelValue(int level, const QString& value) {
    if (level < kCategoryLevel || level > kItemLevel)
        return;
    const QString stored =
        !placeholder(level).isEmpty() && value == placeholder(level) ? QString() : value;
    (level == kCategoryLevel      ? m_category
     : level == kSubcategoryLevel ? m_subcategory
                                  : m_name) = stored;
    if (stored.isEmpty())
        Clear();
}

void TPractiseObject::setCategory(const QString& category) {
    setLevelValue(kCategoryLevel, category);
}

void TPractiseObject::setSubcategory(const QString& subcategory) {
    setLevelValue(kSubcategoryLevel, subcategory);
}

void TPractiseObject::setName(const QString& name) {
    setLevelValue(kItemLevel, name);
}

QString TPractiseObject::kindPath() const {
    return joinPath(m_root, m_kindFolder);
}
QString TPractiseObject::categoryPath() const {
    return joinPath(kindPath(), m_category);
}
QString TPractiseObject::subcategoryPath() const {
    return joinPath(categoryPath(), m_subcategory);
}
QString TPractiseObject::currentPath() const {
    return joinPath(subcategoryPath(), m_name);
}
QString TPractiseObject::currentFile() const {
    return currentPath() + m_extension;
}

bool TPractiseObject::hasCurrentItem() const {
    return !m_category.isEmpty() && !m_subcategory.isEmpty() && !m_name.isEmpty();
}

bool TPractiseObject::isValidName(const QString& name) {
    return isPlainName(name);
}

bool TPractiseObject::CreateCategory(const QString& name) {
    if (!isValidName(name))
        return false;
    return makeFolder(m_root, m_kindFolder) && makeFolder(kindPath(), name);
}

bool TPractiseObject::CreateSubcategory(const QString& name) {
    if (m_category.isEmpty() || !isValidName(name))
        return false;
    return makeFolder(m_root, m_kindFolder) && makeFolder(kindPath(), m_category) &&
           makeFolder(categoryPath(), name);
}

bool TPractiseObject::CreateItem(const QString& name, int version) {
    if (m_category.isEmpty() || m_subcategory.isEmpty() || !isValidName(name) ||
        !QDir(subcategoryPath()).exists())
        return false;
    const QString previousName = m_name;
    const int previousVersion = m_formatVersion;
    m_name = name;
    m_formatVersion = version;
    if (SaveCurrent())
        return true;
    m_name = previousName;
    m_formatVersion = previousVersion;
    return false;
}

bool TPractiseObject::deleteSubcategoryFolder(const QString& folder) {
    const QStringList files = ListFolder(folder, QStringLiteral("*"), ListKind::Files);
    QSet<QString> done;
    for (const QString& file : files) {
        if (done.contains(file))
            continue; // the files of one item share their stem
        done.insert(file);
        Delete(joinPath(folder, file));
    }
    // Only an empty folder goes: files no item kind claims stay, with their folder.
    return QDir().rmdir(folder);
}

bool TPractiseObject::DeleteCategory() {
    if (m_category.isEmpty())
        return false;
    const QString folder = categoryPath();
    if (!QDir(folder).exists())
        return false;
    for (const QString& sub : listSubfolders(folder))
        deleteSubcategoryFolder(joinPath(folder, sub));
    return QDir().rmdir(folder);
}

bool TPractiseObject::DeleteSubcategory() {
    if (m_category.isEmpty() || m_subcategory.isEmpty() || !QDir(subcategoryPath()).exists())
        return false;
    return deleteSubcategoryFolder(subcategoryPath());
}

bool TPractiseObject::DeleteCurrent() {
    if (!hasCurrentItem())
        return false;
    return Delete(currentPath());
}

bool TPractiseObject::renameFolder(const QString& parent, const QString& from, const QString& to) {
    QDir dir(parent);
    if (!dir.exists(from) || dir.exists(to))
        return false;
    return dir.rename(from, to);
}

bool TPractiseObject::RenameCategory(const QString& name) {
    if (m_category.isEmpty() || !isValidName(name) || !renameFolder(kindPath(), m_category, name))
        return false;
    m_category = name;
    return true;
}

bool TPractiseObject::RenameSubcategory(const QString& name) {
    if (m_category.isEmpty() || m_subcategory.isEmpty() || !isValidName(name) ||
        !renameFolder(categoryPath(), m_subcategory, name))
        return false;
    m_subcategory = name;
    return true;
}

bool TPractiseObject::RenameCurrent(const QString& name) {
    if (!hasCurrentItem() || !isValidName(name) || !Rename(joinPath(subcategoryPath(), name)))
        return false;
    m_name = name;
    return true;
}

bool TPractiseObject::CopyCurrent(const QString& name) {
    if (!hasCurrentItem() || !isValidName(name))
        return false;
    return Copy(joinPath(subcategoryPath(), name));
}

bool TPractiseObject::LoadCurrent() {
    if (!hasCurrentItem() || !QDir(subcategoryPath()).exists())
        return false;
    m_modified = false;
    return Load(currentPath());
}

bool TPractiseObject::SaveCurrent() {
    if (!hasCurrentItem())
        return false;
    const bool saved = Save(currentPath());
    m_modified = !saved;
    return saved;
}

bool TPractiseObject::ExportCurrent(const QString& file) {
    return hasCurrentItem() && copyFile(currentFile(), file);
}

bool TPractiseObject::ImportInto(const QString& file) {
    if (!hasCurrentItem() || !QFileInfo(file).isFile())
        return false;
    const QString target = currentFile();
    QFile old(target);
    const bool hadOld = old.exists();
    QByteArray oldBytes;
    if (hadOld) {
        if (!old.open(QIODevice::ReadOnly))
            return false;
        oldBytes = old.readAll();
        old.close();
    }
    if (!copyFile(file, target))
        return false;
    if (Load(currentPath()) && SaveCurrent())
        return true;
    // The file does not load, or the loaded item refuses to be saved (a version this
    // program does not read): the item that was there comes back.
    if (hadOld) {
        saveBytes(target, oldBytes);
        Load(currentPath());
    } else {
        QFile::remove(target);
        Clear();
    }
    return false;
}

QStringList TPractiseObject::listSubfolders(const QString& folder) const {
    return ListFolder(folder, QStringLiteral("*"), ListKind::Folders);
}

bool TPractiseObject::ListCategories(QStringList& list, bool withPlaceholder) {
    list = listSubfolders(kindPath());
    if (withPlaceholder && list.isEmpty())
        list.append(m_emptyCategoryText);
    return true;
}

bool TPractiseObject::ListSubcategories(QStringList& list, bool withPlaceholder) {
    const bool ok = !m_category.isEmpty();
    list = ok ? listSubfolders(categoryPath()) : QStringList();
    if (withPlaceholder && list.isEmpty())
        list.append(m_emptySubcategoryText);
    return ok;
}

bool TPractiseObject::ListNames(QStringList& list, bool withPlaceholder) {
    const bool ok = !m_category.isEmpty() && !m_subcategory.isEmpty();
    list = ok ? ListItems() : QStringList();
    if (withPlaceholder && list.isEmpty())
        list.append(m_emptyItemText);
    return ok;
}

QStringList TPractiseObject::levelList(int level) {
    QStringList list;
    if (level == kCategoryLevel)
        ListCategories(list, true);
    else if (level == kSubcategoryLevel)
        ListSubcategories(list, true);
    else
        ListNames(list, true);
    return list;
}

SelectionBox* TPractiseObject::boxOf(int level) const {
    for (SelectionBox* box : m_combos) {
        if (box->level() == level)
            return box;
    }
    return nullptr;
}

QString TPractiseObject::refillLevel(int level, int preferredIndex) {
    const QStringList list = levelList(level);
    int index = preferredIndex;
    if (index < 0)
        index = static_cast<int>(list.indexOf(levelValue(level)));
    if (index < 0 || index >= list.size())
        index = 0;
    for (SelectionBox* box : m_combos) {
        if (box->level() == level) {
            box->setItems(list);
            box->setCurrentIndex(index);
        }
    }
    return list.value(index);
}

void TPractiseObject::RegisterCombo(SelectionBox* box) {
    if (box)
        m_combos.push_back(box);
}

void TPractiseObject::ComboDropDown(SelectionBox* box) {
    if (box)
        refillLevel(box->level());
}

bool TPractiseObject::ComboChanged(SelectionBox* box) {
    if (!box || box->level() < kCategoryLevel || box->level() > kItemLevel)
        return false;
    const int level = box->level();
    if (m_modified && hasCurrentItem() && !SaveCurrent()) {
        // Clearing and loading now would throw the unsaved edits away: stay on the item.
        const QString shown = levelValue(level).isEmpty() ? placeholder(level) : levelValue(level);
        box->setCurrentIndex(std::max(0, static_cast<int>(box->items().indexOf(shown))));
        return false;
    }
    setLevelValue(level, box->currentText());
    for (int lower = level + 1; lower <= kItemLevel; ++lower)
        setLevelValue(lower, refillLevel(lower));
    Clear();
    LoadCurrent();
    return true;
}

void TPractiseObject::FillCombos(bool empty, const TSettings& settings) {
    if (empty) {
        for (SelectionBox* box : m_combos) {
            box->setItems({placeholder(box->level())});
            box->setCurrentIndex(0);
        }
        return;
    }
    const int mode = settings.CurrentMode();
    int subIndex = 0;
    int itemIndex = 0;
    if (mode == 3 || mode == 6) {
        // Plans and archived plans live in a fixed category the user never picks.
        setCategory(mode == 3 ? QStringLiteral("TrainingPlanCategory") : QStringLiteral("Archive"));
        refillLevel(kCategoryLevel);
        subIndex = settings.TPTeamIndex(0);
        itemIndex = settings.TPPlanIndex(0);
    } else {
        setCategory(refillLevel(kCategoryLevel, settings.rememberedIndex(mode, kCategoryLevel)));
        subIndex = settings.rememberedIndex(mode, kSubcategoryLevel);
        itemIndex = settings.rememberedIndex(mode, kItemLevel);
    }
    setSubcategory(refillLevel(kSubcategoryLevel, std::max(0, subIndex)));
    setName(refillLevel(kItemLevel, std::max(0, itemIndex)));
    Clear();
    LoadCurrent();
}

} // namespace korvex
