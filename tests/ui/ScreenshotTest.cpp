// Grabs the main window in every mode and the two dialogs in both window sizes. The pictures
// go to the folder named by KORVEX_SCREENSHOT_DIR when it is set (to look at them), else
// to a temporary folder; the test checks only that every grab has content.
#include "UiTestSupport.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/ScriptedDialogs.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormAbout.h"
#include "ui/dialogs/TFormSettings.h"

#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

bool hasContent(const QImage& image) {
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            if (image.pixel(x, y) != first)
                return true;
        }
    }
    return false;
}

TEST(Screenshots, EveryModeAndBothDialogsInBothSizes) {
    ScriptedDialogs dialogs;
    test::AppCopy app;
    ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef()));
    QTemporaryDir scratch;
    const QString folder = qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("KORVEX_SCREENSHOT_DIR")
                               : scratch.path();
    QDir().mkpath(folder);
    auto window = test::startWindow(app);
    ASSERT_NE(window, nullptr);
    for (int size : {1, 0}) {
        window->settings().SetFormSize(size);
        const QString suffix = size == 1 ? QStringLiteral("large") : QStringLiteral("small");
        for (int mode : {1, 2, 3, 4, 5, 6, 7, 8}) {
            window->SwitchMode(mode);
            window->resize(window->settings().WindowWidth(), window->settings().WindowHeight());
            const QImage shot = window->grab().toImage();
            EXPECT_TRUE(hasContent(shot)) << mode;
            shot.save(QStringLiteral("%1/mode%2-%3.png").arg(folder).arg(mode).arg(suffix));
        }
        window->SwitchMode(1);
        QMenu* menu = window->findChild<QMenu*>(QStringLiteral("mmGPMode"));
        menu->popup(window->mapToGlobal(QPoint(0, 0)));
        menu->grab().toImage().save(QStringLiteral("%1/menu-graphic-%2.png").arg(folder, suffix));
        menu->hide();
        for (const QString& language :
             {QStringLiteral("English"), QStringLiteral("Czech"), QStringLiteral("German")}) {
            ASSERT_TRUE(window->language().LoadLanguage(language));
            const QString name = suffix + QLatin1Char('-') + language;
            TFormSettings settingsForm(window->language(), window->settings(), window.get());
            settingsForm.show();
            EXPECT_TRUE(hasContent(settingsForm.grab().toImage()));
            settingsForm.grab().save(QStringLiteral("%1/settings-%2.png").arg(folder, name));
            TFormAbout about(window->language(), window->settings(), window.get());
            about.show();
            EXPECT_TRUE(hasContent(about.grab().toImage()));
            about.grab().save(QStringLiteral("%1/about-%2.png").arg(folder, name));
        }
        ASSERT_TRUE(window->language().LoadLanguage(QStringLiteral("English")));
    }
}

} // namespace
