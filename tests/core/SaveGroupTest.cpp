// The files of a save group replace their targets together; what a single save keeps of a
// file it replaces (a link stays a link, the file's permissions) the group keeps too.
#include "core/SaveGroup.h"
#include "core/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

QByteArray readWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SaveGroup, ReplacesEveryFileAndKeepsLinksAndPermissions) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("a.gmp"));
    const QString picture = dir.filePath(QStringLiteral("a.jpg"));
    const QString real = dir.filePath(QStringLiteral("elsewhere.jpg"));
    const QString linked = dir.filePath(QStringLiteral("aSmall.jpg"));
    ASSERT_TRUE(saveBytes(data, "old data"));
    ASSERT_TRUE(QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(saveBytes(real, "old thumbnail"));
    ASSERT_TRUE(QFile::link(real, linked));

    SaveGroup group;
    QIODevice* device = group.add(data);
    device->write("new ");
    device->write("data");
    group.addBytes(picture, "new picture");
    group.addBytes(linked, "new thumbnail");
    ASSERT_TRUE(group.commit()) << group.errorString().toStdString();

    EXPECT_EQ(readWhole(data), QByteArray("new data"));
    EXPECT_EQ(readWhole(picture), QByteArray("new picture"));
    EXPECT_EQ(QFile::permissions(data),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(QFileInfo(linked).symLinkTarget(), real);
    EXPECT_EQ(readWhole(real), QByteArray("new thumbnail"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4)
        << "no temporary is left";
}

TEST(SaveGroup, AFailedFileCancelsTheWholeGroup) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("a.gmp"));
    const QString picture = dir.filePath(QStringLiteral("a.jpg"));
    ASSERT_TRUE(saveBytes(data, "old data"));
    {
        SaveGroup group;
        group.addBytes(data, "new data");
        group.addBytes(picture, "new picture");
        group.fail(picture, QStringLiteral("the picture could not be made"));
        EXPECT_FALSE(group.commit());
        EXPECT_TRUE(group.errorString().contains(QStringLiteral("could not be made")));
    }
    // A group given up without a commit leaves nothing either.
    {
        SaveGroup group;
        group.addBytes(data, "newer data");
    }
    // A file whose folder is missing fails the group when it is added.
    SaveGroup group;
    group.addBytes(data, "newest data");
    group.addBytes(dir.filePath(QStringLiteral("missing/a.jpg")), "x");
    EXPECT_FALSE(group.commit());
    EXPECT_TRUE(group.errorString().contains(QStringLiteral("a.jpg")));

    EXPECT_EQ(readWhole(data), QByteArray("old data"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("a.gmp")});
}

} // namespace
