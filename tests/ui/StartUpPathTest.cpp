// What the start-up shares or skips must not change what the window does: menu items are
// found by name from a record kept as they are made, and the canvas screen shares the
// rendered practise until a mark is painted on it; the library search first reads the
// library once the window has been painted.
#include "GraphicEditorSupport.h"
#include "UiTestSupport.h"

#include "core/TSettings.h"
#include "editing/GraphicDocument.h"
#include "storage/TextPractiseFile.h"
#include "ui/ModeTable.h"
#include "ui/TFormKorvex.h"
#include "ui/search/LibrarySearch.h"
#include "ui/search/SearchController.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

using namespace korvex;
using korvex::test::GraphicEditorTest;

namespace {

class MenuItemLookupTest : public test::StartedWindowTest {};

TEST_F(MenuItemLookupTest, EveryNamedItemIsTheOneTheWindowHolds) {
    // Every mode's view is made once, so that items the views make are among the names.
    for (const ModeDescriptor& row : modeTable())
        window->SwitchMode(modeNumber(row.mode));
    QSet<QString> names;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!action->objectName().isEmpty())
            names.insert(action->objectName());
    }
    ASSERT_GT(names.size(), 100);
    for (const QString& name : names)
        EXPECT_EQ(window->action(name), window->findChild<QAction*>(name)) << name.toStdString();
    // A menu is found as its own item, whose text is the menu's title.
    QMenu* edit = window->findChild<QMenu*>(QStringLiteral("mmEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(window->action(QStringLiteral("mmEdit")), edit->menuAction());
    EXPECT_EQ(window->action(QStringLiteral("noSuchItem")), nullptr);
}

TEST_F(MenuItemLookupTest, ItemsAreCaptionedInANewLanguageAndAfterAModeChange) {
    ASSERT_TRUE(window->language().LoadLanguage(QStringLiteral("German")));
    window->ApplyCaptions();
    window->SwitchMode(modeNumber(Mode::Plans));
    // Items of the menu bar, of menus, of submenus, and items sharing another's text.
    const std::pair<const char*, const char*> captions[] = {{"mmEdit", "mmEdit"},
                                                            {"mmEditCopy", "mmEditCopy"},
                                                            {"mmTPNew", "mmTPNew"},
                                                            {"mmTUNew", "mmTPNew"},
                                                            {"mmHelpAbout", "mmHelpAbout"},
                                                            {"mmLoadBUGM", "mmGPMode"},
                                                            {"mmSaveBackUp", "mmSaveBackUp"}};
    for (const auto& [name, key] : captions) {
        QAction* item = window->action(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->text(), window->language().Text(QString::fromLatin1(key))) << name;
        EXPECT_FALSE(item->text().isEmpty()) << name;
    }
}

TEST(StartUpPath, TheLibraryIsReadOnlyOnceTheWindowHasBeenPainted) {
    test::AppCopy app;
    ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef()));
    TSettings settings;
    TextPractiseData text;
    text.version = settings.Version();
    text.text = {QStringLiteral("Partner passes, 3 x 2 minutes.")};
    const QString file = app.file(QStringLiteral("TextPractises/Off ice/Warm-up/Passes.tmp"));
    QDir().mkpath(QFileInfo(file).absolutePath());
    ASSERT_TRUE(writeTextPractiseFile(file, text, nullptr));

    TFormKorvex window(app.path());
    ASSERT_TRUE(window.startUp());
    auto* controller = window.findChild<SearchController*>();
    ASSERT_NE(controller, nullptr);
    LibrarySearch& search = controller->search();
    QCoreApplication::processEvents();
    EXPECT_FALSE(search.isBuilding());
    EXPECT_EQ(search.count(), 0);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY_WITH_TIMEOUT(search.isBuilding() || search.count() > 0, 4000);
    search.waitForBuild();
    EXPECT_EQ(search.count(), 1);
    window.close();
}

TEST_F(GraphicEditorTest, ScreenCopiesTheRenderedPictureOnlyWhileAMarkIsShown) {
    place("spbFigureCone", QPoint(120, 100));
    GraphicDocument* document = canvas->document();
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(document->figures().count(), 1);

    document->clearSelection();
    const QImage plain = canvas->buffer().copy();
    // Nothing marked: the screen is the rendered picture itself, not a copy of it.
    EXPECT_EQ(canvas->screen().constBits(), canvas->buffer().constBits());

    document->select(0);
    // The selection frame is on the screen only; the rendered picture stays unmarked.
    EXPECT_NE(canvas->screen().constBits(), canvas->buffer().constBits());
    EXPECT_NE(canvas->screen(), canvas->buffer());
    EXPECT_EQ(canvas->buffer(), plain);

    document->clearSelection();
    EXPECT_EQ(canvas->screen(), plain);
    // A line being drawn is a mark as well.
    pick("spbLineSolid");
    click(QPoint(40, 40));
    QTest::mouseMove(canvas, QPoint(200, 150));
    EXPECT_NE(canvas->screen(), canvas->buffer());
    EXPECT_EQ(canvas->buffer(), plain);
}

} // namespace
