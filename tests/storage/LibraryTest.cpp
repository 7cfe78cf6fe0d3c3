#include "storage/ItemFiles.h"
#include "storage/ItemKinds.h"
#include "storage/LevelListing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

void writeFile(const QString& path, const QByteArray& content = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString at(const QTemporaryDir& dir, const char* name) {
    return QDir(dir.path()).filePath(QString::fromUtf8(name));
}

} // namespace

TEST(ItemKinds, ExtensionsAndFileSetsAreConsistent) {
    ItemKind kind{};
    ASSERT_TRUE(itemKindForExtension(QStringLiteral(".GMP"), &kind));
    EXPECT_EQ(kind, ItemKind::GraphicPractise);
    ASSERT_TRUE(itemKindForBackupExtension(QStringLiteral(".pabp"), &kind));
    EXPECT_EQ(kind, ItemKind::ArchivedPlan);
    EXPECT_FALSE(itemKindForExtension(QStringLiteral(".gbp"), &kind));
    EXPECT_EQ(itemFiles(ItemKind::GraphicPractise, QStringLiteral("/r/a")),
              QStringList({QStringLiteral("/r/a.gmp"), QStringLiteral("/r/a.jpg"),
                           QStringLiteral("/r/aSmall.jpg")}));
    // Every kind's data file comes first in its set, and no two kinds share an extension.
    QStringList seen;
    for (const ItemKindInfo& info : allItemKinds()) {
        EXPECT_EQ(itemFiles(info.kind, QStringLiteral("s")).constFirst(),
                  QStringLiteral("s") + dataExtension(info.kind));
        EXPECT_FALSE(seen.contains(dataExtension(info.kind)));
        EXPECT_FALSE(seen.contains(backupExtension(info.kind)));
        seen << dataExtension(info.kind) << backupExtension(info.kind);
    }
}

TEST(LevelListing, ItemsFoldersAndPlaceholders) {
    QTemporaryDir tmp;
    for (const char* name : {"a.gmp", "a.jpg", "aSmall.jpg", "name.with.dots.gmp", "B.GMP"})
        writeFile(at(tmp, name));
    EXPECT_EQ(
        listItemLevel(tmp.path(), QStringLiteral(".gmp")),
        QStringList({QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("name.with.dots")}));
    // ".pmp" must not pick up archived plans (".pamp") and vice versa.
    writeFile(at(tmp, "plan.pmp"));
    writeFile(at(tmp, "old.pamp"));
    EXPECT_EQ(listItemLevel(tmp.path(), QStringLiteral(".pmp")),
              QStringList{QStringLiteral("plan")});
    EXPECT_EQ(listItemLevel(tmp.path(), QStringLiteral(".pamp")),
              QStringList{QStringLiteral("old")});

    QDir(tmp.path()).mkdir(QStringLiteral("Sub"));
    QDir(tmp.path()).mkdir(QStringLiteral(".hidden"));
    EXPECT_EQ(listFolderLevel(tmp.path()), QStringList{QStringLiteral("Sub")});

    const QString empty = at(tmp, "Sub");
    EXPECT_EQ(
        withPlaceholder(listItemLevel(empty, QStringLiteral(".gmp")), QStringLiteral("(none)")),
        QStringList{QStringLiteral("(none)")});
    EXPECT_EQ(withPlaceholder({QStringLiteral("x")}, QStringLiteral("(none)")),
              QStringList{QStringLiteral("x")});
    EXPECT_TRUE(listFolderLevel(at(tmp, "missing")).isEmpty());
    EXPECT_EQ(placeholderKey(Level::Subcategory), QStringLiteral("EmptySubCategoryString"));
}

TEST(ItemFiles, DeleteReportsMissingFilesButDeletesTheRest) {
    QTemporaryDir tmp;
    const QString stem = at(tmp, "a");
    writeFile(stem + QStringLiteral(".gmp"));
    writeFile(stem + QStringLiteral(".jpg"));
    writeFile(at(tmp, "b.gmp"));
    EXPECT_FALSE(deleteItemFiles(ItemKind::GraphicPractise, stem));
    EXPECT_FALSE(QFile::exists(stem + QStringLiteral(".gmp")));
    EXPECT_FALSE(QFile::exists(stem + QStringLiteral(".jpg")));
    EXPECT_TRUE(QFile::exists(at(tmp, "b.gmp")));

    writeFile(stem + QStringLiteral(".tac"));
    EXPECT_TRUE(deleteItemFiles(ItemKind::TacticsPractise, stem));
    EXPECT_FALSE(deleteItemFiles(ItemKind::TacticsPractise, QString()));
}

TEST(ItemFiles, RenameAndCopyMoveTheWholeSet) {
    QTemporaryDir tmp;
    const QString a = at(tmp, "a");
    const QString b = at(tmp, "b");
    const QString c = at(tmp, "c");
    writeFile(a + QStringLiteral(".gmp"), "data");
    writeFile(a + QStringLiteral(".jpg"), "picture");
    writeFile(a + QStringLiteral("Small.jpg"), "thumb");

    ASSERT_TRUE(copyItemFiles(ItemKind::GraphicPractise, a, b));
    EXPECT_EQ(readFile(b + QStringLiteral("Small.jpg")), QByteArray("thumb"));
    EXPECT_EQ(readFile(a + QStringLiteral(".gmp")), QByteArray("data"));

    // A rename onto an existing item would mix two file sets: refused, nothing moves.
    EXPECT_FALSE(renameItemFiles(ItemKind::GraphicPractise, a, b));
    EXPECT_TRUE(QFile::exists(a + QStringLiteral(".jpg")));

    ASSERT_TRUE(renameItemFiles(ItemKind::GraphicPractise, a, c));
    EXPECT_FALSE(QFile::exists(a + QStringLiteral(".gmp")));
    EXPECT_EQ(readFile(c + QStringLiteral(".jpg")), QByteArray("picture"));

    // A set with a missing thumbnail moves what exists and reports false.
    QFile::remove(c + QStringLiteral("Small.jpg"));
    EXPECT_FALSE(renameItemFiles(ItemKind::GraphicPractise, c, a));
    EXPECT_EQ(readFile(a + QStringLiteral(".gmp")), QByteArray("data"));
    EXPECT_FALSE(copyItemFiles(ItemKind::GraphicPractise, a, c));
    EXPECT_EQ(readFile(c + QStringLiteral(".jpg")), QByteArray("picture"));
    // Copying an item onto itself would truncate it: refused.
    EXPECT_FALSE(copyItemFiles(ItemKind::GraphicPractise, a, a));
    EXPECT_EQ(readFile(a + QStringLiteral(".gmp")), QByteArray("data"));
}
