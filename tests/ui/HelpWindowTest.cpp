// Help > Contents and Home page on a system where no web browser opens anything.
#include "UiTestSupport.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/ScriptedDialogs.h"
#include "ui/dialogs/HelpWindow.h"

#include <QTextBrowser>

using namespace korvex;

namespace {

class HelpWindowTest : public korvex::test::StartedWindowTest {
protected:
    ScriptedDialogs dialogs;
};

TEST_F(HelpWindowTest, WithoutABrowserTheHelpShowsInTheProgramsOwnWindow) {
    dialogs.openUrlResult = false;
    item("mmHelpContent")->trigger();
    const QString page = app.file(QStringLiteral("Help/KorvexEN.html"));
    ASSERT_EQ(dialogs.openedUrls, QList<QUrl>{QUrl::fromLocalFile(page)});
    auto* help = window->findChild<HelpWindow*>(QStringLiteral("FormHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), window->language().Text(QStringLiteral("FormHelp")));
    EXPECT_EQ(help->browser()->source(), QUrl::fromLocalFile(page));
    EXPECT_TRUE(help->browser()->toPlainText().contains(QStringLiteral("Practise explorer")));
    // It says why it shows here, without a box to click away.
    EXPECT_TRUE(dialogs.informations.isEmpty());

    // Asking again reuses the one window, now with the page of the new language.
    help->close();
    window->settings().setLanguage(QStringLiteral("German"));
    item("mmHelpContent")->trigger();
    EXPECT_EQ(window->findChildren<HelpWindow*>().size(), 1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source(),
              QUrl::fromLocalFile(app.file(QStringLiteral("Help/KorvexDE.html"))));
    ASSERT_TRUE(window->language().LoadLanguage(QStringLiteral("German")));
    item("mmHelpContent")->trigger();
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Korvex-Hilfe"));

    // The home page cannot be shown here: the coach is told its address.
    item("mmHelpHomePage")->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.first().contains(QString::fromLatin1(TFormKorvex::kHomePage)));
}

TEST_F(HelpWindowTest, WithABrowserNoOwnWindowOpens) {
    item("mmHelpContent")->trigger();
    item("mmHelpHomePage")->trigger();
    EXPECT_EQ(dialogs.openedUrls.size(), 2);
    EXPECT_EQ(window->findChild<HelpWindow*>(), nullptr);
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

} // namespace
