#include "core/TPractiseObject.h"
#include "core/FileHelpers.h"
#include "core/SafeSave.h"
#include "core/TSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

// A small item kind: its text in {stem}.nte, plus an optional picture {stem}.jpg.
class NoteItem : public TPractiseObject {
public:
    explicit NoteItem(const QString& root)
        : TPractiseObject(root, QStringLiteral("Notes"), QStringLiteral(".nte"),
                          QStringLiteral(".nbp")) {
        setPlaceholders(QStringLiteral("<no category>"), QStringLiteral("<no team>"),
                        QStringLiteral("<no note>"));
    }

    void Clear() override {
        text.clear();
        ++clears;
    }
    bool Save(const QString& path) override {
        return !failSaves && saveBytes(path + extension(), text.toUtf8());
    }
    bool Load(const QString& path) override {
        QFile f(path + extension());
        if (!f.open(QIODevice::ReadOnly))
            return false;
        const QString read = QString::fromUtf8(f.readAll());
        if (read.startsWith(QStringLiteral("BAD")))
            return false;
        text = read;
        loadedFrom = path;
        return true;
    }
    bool Delete(const QString& path) override {
        QFile::remove(path + QStringLiteral(".jpg"));
        return QFile::remove(path + extension());
    }
    bool Rename(const QString& path) override {
        return QFile::rename(currentFile(), path + extension());
    }
    bool Copy(const QString& path) override {
        return QFile::copy(currentFile(), path + extension());
    }
    QStringList ListItems() override {
        return ListFolder(subcategoryPath(), QStringLiteral("*.nte"), ListKind::Files);
    }

    QString text;
    QString loadedFrom;
    int clears = 0;
    bool failSaves = false;
};

class FakeBox : public SelectionBox {
public:
    explicit FakeBox(int level) : m_level(level) {}
    int level() const override { return m_level; }
    QStringList items() const override { return m_items; }
    void setItems(const QStringList& items) override {
        m_items = items;
        m_index = -1;
    }
    int currentIndex() const override { return m_index; }
    void setCurrentIndex(int index) override { m_index = index; }
    // What the user does: picks the entry with this text.
    void pick(const QString& text) { m_index = static_cast<int>(m_items.indexOf(text)); }

private:
    int m_level;
    QStringList m_items;
    int m_index = -1;
};

QString S(const char* text) {
    return QString::fromUtf8(text);
}

void writeNote(const QString& root, const char* relative, const char* text) {
    const QString path = root + QStringLiteral("/Notes/") + S(relative) + QStringLiteral(".nte");
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(saveBytes(path, QByteArray(text)));
}

QString readNote(const QString& root, const char* relative) {
    QFile f(root + QStringLiteral("/Notes/") + S(relative) + QStringLiteral(".nte"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<none>");
}

} // namespace

TEST(TPractiseObject, CreatesRenamesAndDeletesFoldersAndItems) {
    QTemporaryDir tmp;
    NoteItem item(tmp.path());
    EXPECT_FALSE(item.CreateSubcategory(S("Team"))); // no category yet
    EXPECT_TRUE(item.CreateCategory(S("Drills")));
    EXPECT_TRUE(item.CreateCategory(S("Drills"))); // already there is fine
    for (const char* bad : {"", "   ", "a/b", "a\\b", "..", "."})
        EXPECT_FALSE(item.CreateCategory(S(bad))) << bad;

    item.setCategory(S("Drills"));
    item.setSubcategory(S("Juniors"));
    // The subcategory folder does not exist: nothing is created, the name stays.
    item.text = S("skate");
    EXPECT_FALSE(item.CreateItem(S("Warmup"), 141));
    EXPECT_TRUE(item.name().isEmpty());
    EXPECT_FALSE(QDir(item.subcategoryPath()).exists());

    ASSERT_TRUE(item.CreateSubcategory(S("Juniors")));
    ASSERT_TRUE(item.CreateItem(S("Warmup"), 141));
    EXPECT_EQ(item.formatVersion(), 141);
    EXPECT_EQ(readNote(tmp.path(), "Drills/Juniors/Warmup"), S("skate"));
    EXPECT_EQ(item.currentFile(), tmp.path() + S("/Notes/Drills/Juniors/Warmup.nte"));

    ASSERT_TRUE(item.RenameCurrent(S("Start")));
    EXPECT_EQ(item.name(), S("Start"));
    ASSERT_TRUE(item.CopyCurrent(S("Copy")));
    EXPECT_EQ(item.name(), S("Start"));
    ASSERT_TRUE(item.RenameSubcategory(S("Seniors")));
    ASSERT_TRUE(item.CreateCategory(S("Games")));
    EXPECT_FALSE(item.RenameCategory(S("Games"))); // never onto an existing folder
    ASSERT_TRUE(item.RenameCategory(S("Skills")));
    EXPECT_EQ(item.currentPath(), tmp.path() + S("/Notes/Skills/Seniors/Start"));
    EXPECT_EQ(readNote(tmp.path(), "Skills/Seniors/Copy"), S("skate"));

    // Deleting a subcategory deletes every item's files; a file no item claims keeps the
    // folder.
    ASSERT_TRUE(saveBytes(tmp.path() + S("/Notes/Skills/Seniors/Start.jpg"), "x"));
    ASSERT_TRUE(saveBytes(tmp.path() + S("/Notes/Skills/Seniors/keep.doc"), "x"));
    EXPECT_FALSE(item.DeleteSubcategory());
    EXPECT_EQ(QDir(item.subcategoryPath()).entryList(QDir::Files), QStringList({S("keep.doc")}));
    QFile::remove(tmp.path() + S("/Notes/Skills/Seniors/keep.doc"));
    ASSERT_TRUE(item.CreateSubcategory(S("Kids")));
    writeNote(tmp.path(), "Skills/Kids/One", "1");
    EXPECT_TRUE(item.DeleteCategory());
    EXPECT_FALSE(QDir(tmp.path() + S("/Notes/Skills")).exists());
    EXPECT_TRUE(QDir(tmp.path() + S("/Notes/Games")).exists());

    item.setCategory(QString());
    EXPECT_FALSE(item.DeleteCategory());
    EXPECT_FALSE(item.DeleteCurrent());
    EXPECT_FALSE(item.SaveCurrent());
}

TEST(TPractiseObject, SaveAndLoadKeepTheModifiedFlagHonest) {
    QTemporaryDir tmp;
    writeNote(tmp.path(), "A/X/one", "first");
    NoteItem item(tmp.path());
    item.setCategory(S("A"));
    item.setSubcategory(S("X"));
    item.setName(S("one"));
    ASSERT_TRUE(item.LoadCurrent());
    EXPECT_EQ(item.text, S("first"));

    item.text = S("changed");
    item.setModified(true);
    item.failSaves = true;
    EXPECT_FALSE(item.SaveCurrent()); // a failed save is reported as such
    EXPECT_TRUE(item.modified());
    item.failSaves = false;
    EXPECT_TRUE(item.SaveCurrent());
    EXPECT_FALSE(item.modified());
    EXPECT_EQ(readNote(tmp.path(), "A/X/one"), S("changed"));

    // Import: a file that does not load leaves the previous item in place.
    const QString good = tmp.filePath(S("good.nte"));
    const QString bad = tmp.filePath(S("bad.nte"));
    ASSERT_TRUE(saveBytes(good, "imported"));
    ASSERT_TRUE(saveBytes(bad, "BAD data"));
    EXPECT_FALSE(item.ImportInto(bad));
    EXPECT_EQ(readNote(tmp.path(), "A/X/one"), S("changed"));
    EXPECT_EQ(item.text, S("changed"));
    EXPECT_TRUE(item.ImportInto(good));
    EXPECT_EQ(readNote(tmp.path(), "A/X/one"), S("imported"));
    EXPECT_TRUE(item.ExportCurrent(tmp.filePath(S("out.nte"))));

    // The folder is gone: nothing loads.
    item.setSubcategory(S("Missing"));
    EXPECT_FALSE(item.LoadCurrent());
}

TEST(TPractiseObject, PlaceholdersStandForEmptyLevels) {
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath(S("Notes/Empty"));
    NoteItem item(tmp.path());
    QStringList list;
    EXPECT_FALSE(item.ListSubcategories(list, true)); // no category
    EXPECT_EQ(list, QStringList({S("<no team>")}));
    EXPECT_FALSE(item.ListNames(list, false));
    EXPECT_TRUE(list.isEmpty());
    item.setCategory(S("Empty"));
    EXPECT_TRUE(item.ListSubcategories(list, true));
    EXPECT_EQ(list, QStringList({S("<no team>")}));

    // Choosing a placeholder stores the empty value and clears the item.
    item.setSubcategory(S("Team"));
    item.setName(S("x"));
    item.text = S("content");
    const int clears = item.clears;
    item.setName(S("<no note>"));
    EXPECT_TRUE(item.name().isEmpty());
    EXPECT_TRUE(item.text.isEmpty());
    EXPECT_EQ(item.clears, clears + 1);
    item.setCategory(S("<no category>"));
    EXPECT_TRUE(item.category().isEmpty());
}

TEST(TPractiseObject, ChangingALevelKeepsLowerNamesThatExistUnderTheNewParent) {
    QTemporaryDir tmp;
    writeNote(tmp.path(), "A/X/i1", "a-x-1");
    writeNote(tmp.path(), "A/X/i2", "a-x-2");
    writeNote(tmp.path(), "A/Y/i3", "a-y-3");
    writeNote(tmp.path(), "B/X/j1", "b-x-1");
    writeNote(tmp.path(), "B/X/i2", "b-x-2");
    QDir(tmp.path()).mkpath(S("Notes/B/Z"));

    NoteItem item(tmp.path());
    FakeBox category(0), subcategory(1), name(2);
    item.RegisterCombo(&category);
    item.RegisterCombo(&subcategory);
    item.RegisterCombo(&name);

    TSettings settings;
    settings.setCurrentMode(1);
    settings.setRememberedIndex(1, 0, 0);
    settings.setRememberedIndex(1, 1, 0);
    settings.setRememberedIndex(1, 2, 1);
    item.FillCombos(false, settings);
    EXPECT_EQ(category.items(), QStringList({S("A"), S("B")}));
    EXPECT_EQ(name.items(), QStringList({S("i1"), S("i2")}));
    EXPECT_EQ(item.text, S("a-x-2"));

    // A modified item is saved before the selection moves.
    item.text = S("edited");
    item.setModified(true);
    category.pick(S("B"));
    item.ComboChanged(&category);
    EXPECT_EQ(readNote(tmp.path(), "A/X/i2"), S("edited"));
    EXPECT_EQ(item.subcategory(), S("X")); // exists under B as well
    EXPECT_EQ(item.name(), S("i2"));       // so does i2
    EXPECT_EQ(item.text, S("b-x-2"));
    EXPECT_EQ(subcategory.items(), QStringList({S("X"), S("Z")}));

    name.pick(S("j1"));
    item.ComboChanged(&name);
    EXPECT_EQ(item.text, S("b-x-1"));

    category.pick(S("A"));
    item.ComboChanged(&category);
    EXPECT_EQ(item.name(), S("i1")); // j1 is not in A/X: first entry
    subcategory.pick(S("Y"));
    item.ComboChanged(&subcategory);
    EXPECT_EQ(item.loadedFrom, tmp.path() + S("/Notes/A/Y/i3"));

    // An empty subcategory shows the placeholder and leaves the item cleared.
    category.pick(S("B"));
    item.ComboChanged(&category);
    subcategory.pick(S("Z"));
    item.ComboChanged(&subcategory);
    EXPECT_EQ(name.items(), QStringList({S("<no note>")}));
    EXPECT_TRUE(item.name().isEmpty());
    EXPECT_TRUE(item.text.isEmpty());

    // A new file shows up when the box drops down.
    writeNote(tmp.path(), "B/Z/new", "n");
    item.ComboDropDown(&name);
    EXPECT_EQ(name.items(), QStringList({S("new")}));
}

TEST(TPractiseObject, FillCombosUsesRememberedIndicesAndFixedPlanCategories) {
    QTemporaryDir tmp;
    writeNote(tmp.path(), "Archive/Team1/p1", "archived");
    writeNote(tmp.path(), "TrainingPlanCategory/Team1/p1", "plan 1");
    writeNote(tmp.path(), "TrainingPlanCategory/Team2/p1", "plan 2-1");
    writeNote(tmp.path(), "TrainingPlanCategory/Team2/p2", "plan 2-2");

    NoteItem item(tmp.path());
    FakeBox category(0), subcategory(1), name(2);
    for (FakeBox* box : {&category, &subcategory, &name})
        item.RegisterCombo(box);

    item.FillCombos(true, TSettings());
    for (FakeBox* box : {&category, &subcategory, &name})
        EXPECT_EQ(box->currentText(), item.placeholder(box->level()));

    TSettings settings;
    settings.setCurrentMode(3);
    settings.setPlanSelector(TSettings::Plans);
    settings.setTPTeamIndex(1);
    settings.setTPPlanIndex(1);
    item.FillCombos(false, settings);
    EXPECT_EQ(item.category(), S("TrainingPlanCategory"));
    EXPECT_EQ(category.currentText(), S("TrainingPlanCategory"));
    EXPECT_EQ(item.text, S("plan 2-2"));

    // Remembered indices past the end fall to the first entry.
    settings.setCurrentMode(6);
    settings.setPlanSelector(TSettings::Archive);
    settings.setTPTeamIndex(4);
    settings.setTPPlanIndex(9);
    item.FillCombos(false, settings);
    EXPECT_EQ(item.category(), S("Archive"));
    EXPECT_EQ(item.text, S("archived"));
}
