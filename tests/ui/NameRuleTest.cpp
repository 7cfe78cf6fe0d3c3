// The name rule is one: every name the category editor accepts for a folder or a practise
// survives a backup and a restore under that very name (a folder with a leading dot would be
// hidden, left out of the tree and out of every backup), and every name a restore refuses is
// refused by the editor as well.
#include "storage/PractiseFixture.h"

#include "storage/FullBackup.h"
#include "storage/ItemNames.h"
#include "storage/PractiseRewriters.h"
#include "storage/TGraphicPractise.h"
#include "ui/dialogs/EditPractisesRules.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

// Names a coach might type, and some only a slip of the keyboard or a paste gives.
QStringList candidateNames() {
    QStringList names = {
        QStringLiteral("Drill: 2 on 1"),
        QStringLiteral("C:"),
        QStringLiteral("Power play*?"),
        QStringLiteral("\"Box\" <out> | in"),
        QStringLiteral(" leading"),
        QStringLiteral("trailing "),
        QStringLiteral("ends with dot."),
        QStringLiteral("..."),
        QStringLiteral(". ."),
        QStringLiteral(".hidden"),
        QStringLiteral("a.gmp"),
        QStringLiteral("100% effort #3"),
        QStringLiteral("Übung – Kräfte"),
        QStringLiteral("Cvičení č. 5"),
        QStringLiteral("tab\there"),
        QStringLiteral("line\nbreak"),
        QStringLiteral("del\x7f"),
        QStringLiteral("back\\slash"),
        QStringLiteral("for/ward"),
        QStringLiteral("[brackets] {braces}"),
        QStringLiteral("semi;colon, comma"),
        QStringLiteral("~tilde & 'quote'"),
        QString(QChar(0x00A0)),
        QStringLiteral("🏒 puck"),
    };
    names.append(QString(QChar(0)) + QStringLiteral("nul"));
    // Near the byte limit of the practise's longest file name, in one- and two-byte letters.
    const int limit = maxItemNameBytes(ItemKind::GraphicPractise);
    names.append(QString(limit, QLatin1Char('a')));
    names.append(QString(limit + 1, QLatin1Char('a')));
    names.append(QString(limit / 2, QChar(0x00E9)));
    return names;
}

TEST(NameRule, EveryNameTheEditorAcceptsSurvivesBackupAndRestore) {
    Installation source;
    const int limit = maxItemNameBytes(ItemKind::GraphicPractise);
    QStringList accepted;
    QStringList folders;
    for (const QString& name : candidateNames()) {
        const bool forPractise = newNameRefusal(TreeLevel::Practise, name, {}, limit).isEmpty();
        const bool forFolder = newNameRefusal(TreeLevel::Subcategory, name, {}).isEmpty();
        // The restore refuses exactly what the editor refuses (apart from names already taken).
        EXPECT_EQ(forPractise, itemNameProblem(ItemKind::GraphicPractise, name).isEmpty())
            << printableName(name).toStdString();
        EXPECT_EQ(forFolder, isSafeItemName(name)) << printableName(name).toStdString();
        if (forPractise)
            accepted.append(name);
        if (forFolder && name.toUtf8().size() < 200)
            folders.append(name);
    }
    ASSERT_GT(accepted.size(), 15);

    TGraphicPractise practise(*source.settings, source.language);
    practise.setGroundName(QStringLiteral("Rink"));
    practise.loadStandardGround();
    for (const QString& name : accepted) {
        practise.description() = {name};
        ASSERT_TRUE(practise.Save(source.path(QStringLiteral("GraphicPractises/Cat/Sub/")) + name))
            << practise.errorString().toStdString();
    }
    for (const QString& folder : folders) {
        ASSERT_TRUE(QDir(source.path(QStringLiteral("GraphicPractises")))
                        .mkpath(folder + QStringLiteral("/Sub")));
        ASSERT_TRUE(practise.Save(source.path(QStringLiteral("GraphicPractises/")) + folder +
                                  QStringLiteral("/Sub/Drill")))
            << practise.errorString().toStdString();
    }

    const QString file = source.path(QStringLiteral("all.abp"));
    QString error;
    ASSERT_TRUE(writeFullBackup(InstallationFolders::fromSettings(*source.settings), file, &error))
        << error.toStdString();
    Installation target;
    FullBackupHooks hooks;
    hooks.rewriter = [&target](BackupKind kind) {
        return practiseRewriter(kind, *target.settings, target.language);
    };
    const FullRestoreReport report =
        restoreFullBackup(InstallationFolders::fromSettings(*target.settings), file, hooks);
    EXPECT_TRUE(report.ok()) << report.summary().join(QLatin1Char('\n')).toStdString();
    for (const QString& name : accepted) {
        const QString stem = target.path(QStringLiteral("GraphicPractises/Cat/Sub/")) + name;
        EXPECT_TRUE(QFile::exists(stem + QStringLiteral(".gmp")))
            << printableName(name).toStdString();
        EXPECT_TRUE(QFile::exists(stem + QStringLiteral("Small.jpg")))
            << printableName(name).toStdString();
    }
    for (const QString& folder : folders)
        EXPECT_TRUE(QFile::exists(target.path(QStringLiteral("GraphicPractises/")) + folder +
                                  QStringLiteral("/Sub/Drill.gmp")))
            << printableName(folder).toStdString();
}

} // namespace
