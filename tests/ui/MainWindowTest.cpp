// The real main window driven through its menus, tool buttons and shortcuts, headless,
// on a private copy of the runtime tree.
#include "UiTestSupport.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/ModeTable.h"
#include "ui/ScriptedDialogs.h"
#include "ui/TFormKorvex.h"
#include "ui/explorer/TfrmExplorerMode.h"
#include "ui/graphic/TfrmGraphicMode.h"
#include "ui/plans/TfrmTrainingPlanMode.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace korvex;
using korvex::test::AppCopy;

namespace {

class MainWindowTest : public test::StartedWindowTest {
protected:
    QToolButton* button(const char* name) const {
        return window->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    QString text(const char* key) const {
        return window->language().Text(QString::fromLatin1(key));
    }
    QStringList checkedViewItems() const {
        QStringList checked;
        for (QAction* action : window->findChild<QMenu*>(QStringLiteral("mmView"))->actions()) {
            if (action->isChecked())
                checked.append(action->objectName());
        }
        return checked;
    }
    QStringList visibleModeMenus() const {
        QStringList visible;
        for (const char* name : {"mmFile", "mmGPMode", "mmTXMode", "mmEXMode", "mmTPMode",
                                 "mmDRMode", "mmPCMode", "mmTUMode", "acticspractise1"}) {
            if (item(name)->isVisible())
                visible.append(QString::fromLatin1(name));
        }
        return visible;
    }

    // The menus of the bar a coach sees, left to right.
    QStringList visibleBarMenus() const {
        QStringList visible;
        for (QAction* action : window->menuBar()->actions()) {
            if (action->isVisible())
                visible.append(action->objectName());
        }
        return visible;
    }

    ScriptedDialogs dialogs;
};

TEST_F(MainWindowTest, StartsInGraphicModeWithItsMenuCaptionsAndViewState) {
    EXPECT_EQ(window->currentMode(), 1);
    EXPECT_NE(qobject_cast<TfrmGraphicMode*>(window->currentView()), nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvex - Graphic practises"));
    EXPECT_EQ(visibleModeMenus(), QStringList{QStringLiteral("mmGPMode")});
    EXPECT_EQ(item("mmGPMode")->text(), text("mmFile"));
    EXPECT_EQ(checkedViewItems(), QStringList{QStringLiteral("mmGraphicMode")});
    EXPECT_EQ(item("mmGMNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_EQ(button("spbChangePractiseViewMode")->toolTip(), text("EditMode"));
    EXPECT_EQ(window->size(), QSize(1024, 735));
    // The graphic view shows its editor, not the notice of a view still to come.
    EXPECT_NE(window->currentView()->findChild<QWidget*>(QStringLiteral("imgGMGround")), nullptr);
    EXPECT_EQ(window->currentView()->findChild<QLabel*>(QStringLiteral("lblNotAvailable")),
              nullptr);
    EXPECT_TRUE(item("mmGMNew")->isEnabled());
    EXPECT_TRUE(button("spbNewChange")->isEnabled());
    // Commands that no view offers yet are disabled, not pretending to work.
    EXPECT_FALSE(item("mmDRNewTeam")->isEnabled());
    EXPECT_TRUE(item("mmSaveBUAll")->isEnabled());
    EXPECT_TRUE(item("mmSettings")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("Settings.set"))));
}

TEST_F(MainWindowTest, MenusToolButtonsAndShortcutsSwitchModes) {
    item("mmTextMode")->trigger();
    EXPECT_EQ(window->currentMode(), 2);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvex - Text practises"));

    QTest::mouseClick(button("spbDiary"), Qt::LeftButton);
    EXPECT_EQ(window->currentMode(), 4);
    EXPECT_EQ(visibleModeMenus(), QStringList{QStringLiteral("mmDRMode")});
    EXPECT_FALSE(button("spbNewChange")->isVisible());
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("CoolBar"))->width(), 185);

    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(window->currentMode(), 3);
    auto* plans = qobject_cast<TfrmTrainingPlanMode*>(window->currentView());
    ASSERT_NE(plans, nullptr);
    EXPECT_FALSE(plans->isArchive());
    EXPECT_EQ(window->settings().planSelector(), TSettings::Plans);
    EXPECT_TRUE(item("mmTPNew")->isVisible());
    EXPECT_FALSE(item("mmTPDeleteArchive")->isVisible());
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("CoolBar"))->width(), 231);

    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(window->currentMode(), 6);
    plans = qobject_cast<TfrmTrainingPlanMode*>(window->currentView());
    ASSERT_NE(plans, nullptr);
    EXPECT_TRUE(plans->isArchive());
    EXPECT_EQ(window->settings().planSelector(), TSettings::Archive);
    EXPECT_EQ(visibleModeMenus(), QStringList{QStringLiteral("mmTPMode")});
    EXPECT_FALSE(item("mmTPNew")->isVisible());
    EXPECT_FALSE(item("mmTPCreateArchive")->isVisible());
    EXPECT_TRUE(item("mmTPDeleteArchive")->isVisible());
    EXPECT_TRUE(item("mmTPRenameArchiveTeam")->isVisible());
    EXPECT_EQ(checkedViewItems(), QStringList{QStringLiteral("mmTrainingArchiveMode")});
    // Leaving the plan mode took its shortcuts away; the archive gets none.
    EXPECT_TRUE(item("mmTPNew")->shortcut().isEmpty());
    EXPECT_TRUE(item("mmTPPrint")->shortcut().isEmpty());

    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(window->currentMode(), 5);
    EXPECT_EQ(item("mmPCPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(window->currentMode(), 1);
    EXPECT_TRUE(item("mmPCPrint")->shortcut().isEmpty());
    EXPECT_EQ(checkedViewItems(), QStringList{QStringLiteral("mmGraphicMode")});
}

TEST_F(MainWindowTest, EveryModeOfTheTableIsReachableAndWiredAlike) {
    EXPECT_EQ(findMode(0), nullptr);
    EXPECT_EQ(findMode(9), nullptr);
    QStringList viewItems;
    for (QAction* action : window->findChild<QMenu*>(QStringLiteral("mmView"))->actions())
        viewItems.append(action->objectName());
    ASSERT_EQ(viewItems.size(), qsizetype(modeTable().size()));
    for (size_t i = 0; i < modeTable().size(); ++i) {
        const ModeDescriptor& row = modeTable()[i];
        const int number = modeNumber(row.mode);
        // The View menu and the tool bar list the modes in the table's order.
        EXPECT_EQ(viewItems.at(qsizetype(i)), QString::fromLatin1(row.viewItem));
        QTest::mouseClick(button(row.toolButton), Qt::LeftButton);
        ASSERT_EQ(window->currentMode(), number) << row.viewItem;
        ASSERT_NE(window->currentView(), nullptr) << row.viewItem;
        EXPECT_EQ(visibleModeMenus(), QStringList{QString::fromLatin1(row.fileMenu)});
        // The mode's File menu comes first whatever the mode, then Edit.
        EXPECT_EQ(visibleBarMenus().join(QLatin1Char(' ')).toStdString(),
                  std::string(row.fileMenu) + " mmEdit mmView mmTools mmHelp");
        EXPECT_EQ(checkedViewItems(), QStringList{QString::fromLatin1(row.viewItem)});
        EXPECT_TRUE(button(row.toolButton)->isChecked());
        EXPECT_EQ(window->windowTitle(),
                  QStringLiteral("Korvex - ") + window->language().Text(row.captionKey));
        EXPECT_EQ(button(row.toolButton)->toolTip(), window->language().Text(row.captionKey));
        EXPECT_EQ(item(row.viewItem)->text(), window->language().Text(row.viewItemKey));
        EXPECT_EQ(button("spbNewChange")->isVisible(), row.editSwitch) << row.viewItem;
        if (row.printItem != nullptr && row.shortcuts) {
            EXPECT_EQ(item(row.printItem)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        }
    }
}

TEST_F(MainWindowTest, ExplorerViewSurvivesOtherModes) {
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    ASSERT_EQ(window->currentMode(), 8);
    QPointer<TModeView> explorer = window->currentView();
    ASSERT_NE(qobject_cast<TfrmExplorerMode*>(explorer.data()), nullptr);
    explorer->setProperty("remembered", 42); // stands for the view's selection and grid
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvex - Practise explorer"));

    QTest::mouseClick(button("spbGraphicMode"), Qt::LeftButton);
    QPointer<TModeView> graphic = window->currentView();
    EXPECT_EQ(window->currentMode(), 1);
    EXPECT_FALSE(explorer.isNull());
    EXPECT_FALSE(explorer->isVisible());

    QTest::mouseClick(button("spbTextMode"), Qt::LeftButton);
    EXPECT_TRUE(graphic.isNull()) << "a left mode's view is freed";
    QTest::mouseClick(button("spbExplorerMode"), Qt::LeftButton);
    EXPECT_EQ(window->currentView(), explorer.data());
    EXPECT_EQ(explorer->property("remembered").toInt(), 42);
    EXPECT_TRUE(explorer->isVisible());
    EXPECT_EQ(window->explorerView(), explorer.data());
}

TEST_F(MainWindowTest, ModesWithTheSwitchAreEnteredInViewState) {
    for (int mode : {1, 2, 3, 6}) {
        window->SwitchMode(mode);
        EXPECT_TRUE(button("spbChangePractiseViewMode")->isVisible()) << mode;
        EXPECT_EQ(button("spbChangePractiseViewMode")->toolTip(), text("EditMode")) << mode;
        EXPECT_FALSE(window->settings().EditFlag()) << mode;
        // With nothing loaded the switch stays in view state.
        QTest::mouseClick(button("spbChangePractiseViewMode"), Qt::LeftButton);
        EXPECT_FALSE(window->settings().EditFlag()) << mode;
        EXPECT_EQ(button("spbChangePractiseViewMode")->toolTip(), text("EditMode")) << mode;
    }
    window->SwitchMode(5);
    EXPECT_FALSE(button("spbChangePractiseViewMode")->isVisible());
}

TEST_F(MainWindowTest, CommandsNeedingAPractisePlanOrTeamAreGreyedWithoutOneAndSayWhy) {
    // The copied installation has no practise, so nothing is chosen in either view.
    const auto shown = [this](const char* menu) {
        Q_EMIT window->findChild<QMenu*>(QLatin1String(menu))->aboutToShow();
    };
    const auto hidden = [this](const char* menu) {
        Q_EMIT window->findChild<QMenu*>(QLatin1String(menu))->aboutToHide();
    };
    shown("mmGPMode");
    for (const char* name : {"mmGMChangeViewMode", "mmGMPlaceToTP", "mmGMExport",
                             "mmGMExportToHTML", "mmGMExportToZip", "mmGmExportPicture",
                             "mmGMShare", "mmGMChangePlayground", "mmGMPrint", "mmGMPrintPreview"})
        EXPECT_FALSE(item(name)->isEnabled()) << name;
    for (const char* name : {"mmGMNew", "mmGMImport", "mmGMExit"})
        EXPECT_TRUE(item(name)->isEnabled()) << name;
    // Closed, the menu gives its items back, so a shortcut still reaches the window, which
    // says what is missing instead of doing nothing.
    hidden("mmGPMode");
    ASSERT_TRUE(item("mmGMPrint")->isEnabled());
    ASSERT_TRUE(item("mmGMShare")->isEnabled());
    for (const char* name : {"mmGMPrint", "mmGMPlaceToTP", "mmGMShare", "mmGMChangeViewMode"}) {
        window->statusBar()->clearMessage();
        item(name)->trigger();
        EXPECT_EQ(window->statusBar()->currentMessage(), text("ChoosePractiseFirst")) << name;
    }
    EXPECT_EQ(window->currentMode(), 1);
    EXPECT_FALSE(window->settings().EditFlag());

    shown("mmEdit");
    EXPECT_FALSE(item("mmEditCopy")->isEnabled());
    EXPECT_FALSE(item("mmEditUndo")->isEnabled());
    EXPECT_TRUE(item("mmFind")->isEnabled());
    hidden("mmEdit");
    window->statusBar()->clearMessage();
    item("mmEditDuplicate")->trigger();
    EXPECT_EQ(window->statusBar()->currentMessage(), text("ChoosePractiseFirst"));

    window->SwitchMode(2);
    shown("mmTXMode");
    EXPECT_FALSE(item("mmTXPrint")->isEnabled());
    EXPECT_TRUE(item("mmTXLoadBackUp")->isEnabled());
    hidden("mmTXMode");
    window->statusBar()->clearMessage();
    item("mmTXPlaceToTP")->trigger();
    EXPECT_EQ(window->statusBar()->currentMessage(), text("ChoosePractiseFirst"));
    EXPECT_EQ(window->currentMode(), 2);
    // A backup of the category needs one chosen; it asks for it before any file dialog.
    item("mmTXBackUpCategory")->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.informations.last(), text("BackUpNeedsCategory"));
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());

    // The plan view, with no plan chosen: a submenu whose entries all need one is greyed too.
    window->SwitchMode(3);
    shown("mmTPMode");
    for (const char* name : {"mmTPPlace", "mmTPCreateArchive", "mmTPExportToHTML", "mmTPShare",
                             "mmTPPrint", "mmTPPrintPreview"})
        EXPECT_FALSE(item(name)->isEnabled()) << name;
    EXPECT_TRUE(item("mmTPNew")->isEnabled());
    EXPECT_TRUE(item("mmTPExit")->isEnabled());
    hidden("mmTPMode");
    EXPECT_TRUE(item("mmTPPrint")->isEnabled());
    window->statusBar()->clearMessage();
    item("mmTPAdvancedPrint")->trigger();
    EXPECT_EQ(window->statusBar()->currentMessage(), text("ChoosePlanFirst"));

    // The diary without a team: its team and record commands wait for one.
    window->SwitchMode(4);
    shown("mmDRMode");
    for (const char* name : {"mmDRDeleteTeam", "mmDRRenameTeam", "mmDRDeleteRecord", "mmDRPrint"})
        EXPECT_FALSE(item(name)->isEnabled()) << name;
    EXPECT_TRUE(item("mmDRNewTeam")->isEnabled());
    hidden("mmDRMode");
    window->statusBar()->clearMessage();
    item("mmDRDeleteTeam")->trigger();
    EXPECT_EQ(window->statusBar()->currentMessage(), text("TeamNotSelected"));
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.forms.isEmpty());
}

TEST_F(MainWindowTest, NewButtonInArchiveModeDoesNothing) {
    window->SwitchMode(6);
    QPointer<TModeView> view = window->currentView();
    EXPECT_TRUE(button("spbNewChange")->isVisible());
    QTest::mouseClick(button("spbNewChange"), Qt::LeftButton);
    button("spbNewChange")->click();
    EXPECT_EQ(window->currentMode(), 6);
    EXPECT_EQ(window->currentView(), view.data());
    EXPECT_TRUE(dialogs.forms.isEmpty());
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(MainWindowTest, HelpOpensThePageOfTheLanguageOnly) {
    const struct {
        const char* language;
        const char* page;
    } cases[] = {{"English", "KorvexEN.html"},
                 {"Czech", "Korvex.html"},
                 {"German", "KorvexDE.html"},
                 {"english", nullptr},
                 {"Polish", nullptr}};
    for (const auto& entry : cases) {
        dialogs.openedUrls.clear();
        window->settings().setLanguage(QString::fromLatin1(entry.language));
        item("mmHelpContent")->trigger();
        if (entry.page == nullptr) {
            EXPECT_TRUE(dialogs.openedUrls.isEmpty()) << entry.language;
            continue;
        }
        ASSERT_EQ(dialogs.openedUrls.size(), 1) << entry.language;
        EXPECT_EQ(dialogs.openedUrls.first(),
                  QUrl::fromLocalFile(
                      app.file(QStringLiteral("Help/") + QString::fromLatin1(entry.page))));
    }
    // A missing page opens nothing and says nothing.
    QFile::remove(app.file(QStringLiteral("Help/KorvexDE.html")));
    dialogs.openedUrls.clear();
    window->settings().setLanguage(QStringLiteral("German"));
    window->showHelp();
    EXPECT_TRUE(dialogs.openedUrls.isEmpty());
    EXPECT_TRUE(dialogs.informations.isEmpty());

    item("mmHelpHomePage")->trigger();
    ASSERT_EQ(dialogs.openedUrls.size(), 1);
    EXPECT_EQ(dialogs.openedUrls.first(), QUrl(QString::fromLatin1(TFormKorvex::kHomePage)));
    item("mmHelpAbout")->trigger();
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormAbout")});
}

TEST_F(MainWindowTest, SettingsOkReloadsLanguageResizesAndRebuildsTheView) {
    window->SwitchMode(2);
    QPointer<TModeView> before = window->currentView();
    dialogs.answerForm([](QDialog* form) {
        form->findChild<QComboBox*>(QStringLiteral("cmbLanguage"))
            ->setCurrentText(QStringLiteral("German"));
        form->findChild<QComboBox*>(QStringLiteral("cmbFormSize"))->setCurrentIndex(0);
        form->findChild<QPushButton*>(QStringLiteral("btnSettingsOK"))->click();
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormSettings")});
    EXPECT_EQ(window->settings().Language(), QStringLiteral("German"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvex - Textübungen"));
    EXPECT_EQ(item("mmTools")->text(), QStringLiteral("E&xtras"));
    EXPECT_EQ(window->size(), QSize(772, 656));
    EXPECT_EQ(window->currentMode(), 2);
    EXPECT_TRUE(before.isNull()) << "the view is rebuilt in the new language";

    // Cancel changes nothing.
    before = window->currentView();
    dialogs.answerForm([](QDialog* form) {
        form->findChild<QComboBox*>(QStringLiteral("cmbLanguage"))
            ->setCurrentText(QStringLiteral("Czech"));
        form->findChild<QPushButton*>(QStringLiteral("btnSettingsCancel"))->click();
    });
    item("mmSettings")->trigger();
    EXPECT_EQ(window->settings().Language(), QStringLiteral("German"));
    EXPECT_EQ(window->currentView(), before.data());
}

TEST_F(MainWindowTest, SettingsOkWithAnUnreadableLanguageKeepsTheTableInUse) {
    // The language file vanishes between listing and loading.
    dialogs.answerForm([this](QDialog* form) {
        form->findChild<QComboBox*>(QStringLiteral("cmbLanguage"))
            ->setCurrentText(QStringLiteral("German"));
        QFile::remove(app.file(QStringLiteral("Language/German.txt")));
        form->findChild<QPushButton*>(QStringLiteral("btnSettingsOK"))->click();
    });
    window->showSettings();
    EXPECT_EQ(window->settings().Language(), QStringLiteral("English"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Korvex - Graphic practises"));
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.first().contains(QStringLiteral("German.txt")));
}

TEST_F(MainWindowTest, ClosingFromEveryModeWritesTheSettingsBack) {
    // Each way out ends in the same shutdown; one window per mode.
    window.reset();
    for (int mode = 1; mode <= 8; ++mode) {
        ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef()));
        auto win = test::startWindow(app);
        ASSERT_NE(win, nullptr);
        win->SwitchMode(mode);
        win->settings().setLanguage(QStringLiteral("Czech"));
        win->settings().SetFormSize(0);
        win->settings().setCountPlayers(false);
        if (mode == 1)
            win->findChild<QAction*>(QStringLiteral("mmGMExit"))->trigger();
        else if (mode == 4)
            win->findChild<QAction*>(QStringLiteral("mmDRExit"))->trigger();
        else
            win->close();
        EXPECT_FALSE(win->isVisible()) << mode;
        const QStringList def = app.readSettingsDef();
        EXPECT_TRUE(def.contains(QStringLiteral("Language=Czech"))) << mode;
        EXPECT_TRUE(def.contains(QStringLiteral("FormSize=0"))) << mode;
        EXPECT_TRUE(def.contains(QStringLiteral("CountPlayers=0"))) << mode;
        EXPECT_FALSE(QFileInfo::exists(app.file(QStringLiteral("Settings.set")))) << mode;
        win.reset(); // destruction after closing writes nothing different
        EXPECT_EQ(app.readSettingsDef(), def) << mode;
    }
}

TEST_F(MainWindowTest, NextStartIsInGraphicModeAtTheSizeLeft) {
    window->SwitchMode(5);
    window->settings().SetFormSize(0);
    window->close();
    window.reset();
    window = test::startWindow(app);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->currentMode(), 1);
    EXPECT_EQ(window->size(), QSize(772, 656));
    EXPECT_TRUE(app.readSettingsDef().contains(QStringLiteral("FormSize=0")));

    window->settings().SetFormSize(1);
    window->close();
    window.reset();
    window = test::startWindow(app);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->size(), QSize(1024, 735));
}

} // namespace
