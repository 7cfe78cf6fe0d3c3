// The text prompt, the settings dialog and the about page, driven through the dialog seam.
#include "UiTestSupport.h"

#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/ScriptedDialogs.h"
#include "ui/dialogs/TFormAbout.h"
#include "ui/dialogs/TFormGetText.h"
#include "ui/dialogs/TFormSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

TLanguage buttonTexts() {
    TLanguage language;
    language.setLines({QStringLiteral("btnOK=Accept"), QStringLiteral("btnCancel=Drop")});
    return language;
}

TEST(TextPrompt, CancelOrClosingGivesEmptyTextOkGivesTheEdit) {
    ScriptedDialogs dialogs;
    const TLanguage language = buttonTexts();

    dialogs.answerForm([](QDialog* form) {
        EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("edtText"))->text(),
                  QStringLiteral("Suggested"));
        EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("btnCancel"))->text(),
                  QStringLiteral("Drop"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                          Qt::LeftButton);
    });
    EXPECT_EQ(korvex::dialogs().getText(nullptr, language, QStringLiteral("Name"),
                                        TextPromptLayout::Name, QStringLiteral("Suggested")),
              QString());

    dialogs.answerForm([](QDialog* form) {
        auto* edit = form->findChild<QLineEdit*>(QStringLiteral("edtText"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("Power play"));
        QTest::keyClick(edit, Qt::Key_Return); // OK is the default button
    });
    EXPECT_EQ(korvex::dialogs().getText(nullptr, language, QStringLiteral("Name"),
                                        TextPromptLayout::General, QStringLiteral("x")),
              QStringLiteral("Power play"));

    // Closed without any button (Escape, window close) counts as Cancel.
    dialogs.answerForm([](QDialog* form) { QTest::keyClick(form, Qt::Key_Escape); });
    EXPECT_EQ(korvex::dialogs().getText(nullptr, language, QStringLiteral("Name"),
                                        TextPromptLayout::Short, QStringLiteral("x")),
              QString());
    // Not answered at all: rejected.
    EXPECT_EQ(korvex::dialogs().getText(nullptr, language, QStringLiteral("Name"),
                                        TextPromptLayout::Short, QStringLiteral("x")),
              QString());
    EXPECT_EQ(dialogs.textPrompts.size(), 4);
}

TEST(ScriptedDialogs, AnswersFromQueuesRecordsAndDefaultsToCancel) {
    ScriptedDialogs scripted;
    EXPECT_EQ(&korvex::dialogs(), &scripted);
    scripted.answerConfirm(true);
    EXPECT_TRUE(korvex::dialogs().confirm(nullptr, QStringLiteral("Delete?")));
    EXPECT_FALSE(korvex::dialogs().confirm(nullptr, QStringLiteral("Again?")));
    EXPECT_EQ(scripted.confirmations.size(), 2);
    scripted.answerSaveFile(QStringLiteral("/tmp/a.gmp"));
    const FileDialogOptions options{QStringLiteral("Save"), QString(), QString(),
                                    QStringLiteral("Practise (*.gmp)"), QStringLiteral("gmp")};
    EXPECT_EQ(korvex::dialogs().saveFileName(nullptr, options), QStringLiteral("/tmp/a.gmp"));
    EXPECT_TRUE(korvex::dialogs().openFileName(nullptr, options).isEmpty());
    ASSERT_EQ(scripted.fileDialogs.size(), 2);
    EXPECT_EQ(scripted.fileDialogs.first().defaultSuffix, QStringLiteral("gmp"));
    EXPECT_FALSE(korvex::dialogs().print(nullptr, nullptr));

    // A pop-up choice triggers the chosen action, as the real menu does; a disabled one is
    // returned but not triggered.
    QMenu menu;
    QAction* red = menu.addAction(QStringLiteral("Red"));
    red->setObjectName(QStringLiteral("ppmColorRed"));
    QAction* blue = menu.addAction(QStringLiteral("Blue"));
    blue->setObjectName(QStringLiteral("ppmColorBlue"));
    blue->setEnabled(false);
    QSignalSpy redSpy(red, &QAction::triggered);
    QSignalSpy blueSpy(blue, &QAction::triggered);
    scripted.answerPopup(QStringLiteral("ppmColorRed"));
    scripted.answerPopup(QStringLiteral("ppmColorBlue"));
    EXPECT_EQ(korvex::dialogs().popup(&menu, QPoint()), red);
    EXPECT_EQ(korvex::dialogs().popup(&menu, QPoint()), blue);
    EXPECT_EQ(korvex::dialogs().popup(&menu, QPoint()), nullptr);
    EXPECT_EQ(redSpy.count(), 1);
    EXPECT_EQ(blueSpy.count(), 0);
}

TEST(TextPrompt, LayoutVariantsSizeFormEditAndButtons) {
    ScriptedDialogs dialogs;
    const TLanguage language = buttonTexts();
    const struct {
        int variant;
        int form, edit, okLeft, cancelLeft, buttonWidth;
    } cases[] = {{0, 309, 290, 141, 221, 75},
                 {1, 174, 155, 6, 86, 75},
                 {2, 129, 110, 6, 63, 53},
                 {7, 309, 290, 141, 221, 75}};
    for (const auto& c : cases) {
        TFormGetText form(language);
        form.setLayoutVariant(c.variant);
        dialogs.answerForm([&c](QDialog* shown) {
            EXPECT_EQ(shown->width(), c.form) << c.variant;
            EXPECT_EQ(shown->findChild<QLineEdit*>(QStringLiteral("edtText"))->width(), c.edit);
            auto* ok = shown->findChild<QPushButton*>(QStringLiteral("btnOK"));
            auto* cancel = shown->findChild<QPushButton*>(QStringLiteral("btnCancel"));
            EXPECT_EQ(ok->x(), c.okLeft) << c.variant;
            EXPECT_EQ(cancel->x(), c.cancelLeft) << c.variant;
            EXPECT_EQ(ok->width(), c.buttonWidth) << c.variant;
            EXPECT_LE(cancel->geometry().right(), shown->width()) << c.variant;
        });
        korvex::dialogs().exec(&form);
    }
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.isValid());
        // Only the rink pictures of this test, not the shipped ones.
        QDir(app.file(QStringLiteral("Playgrounds"))).removeRecursively();
        for (const char* rink : {"Rink", "RinkSmall", "BlueSmall", "Half", "HalfSmall", "Wide"})
            ASSERT_TRUE(app.writeText(QStringLiteral("Playgrounds/") + QString::fromLatin1(rink) +
                                          QStringLiteral(".jpg"),
                                      QStringLiteral("jpeg")));
        ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef(QStringLiteral("Czech"))));
        settings.setAppDir(app.path());
        ASSERT_TRUE(settings.Load()) << settings.errorString().toStdString();
        settings.setSaveOnDestroy(false);
        language.setAppDir(app.path());
        language.setLanguageDir(settings.LanguageOpenDir());
        ASSERT_TRUE(language.LoadLanguage(settings.Language()));
    }
    test::AppCopy app;
    TSettings settings;
    TLanguage language;
};

TEST_F(SettingsDialog, ShowsCurrentValuesAndLeavesThumbnailsOut) {
    EXPECT_EQ(
        TFormSettings::rinkNames(app.file(QStringLiteral("Playgrounds"))),
        (QStringList{QStringLiteral("Half"), QStringLiteral("Rink"), QStringLiteral("Wide")}));
    TFormSettings form(language, settings);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Nastavení"));
    auto* languages = form.findChild<QComboBox*>(QStringLiteral("cmbLanguage"));
    EXPECT_EQ(languages->currentText(), QStringLiteral("Czech"));
    EXPECT_EQ(languages->count(), 3);
    auto* sizes = form.findChild<QComboBox*>(QStringLiteral("cmbFormSize"));
    EXPECT_EQ(sizes->itemText(0), language.Text(QStringLiteral("fsSmall")));
    EXPECT_EQ(sizes->currentIndex(), 1);
    auto* rinks = form.findChild<QListWidget*>(QStringLiteral("clbCourt"));
    ASSERT_EQ(rinks->count(), 3);
    EXPECT_EQ(rinks->item(0)->checkState(), Qt::Unchecked); // Half
    EXPECT_EQ(rinks->item(1)->checkState(), Qt::Checked);   // Rink
    EXPECT_TRUE(form.findChild<QCheckBox*>(QStringLiteral("chbCountPlayers"))->isChecked());
}

namespace {

// Changes every value of the settings form: German, small layout, other rinks, no counting.
void chooseOtherValues(TFormSettings& form) {
    form.findChild<QComboBox*>(QStringLiteral("cmbLanguage"))
        ->setCurrentText(QStringLiteral("German"));
    form.findChild<QComboBox*>(QStringLiteral("cmbFormSize"))->setCurrentIndex(0);
    auto* rinks = form.findChild<QListWidget*>(QStringLiteral("clbCourt"));
    rinks->item(0)->setCheckState(Qt::Checked);
    rinks->item(1)->setCheckState(Qt::Unchecked);
    rinks->item(2)->setCheckState(Qt::Checked);
    form.findChild<QCheckBox*>(QStringLiteral("chbCountPlayers"))->setChecked(false);
}

} // namespace

TEST_F(SettingsDialog, OkStoresTheChosenValuesCancelNothing) {
    {
        TFormSettings form(language, settings);
        chooseOtherValues(form);
        // Cancel: nothing is stored.
    }
    EXPECT_EQ(settings.Language(), QStringLiteral("Czech"));
    EXPECT_EQ(settings.selectedRinks(),
              (QStringList{QStringLiteral("Rink"), QStringLiteral("HalfRink")}));

    TFormSettings form(language, settings);
    chooseOtherValues(form);
    form.applyToSettings();
    EXPECT_EQ(settings.Language(), QStringLiteral("German"));
    EXPECT_EQ(settings.FormSize(), 0);
    EXPECT_EQ(settings.WindowWidth(), 772);
    // Checked names in list order; a selected rink without a picture is dropped.
    EXPECT_EQ(settings.selectedRinks(),
              (QStringList{QStringLiteral("Half"), QStringLiteral("Wide")}));
    EXPECT_FALSE(settings.CountPlayers());
}

TEST_F(SettingsDialog, UnknownLanguageIsNotChosenAndKeptOnOk) {
    settings.setLanguage(QStringLiteral("Polish"));
    TFormSettings form(language, settings);
    EXPECT_EQ(form.findChild<QComboBox*>(QStringLiteral("cmbLanguage"))->currentIndex(), -1);
    for (int i = 0; i < form.findChild<QListWidget*>(QStringLiteral("clbCourt"))->count(); ++i)
        form.findChild<QListWidget*>(QStringLiteral("clbCourt"))
            ->item(i)
            ->setCheckState(Qt::Unchecked);
    form.applyToSettings();
    EXPECT_EQ(settings.Language(), QStringLiteral("Polish"));
    EXPECT_TRUE(settings.selectedRinks().isEmpty());
}

TEST(AboutPage, LinesComeFromTheLanguageAndVersionLineCentresItsLabel) {
    test::AppCopy app;
    TSettings settings;
    settings.setAppDir(app.path());
    ASSERT_TRUE(settings.Load());
    settings.setSaveOnDestroy(false);
    TLanguage language;
    language.setLines({QStringLiteral("AboutName=Korvex"), QStringLiteral("AboutVerzion=Version"),
                       QStringLiteral("AboutCopyright=(c) us")});
    const QList<TFormAbout::Line> lines = TFormAbout::pageLines(language, settings);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0].top, 45);
    EXPECT_TRUE(lines[0].heading);
    EXPECT_EQ(lines[1].top, 70);
    EXPECT_EQ(lines[1].drawn,
              QStringLiteral("Version ") + settings.VersionText() + QStringLiteral("."));
    EXPECT_EQ(lines[1].measured, QStringLiteral("Version"));
    EXPECT_EQ(lines[2].drawn, QStringLiteral("(c) us"));
    EXPECT_EQ(lines[7].top, 190);
    EXPECT_TRUE(lines[7].drawn.isEmpty()); // a missing key gives an empty line

    EXPECT_EQ(TFormAbout::centredLeft(354, 100), 127);
    EXPECT_EQ(TFormAbout::centredLeft(354, 355), 0);   // -0.5 rounds towards zero
    EXPECT_EQ(TFormAbout::centredLeft(354, 400), -23); // wider than the page: cut at the left

    // Something is drawn where the heading stands, nothing above it.
    const QImage page = TFormAbout::drawPage(lines, Qt::white);
    EXPECT_EQ(page.size(), QSize(354, 257));
    bool headingInk = false;
    bool inkAbove = false;
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixel(x, y) != qRgb(255, 255, 255))
                (y < 45 ? inkAbove : headingInk) = true;
        }
    }
    EXPECT_TRUE(headingInk);
    EXPECT_FALSE(inkAbove);
}

} // namespace
