// Start-up of the main window on good and broken installations.
#include "UiTestSupport.h"

#include "core/SafeSave.h"
#include "ui/TFormKorvex.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace korvex;
using korvex::test::AppCopy;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A start that fails names the file in its message, leaves the settings files exactly as
// they were (nothing is written back from a half-loaded state) and leaves no Settings.set.
void expectCleanFailure(const AppCopy& app, const QString& fileNamed) {
    const QByteArray defBefore = fileBytes(app.file(QStringLiteral("Settings.def")));
    const QByteArray txtBefore = fileBytes(app.file(QStringLiteral("Settings.txt")));
    {
        TFormKorvex window(app.path());
        EXPECT_FALSE(window.startUp());
        EXPECT_TRUE(window.errorString().contains(fileNamed)) << window.errorString().toStdString();
        window.close();
    }
    EXPECT_EQ(fileBytes(app.file(QStringLiteral("Settings.def"))), defBefore);
    EXPECT_EQ(fileBytes(app.file(QStringLiteral("Settings.txt"))), txtBefore);
    EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("Settings.set"))));
}

TEST(StartUp, ShippedRuntimeTreeStartsAndLeavesNoDecipheredFile) {
    AppCopy app;
    ASSERT_TRUE(app.isValid());
    {
        auto window = test::startWindow(app);
        ASSERT_NE(window, nullptr) << "the shipped Settings.def, Settings.txt and language load";
        EXPECT_EQ(window->currentMode(), 1);
        EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("Settings.set"))));
    }
    EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("Settings.set"))));
}

TEST(StartUp, MissingOrBrokenFilesFailCleanly) {
    {
        AppCopy app;
        ASSERT_TRUE(QFile::remove(app.file(QStringLiteral("Settings.def"))));
        expectCleanFailure(app, QStringLiteral("Settings.def"));
        EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("Settings.def"))));
    }
    {
        AppCopy app;
        ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef()));
        ASSERT_TRUE(QFile::remove(app.file(QStringLiteral("Settings.txt"))));
        expectCleanFailure(app, QStringLiteral("Settings.txt"));
    }
    {
        AppCopy app;
        ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef(QStringLiteral("Klingon"))));
        expectCleanFailure(app, QStringLiteral("Klingon.txt"));
    }
    {
        AppCopy app;
        QStringList def = test::defaultSettingsDef();
        def[3] = QStringLiteral("IndexOfGroundLine=many");
        ASSERT_TRUE(app.writeSettingsDef(def));
        expectCleanFailure(app, QStringLiteral("IndexOfGroundLine"));
    }
}

TEST(StartUp, LanguageWithoutFileKeyLeavesModeMenusUncaptioned) {
    AppCopy app;
    ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef()));
    QStringList lines;
    ASSERT_TRUE(loadTextLines(app.file(QStringLiteral("Language/English.txt")), &lines));
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("mmFile=")); });
    ASSERT_TRUE(saveTextLines(app.file(QStringLiteral("Language/English.txt")), lines));

    auto window = test::startWindow(app);
    ASSERT_NE(window, nullptr);
    for (const char* menu : {"mmFile", "mmGPMode", "mmTXMode", "mmTPMode", "mmDRMode", "mmPCMode",
                             "mmTUMode", "mmEXMode"})
        EXPECT_TRUE(window->findChild<QAction*>(QString::fromLatin1(menu))->text().isEmpty())
            << menu;
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("mmTools"))->text(),
              QStringLiteral("&Tools"));
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("mmExplorerMode"))->text(),
              QStringLiteral("Practise explorer"));
}

TEST(StartUp, OldTrainingUnitsMoveIntoTheArchive) {
    AppCopy app;
    ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef()));
    ASSERT_TRUE(
        app.writeText(QStringLiteral("Training unit/Juniors/1/Monday.ump"), QStringLiteral("a")));
    {
        auto window = test::startWindow(app);
        ASSERT_NE(window, nullptr);
    }
    EXPECT_EQ(fileBytes(app.file(QStringLiteral("TrainingPlans/Archive/Juniors/Monday.pamp"))),
              QByteArray("a"));
    EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("Training unit"))));
}

} // namespace
