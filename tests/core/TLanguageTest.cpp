#include "core/TLanguage.h"
#include "core/SafeSave.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

TEST(TLanguage, LookupIgnoresCaseTakesTheFirstLineAndDefaultsToEmpty) {
    TLanguage language;
    language.setLines({QStringLiteral("mmFile=&File"), QStringLiteral("no equals sign"),
                       QStringLiteral("MMFILE=second"), QStringLiteral("Formula=a=b"),
                       QStringLiteral("Empty=")});
    EXPECT_EQ(language.Text(QStringLiteral("mmfile")), QStringLiteral("&File"));
    EXPECT_EQ(language.Text(QStringLiteral("MmFiLe")), QStringLiteral("&File"));
    EXPECT_EQ(language.Text(QStringLiteral("formula")), QStringLiteral("a=b"));
    EXPECT_EQ(language.Text(QStringLiteral("Empty")), QString());
    EXPECT_EQ(language.Text(QStringLiteral("missing")), QString());
    EXPECT_EQ(language.Text(QStringLiteral("no equals sign")), QString());
}

TEST(TLanguage, ListsAndLoadsFilesOfTheLanguageFolder) {
    QTemporaryDir tmp;
    QDir(tmp.path()).mkdir(QStringLiteral("Language"));
    const QString folder = tmp.filePath(QStringLiteral("Language"));
    ASSERT_TRUE(saveTextLines(folder + QStringLiteral("/German.txt"),
                              {QStringLiteral("mmExit=Beenden"), QStringLiteral("Größe=groß")}));
    ASSERT_TRUE(
        saveTextLines(folder + QStringLiteral("/czech.txt"), {QStringLiteral("mmExit=Konec")}));
    ASSERT_TRUE(
        saveTextLines(folder + QStringLiteral("/English.txt"), {QStringLiteral("mmExit=Exit")}));
    ASSERT_TRUE(saveTextLines(folder + QStringLiteral("/notes.doc"), {}));

    TLanguage language(tmp.path(), QStringLiteral("Language"));
    language.ListLanguages();
    EXPECT_EQ(language.languages(), QStringList({QStringLiteral("czech"), QStringLiteral("English"),
                                                 QStringLiteral("German")}));
    EXPECT_EQ(language.LanguageCount(), 3);

    ASSERT_TRUE(language.LoadLanguage(QStringLiteral("German")));
    EXPECT_EQ(language.Text(QStringLiteral("MMEXIT")), QStringLiteral("Beenden"));
    EXPECT_EQ(language.Text(QStringLiteral("größe")), QStringLiteral("groß"));

    // A failed load leaves an empty table and names the file.
    EXPECT_FALSE(language.LoadLanguage(QStringLiteral("Klingon")));
    EXPECT_TRUE(language.errorString().contains(QStringLiteral("Klingon.txt")));
    EXPECT_EQ(language.Text(QStringLiteral("mmExit")), QString());
    for (const QString& hostile : {QString(), QStringLiteral("../Language/German"),
                                   QStringLiteral("..\\x"), QStringLiteral("..")}) {
        EXPECT_FALSE(language.LoadLanguage(hostile)) << hostile.toStdString();
        EXPECT_FALSE(language.errorString().isEmpty());
    }

    TLanguage nowhere(tmp.path(), QStringLiteral("Missing"));
    nowhere.ListLanguages();
    EXPECT_EQ(nowhere.LanguageCount(), 0);
}
