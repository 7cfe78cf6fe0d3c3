// The three selection combo boxes of a view bound to a stored item, driven with the keyboard.
#include "core/SafeSave.h"
#include "core/TPractiseObject.h"
#include "core/TSettings.h"
#include "ui/ScriptedDialogs.h"
#include "ui/TSelectionComboBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

// A minimal item kind: one text file per item.
class NoteItem : public TPractiseObject {
public:
    explicit NoteItem(const QString& root)
        : TPractiseObject(root, QStringLiteral("Notes"), QStringLiteral(".nte")) {
        setPlaceholders(QStringLiteral("<no category>"), QStringLiteral("<no team>"),
                        QStringLiteral("<no note>"));
    }
    void Clear() override { text.clear(); }
    bool Save(const QString& path) override { return saveBytes(path + extension(), text.toUtf8()); }
    bool Load(const QString& path) override {
        QFile file(path + extension());
        if (!file.open(QIODevice::ReadOnly))
            return false;
        text = QString::fromUtf8(file.readAll());
        return true;
    }
    bool Delete(const QString& path) override { return QFile::remove(path + extension()); }
    bool Rename(const QString&) override { return false; }
    bool Copy(const QString&) override { return false; }
    QStringList ListItems() override {
        QStringList names =
            QDir(subcategoryPath()).entryList({QStringLiteral("*.nte")}, QDir::Files);
        for (QString& name : names)
            name.chop(4);
        return names;
    }
    QString text;
};

class SelectionComboBox : public ::testing::Test {
protected:
    void SetUp() override {
        write("A/Team1/first", "one");
        write("A/Team1/second", "two");
        write("B/Team1/third", "three");
        QDir().mkpath(dir.path() + QStringLiteral("/Notes/B/Team2"));
        for (TSelectionComboBox* box : {&category, &subcategory, &name})
            box->bind(&item);
        settings.setSaveOnDestroy(false);
    }
    void write(const char* relative, const char* text) {
        const QString path = dir.path() + QStringLiteral("/Notes/") +
                             QString::fromLatin1(relative) + QStringLiteral(".nte");
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(saveBytes(path, QByteArray(text)));
    }
    static QStringList entries(const QComboBox& box) {
        QStringList all;
        for (int i = 0; i < box.count(); ++i)
            all.append(box.itemText(i));
        return all;
    }

    QTemporaryDir dir;
    NoteItem item{dir.path()};
    TSettings settings;
    TSelectionComboBox category{0};
    TSelectionComboBox subcategory{1};
    TSelectionComboBox name{2};
};

TEST_F(SelectionComboBox, FillingSelectsRememberedEntriesWithoutCountingAsAChoice) {
    QSignalSpy chosen(&name, &TSelectionComboBox::itemChosen);
    item.FillCombos(false, settings);
    EXPECT_EQ(entries(category), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(category.currentText(), QStringLiteral("A"));
    EXPECT_EQ(subcategory.currentText(), QStringLiteral("Team1"));
    EXPECT_EQ(name.currentText(), QStringLiteral("first"));
    EXPECT_EQ(item.text, QStringLiteral("one"));
    EXPECT_EQ(chosen.count(), 0);

    item.FillCombos(true, settings);
    EXPECT_EQ(entries(name), QStringList{QStringLiteral("<no note>")});
}

TEST_F(SelectionComboBox, UserChoiceMovesLowerLevelsAndLoadsTheItem) {
    item.FillCombos(false, settings);
    QSignalSpy chosen(&category, &TSelectionComboBox::itemChosen);
    QTest::keyClick(&category, Qt::Key_Down); // A -> B
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(item.category(), QStringLiteral("B"));
    // Team1 exists under B as well, so the subcategory keeps its name.
    EXPECT_EQ(subcategory.currentText(), QStringLiteral("Team1"));
    EXPECT_EQ(name.currentText(), QStringLiteral("third"));
    EXPECT_EQ(item.text, QStringLiteral("three"));

    QTest::keyClick(&subcategory, Qt::Key_Down); // Team2 is empty: the placeholder
    EXPECT_EQ(entries(name), QStringList{QStringLiteral("<no note>")});
    EXPECT_TRUE(item.name().isEmpty());
    EXPECT_TRUE(item.text.isEmpty());

    // A modified item is saved before the selection moves away from it.
    QTest::keyClick(&subcategory, Qt::Key_Up);
    item.text = QStringLiteral("changed");
    item.setModified(true);
    QTest::keyClick(&category, Qt::Key_Up);
    QFile saved(dir.path() + QStringLiteral("/Notes/B/Team1/third.nte"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("changed"));
    EXPECT_EQ(item.text, QStringLiteral("one"));
}

TEST_F(SelectionComboBox, AnItemThatCannotBeSavedKeepsItsEditsAndTheSelectionStays) {
    ScriptedDialogs dialogs;
    item.FillCombos(false, settings);
    item.text = QStringLiteral("edited");
    item.setModified(true);
    // A folder in place of the file stops the save (for the superuser as well).
    const QString file = dir.path() + QStringLiteral("/Notes/A/Team1/first.nte");
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    QSignalSpy chosen(&name, &TSelectionComboBox::itemChosen);
    for (TSelectionComboBox* box : {&name, &category}) {
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(box->currentIndex(), 0);
    }
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(dialogs.informations.size(), 2);
    EXPECT_EQ(item.category(), QStringLiteral("A"));
    EXPECT_EQ(item.name(), QStringLiteral("first"));
    EXPECT_EQ(item.text, QStringLiteral("edited"));
    EXPECT_TRUE(item.modified());
}

TEST_F(SelectionComboBox, DropDownRereadsTheDiskAndKeepsTheCurrentEntry) {
    item.FillCombos(false, settings);
    QTest::keyClick(&name, Qt::Key_Down); // first -> second
    ASSERT_EQ(name.currentText(), QStringLiteral("second"));
    write("A/Team1/added", "new");
    name.showPopup();
    EXPECT_EQ(entries(name), (QStringList{QStringLiteral("added"), QStringLiteral("first"),
                                          QStringLiteral("second")}));
    EXPECT_EQ(name.currentText(), QStringLiteral("second"));
    name.hidePopup();
}

} // namespace
