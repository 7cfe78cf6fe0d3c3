#include "core/FileHelpers.h"
#include "core/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

void touch(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(FileHelpers, ListFolderSortsCaseInsensitivelyAndSkipsDots) {
    QTemporaryDir tmp;
    QDir dir(tmp.path());
    for (const char* name : {"beta", "Alpha", "gamma", "alpha2", ".hidden"})
        dir.mkdir(QString::fromLatin1(name));
    EXPECT_EQ(ListFolder(tmp.path(), QStringLiteral("*"), ListKind::Folders),
              QStringList({QStringLiteral("Alpha"), QStringLiteral("alpha2"),
                           QStringLiteral("beta"), QStringLiteral("gamma")}));

    for (const char* name : {"b.GMP", "a.gmp", "name.with.dots.gmp", "noext", "x.tmp", ".c.gmp"})
        touch(dir.filePath(QString::fromLatin1(name)));
    EXPECT_EQ(ListFolder(tmp.path(), QStringLiteral("*.gmp"), ListKind::Files),
              QStringList({QStringLiteral(".c"), QStringLiteral("a"), QStringLiteral("b"),
                           QStringLiteral("name.with.dots")}));
    // A file name without a dot lists as the empty name.
    EXPECT_TRUE(ListFolder(tmp.path(), QStringLiteral("*"), ListKind::Files).contains(QString()));
    EXPECT_TRUE(ListFolder(dir.filePath(QStringLiteral("missing")), QStringLiteral("*"), ListKind::Folders).isEmpty());
}

TEST(FileHelpers, SavesReplaceWholeFilesOrNothing) {
    QTemporaryDir tmp;
    const QString path = QDir(tmp.path()).filePath(QStringLiteral("lines.txt"));
    ASSERT_TRUE(saveTextLines(path, {QStringLiteral("a=1"), QStringLiteral("č=2")}));
    QStringList lines;
    ASSERT_TRUE(loadTextLines(path, &lines));
    EXPECT_EQ(lines, QStringList({QStringLiteral("a=1"), QStringLiteral("č=2")}));

    // A save into a folder that does not exist fails with a message and writes nothing.
    QString error;
    EXPECT_FALSE(saveBytes(QDir(tmp.path()).filePath(QStringLiteral("no/such.bin")), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(loadTextLines(QDir(tmp.path()).filePath(QStringLiteral("none.txt")), &lines, &error));

    // A failed save leaves the previous file as it was.
    SafeSave save(path);
    ASSERT_TRUE(save.open());
    save.device()->write("partial");
    save.fail(QStringLiteral("the writer found an error"));
    EXPECT_FALSE(save.commit());
    ASSERT_TRUE(loadTextLines(path, &lines));
    EXPECT_EQ(lines.size(), 2);

    const QString copy = QDir(tmp.path()).filePath(QStringLiteral("copy.txt"));
    ASSERT_TRUE(copyFile(path, copy));
    QFile a(path), b(copy);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(FileHelpers, FitPictureKeepsAspectAndCentres) {
    QImage wide(200, 50, QImage::Format_RGB32);
    wide.fill(Qt::black);
    const QImage box = fitPicture(wide, 100, 100);
    ASSERT_EQ(box.size(), QSize(100, 100));
    // Scaled to 100 x 25, centred at y = 37.
    EXPECT_EQ(box.pixel(50, 10) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(box.pixel(50, 50) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(box.pixel(50, 90) & 0xFFFFFF, 0xFFFFFFu);
}
