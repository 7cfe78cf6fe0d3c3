#include "core/Paths.h"

#include <gtest/gtest.h>

using namespace korvex;

TEST(Paths, NamesWithSeveralDotsOrNoDot) {
    const QString p = QStringLiteral("GM\\cat.1\\sub\\name.with.dots.gmp");
    EXPECT_EQ(extractExtension(p), QStringLiteral(".gmp"));
    EXPECT_EQ(pathWithoutExtension(p), QStringLiteral("GM\\cat.1\\sub\\name.with.dots"));
    EXPECT_EQ(extractFolder(p), QStringLiteral("GM\\cat.1\\sub"));
    EXPECT_EQ(extractFileName(p), QStringLiteral("name.with.dots.gmp"));
    EXPECT_EQ(extractFileTitle(p), QStringLiteral("name.with.dots"));

    // No dot in the file name (a dot in a folder does not count).
    EXPECT_EQ(extractExtension(QStringLiteral("cat.1/readme")), QString());
    EXPECT_EQ(pathWithoutExtension(QStringLiteral("cat.1/readme")), QString());
    EXPECT_EQ(extractFileTitle(QStringLiteral("cat.1/readme")), QStringLiteral("readme"));
    // At most four characters including the dot.
    EXPECT_EQ(extractExtension(QStringLiteral("x.pamp")), QStringLiteral(".pam"));
    EXPECT_TRUE(sameExtension(QStringLiteral(".GMP"), QStringLiteral(".gmp")));
}

TEST(Paths, BlankNamesAndStoredPaths) {
    EXPECT_TRUE(isBlank(QString()));
    EXPECT_TRUE(isBlank(QStringLiteral("   ")));
    EXPECT_FALSE(isBlank(QStringLiteral(" a ")));
    EXPECT_FALSE(isBlank(QStringLiteral("\t"))); // only spaces count as blank

    EXPECT_EQ(storedToPath(QStringLiteral("GM\\a\\b.gmp")), QStringLiteral("GM/a/b.gmp"));
    EXPECT_EQ(pathToStored(QStringLiteral("GM/a/b.gmp")), QStringLiteral("GM\\a\\b.gmp"));
    EXPECT_EQ(joinPath(QStringLiteral("/app"), QStringLiteral("GM"), QStringLiteral("a")),
              QStringLiteral("/app/GM/a"));

    EXPECT_TRUE(isSafeRelativePath(QStringLiteral("GM\\cat\\sub")));
    EXPECT_FALSE(isSafeRelativePath(QStringLiteral("GM\\..\\..\\etc")));
    EXPECT_FALSE(isSafeRelativePath(QStringLiteral("..")));
    EXPECT_FALSE(isSafeRelativePath(QStringLiteral("\\etc")));
    EXPECT_FALSE(isSafeRelativePath(QStringLiteral("/etc")));
    EXPECT_FALSE(isSafeRelativePath(QStringLiteral("C:\\Windows")));
}
