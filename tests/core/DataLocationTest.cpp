#include "core/DataLocation.h"
#include "core/SafeSave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace korvex;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    ASSERT_TRUE(saveBytes(path, bytes));
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A small shipped runtime tree in `root`.
void makeShippedTree(const QString& root) {
    const QDir dir(root);
    write(dir.filePath(QStringLiteral("Settings.txt")), "Version=141\r\n");
    write(dir.filePath(QStringLiteral("Settings.def")), "shipped settings");
    write(dir.filePath(QStringLiteral("Language/English.txt")), "Key=Text\r\n");
    write(dir.filePath(QStringLiteral("Playgrounds/Rink.jpg")), "rink");
    ASSERT_TRUE(dir.mkpath(QStringLiteral("GraphicPractises")));
}

// An installed prefix: prefix/bin for the programs, the tree where they look for it.
struct InstalledPrefix {
    QTemporaryDir tmp;
    QString bin = tmp.filePath(QStringLiteral("prefix/bin"));
    QString shipped =
        QDir::cleanPath(QDir(bin).absoluteFilePath(QStringLiteral(KORVEX_INSTALLED_RUNTIME)));
    QString user = tmp.filePath(QStringLiteral("home/.local/share/Korvex"));

    InstalledPrefix() {
        QDir().mkpath(bin);
        makeShippedTree(shipped);
    }
    DataLocation resolve() {
        DataLocation location;
        QString error;
        EXPECT_TRUE(resolveDataLocation(bin, user, &location, &error)) << error.toStdString();
        return location;
    }
};

} // namespace

TEST(DataLocation, InstalledProgramCopiesTheTreeOnceAndKeepsTheCoachsData) {
    InstalledPrefix prefix;
    DataLocation location = prefix.resolve();
    EXPECT_TRUE(location.inUserFolder);
    EXPECT_EQ(location.appDir, prefix.user);
    EXPECT_EQ(location.shippedDir, prefix.shipped);
    const QDir user(prefix.user);
    EXPECT_EQ(read(user.filePath(QStringLiteral("Settings.def"))), "shipped settings");
    EXPECT_EQ(read(user.filePath(QStringLiteral("Language/English.txt"))), "Key=Text\r\n");
    EXPECT_TRUE(user.exists(QStringLiteral("GraphicPractises")));
    // The scratch folder of the copy is gone: the user folder's parent holds only the tree.
    EXPECT_EQ(QDir(prefix.tmp.filePath(QStringLiteral("home/.local/share")))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("Korvex")});

    // The coach works: settings change, a practise is saved, a shipped rink is deleted.
    write(user.filePath(QStringLiteral("Settings.def")), "coach settings");
    write(user.filePath(QStringLiteral("GraphicPractises/Drills/Breakout.gmp")), "drill");
    ASSERT_TRUE(QFile::remove(user.filePath(QStringLiteral("Playgrounds/Rink.jpg"))));
    // The program is updated: a language table changes (same size, newer), one is added,
    // the installation's version and the shipped settings change.
    const QDir shipped(prefix.shipped);
    write(shipped.filePath(QStringLiteral("Language/English.txt")), "Key=Txet\r\n");
    QFile english(shipped.filePath(QStringLiteral("Language/English.txt")));
    ASSERT_TRUE(english.open(QIODevice::ReadWrite));
    ASSERT_TRUE(english.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    english.close();
    write(shipped.filePath(QStringLiteral("Language/German.txt")), "Key=Wort\r\n");
    write(shipped.filePath(QStringLiteral("Settings.def")), "new shipped settings");
    write(shipped.filePath(QStringLiteral("Settings.txt")), "Version=142\r\n");

    location = prefix.resolve();
    EXPECT_EQ(location.appDir, prefix.user);
    EXPECT_EQ(read(user.filePath(QStringLiteral("Settings.def"))), "coach settings");
    EXPECT_EQ(read(user.filePath(QStringLiteral("Settings.txt"))), "Version=142\r\n");
    EXPECT_EQ(read(user.filePath(QStringLiteral("GraphicPractises/Drills/Breakout.gmp"))), "drill");
    EXPECT_EQ(read(user.filePath(QStringLiteral("Language/English.txt"))), "Key=Txet\r\n");
    EXPECT_EQ(read(user.filePath(QStringLiteral("Language/German.txt"))), "Key=Wort\r\n");
    EXPECT_EQ(read(user.filePath(QStringLiteral("Playgrounds/Rink.jpg"))), "rink");
}

TEST(DataLocation, UserFolderThatHoldsFilesAlreadyIsFilledAroundThem) {
    InstalledPrefix prefix;
    write(QDir(prefix.user).filePath(QStringLiteral("all.abp")), "backup");
    const DataLocation location = prefix.resolve();
    EXPECT_TRUE(location.inUserFolder);
    EXPECT_EQ(read(QDir(prefix.user).filePath(QStringLiteral("all.abp"))), "backup");
    EXPECT_EQ(read(QDir(prefix.user).filePath(QStringLiteral("Settings.txt"))), "Version=141\r\n");
}

TEST(DataLocation, WritableProgramFolderKeepsItsDataBesideTheProgram) {
    QTemporaryDir tmp;
    const QString program = tmp.filePath(QStringLiteral("korvex"));
    makeShippedTree(program);
    const QString user = tmp.filePath(QStringLiteral("home/Korvex"));
    DataLocation location;
    QString error;
    ASSERT_TRUE(resolveDataLocation(program, user, &location, &error)) << error.toStdString();
    EXPECT_FALSE(location.inUserFolder);
    EXPECT_EQ(location.appDir, program);
    EXPECT_FALSE(QFileInfo::exists(user));
    // The writability probe leaves nothing behind.
    EXPECT_EQ(QDir(program).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(DataLocation, ReadOnlyProgramFolderMovesTheDataToTheUserFolder) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the super-user can write into a read-only folder";
    QTemporaryDir tmp;
    const QString program = tmp.filePath(QStringLiteral("korvex"));
    makeShippedTree(program);
    const QFileDevice::Permissions writable = QFile::permissions(program);
    ASSERT_TRUE(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(isWritableFolder(program));
    const QString user = tmp.filePath(QStringLiteral("home/Korvex"));
    DataLocation location;
    QString error;
    const bool resolved = resolveDataLocation(program, user, &location, &error);
    QFile::setPermissions(program, writable);
    ASSERT_TRUE(resolved) << error.toStdString();
    EXPECT_TRUE(location.inUserFolder);
    EXPECT_EQ(read(QDir(user).filePath(QStringLiteral("Playgrounds/Rink.jpg"))), "rink");
}

TEST(DataLocation, NoTreeOrNoUserFolderIsAnErrorThatNamesTheFolder) {
    QTemporaryDir tmp;
    DataLocation location;
    QString error;
    EXPECT_FALSE(
        resolveDataLocation(tmp.path(), tmp.filePath(QStringLiteral("user")), &location, &error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(tmp.path()))) << error.toStdString();

    // The user's folder would lie below a plain file: it cannot be made.
    InstalledPrefix prefix;
    write(prefix.tmp.filePath(QStringLiteral("file")), "x");
    error.clear();
    EXPECT_FALSE(resolveDataLocation(prefix.bin, prefix.tmp.filePath(QStringLiteral("file/Korvex")),
                                     &location, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("file"))) << error.toStdString();
}
