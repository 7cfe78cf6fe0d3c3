#pragma once

#include "core/SelectionBox.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace korvex {

class TLanguage;
class TSettings;

// Base of every stored item kind. Items live in a three-level folder tree,
//   {root}/{kind folder}/{category}/{subcategory}/{name}{extension},
// and the item kinds implement the seven operations below on the stem path (the full path
// without extension; an item may consist of several files with that stem).
//
// The object also drives a view's three selection boxes (category, subcategory, item)
// through the SelectionBox interface: which level changes, what the lower levels fall to,
// and which placeholder texts stand for an empty level.
class TPractiseObject {
public:
    TPractiseObject(const QString& root, const QString& kindFolder, const QString& extension,
                    const QString& backupExtension = {}, TLanguage* language = nullptr,
                    TSettings* settings = nullptr);
    virtual ~TPractiseObject();
    TPractiseObject(const TPractiseObject&) = delete;
    TPractiseObject& operator=(const TPractiseObject&) = delete;

    // Resets the content to a new, empty item.
    virtual void Clear() = 0;
    // Writes / reads / deletes the item files of stem `path`.
    virtual bool Save(const QString& path) = 0;
    virtual bool Load(const QString& path) = 0;
    virtual bool Delete(const QString& path) = 0;
    // Moves / copies the current item's files to the new stem `path`.
    virtual bool Rename(const QString& path) = 0;
    virtual bool Copy(const QString& path) = 0;
    // The item names (without extension) of the current subcategory folder.
    virtual QStringList ListItems() = 0;
    // Why the last operation failed (a save, most of all); the item kinds keep the text.
    virtual QString errorString() const { return QString(); }

    // Current selection. Setting a level to its placeholder text stores the empty value;
    // whenever a level becomes empty the item is cleared.
    const QString& category() const { return m_category; }
    const QString& subcategory() const { return m_subcategory; }
    const QString& name() const { return m_name; }
    void setCategory(const QString& category);
    void setSubcategory(const QString& subcategory);
    void setName(const QString& name);
    QString levelValue(int level) const;
    void setLevelValue(int level, const QString& value);

    void setPlaceholders(const QString& emptyCategory, const QString& emptySubcategory,
                         const QString& emptyItem);
    QString placeholder(int level) const;

    const QString& root() const { return m_root; }
    const QString& kindFolder() const { return m_kindFolder; }
    const QString& extension() const { return m_extension; }
    const QString& backupExtension() const { return m_backupExtension; }
    TLanguage* language() const { return m_language; }
    TSettings* settings() const { return m_settings; }

    bool modified() const { return m_modified; }
    void setModified(bool on) { m_modified = on; }
    int formatVersion() const { return m_formatVersion; }
    void setFormatVersion(int version) { m_formatVersion = version; }

    QString kindPath() const;
    QString categoryPath() const;
    QString subcategoryPath() const;
    // The stem of the current item (no extension), and its main file.
    QString currentPath() const;
    QString currentFile() const;
    bool hasCurrentItem() const;

    // True for a name a folder or item may take: isPlainName, the rule backups check too.
    static bool isValidName(const QString& name);

    // Folder and file operations. A failing operation returns false and changes nothing
    // further.
    bool CreateCategory(const QString& name);
    bool CreateSubcategory(const QString& name);
    // The three folders must exist. Sets the name and format version, then saves.
    bool CreateItem(const QString& name, int version);
    bool DeleteCategory();
    bool DeleteSubcategory();
    bool DeleteCurrent();
    // The renamed level becomes the current value.
    bool RenameCategory(const QString& name);
    bool RenameSubcategory(const QString& name);
    bool RenameCurrent(const QString& name);
    bool CopyCurrent(const QString& name);
    // Loads the current item when its subcategory folder exists; clears the modified flag.
    bool LoadCurrent();
    // Saves the current item. Returns whether the save succeeded; the modified flag stays
    // set when it did not.
    bool SaveCurrent();
    bool ExportCurrent(const QString& file);
    // Copies `file` onto the current item's main file, loads it and saves it again in the
    // current format. When the file does not load, the previous item is put back.
    bool ImportInto(const QString& file);

    bool ListCategories(QStringList& list, bool withPlaceholder);
    bool ListSubcategories(QStringList& list, bool withPlaceholder);
    bool ListNames(QStringList& list, bool withPlaceholder);

    // Selection boxes (not owned; they must outlive their registration).
    void RegisterCombo(SelectionBox* box);
    void UnregisterCombos() { m_combos.clear(); }
    // Refills the level of `box` (its items are read again from disk).
    void ComboDropDown(SelectionBox* box);
    // The user picked an entry of `box`: saves a modified item, takes the new value, lets
    // every lower level keep its name when it exists under the new parent (else its first
    // entry), then clears and loads the item. When the modified item cannot be saved nothing
    // changes: the item keeps its edits, `box` shows the current value again, and the
    // result is false (errorString() says why).
    bool ComboChanged(SelectionBox* box);
    // With `empty` only the placeholders are shown. Otherwise the boxes are filled and
    // selected from the indices the settings remember for the current mode (modes 3 and 6
    // use the fixed training-plan or archive category) and the item is loaded.
    void FillCombos(bool empty, const TSettings& settings);

private:
    QStringList listSubfolders(const QString& folder) const;
    QStringList levelList(int level);
    // Refills the boxes of `level` and returns the text now selected (the value-matching
    // entry, else the first); works without a box too.
    QString refillLevel(int level, int preferredIndex = -1);
    SelectionBox* boxOf(int level) const;
    bool deleteSubcategoryFolder(const QString& folder);
    bool renameFolder(const QString& parent, const QString& from, const QString& to);

    QString m_name;
    QString m_category;
    QString m_subcategory;
    QString m_root;
    QString m_kindFolder;
    QString m_emptyItemText;
    QString m_emptyCategoryText;
    QString m_emptySubcategoryText;
    bool m_modified = false;
    QString m_extension;
    std::vector<SelectionBox*> m_combos;
    QString m_backupExtension;
    int m_formatVersion = 0;
    TLanguage* m_language;
    TSettings* m_settings;
};

} // namespace korvex
