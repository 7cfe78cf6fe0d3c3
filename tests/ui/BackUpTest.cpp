// The backup dialog and the Tools menu's backup commands on the real main window, headless.
#include "UiTestSupport.h"

#include "../storage/RecordFixtures.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/FullBackup.h"
#include "ui/ScriptedDialogs.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormBackUp.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace korvex;
using korvex::test::AppCopy;

namespace {

QPushButton* button(QWidget* form, const char* name) {
    return form->findChild<QPushButton*>(QLatin1String(name));
}

class BackUpTest : public test::StartedWindowTest {
protected:
    QString text(const char* key) const { return window->language().Text(QLatin1String(key)); }
    void putCard(const QString& team) {
        ASSERT_TRUE(test::writeFile(app.file(QStringLiteral("PlayerCards/%1.cmp").arg(team)),
                                    test::le32(141) + test::le32(0)));
    }

    ScriptedDialogs dialogs;
};

TEST_F(BackUpTest, FormKeepsAnExistingNameFromAddAndExplainsTheEditedName) {
    const QStringList existing = {QStringLiteral("Drill"), QStringLiteral("Other")};
    TFormBackUp form(window->language(), QStringLiteral("Drill"), QStringLiteral("...\\T\\c\\s\\"),
                     existing, window.get());
    form.show();
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("edtLoadedPractise"));
    auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("memBackUpText"));
    EXPECT_EQ(edit->text(), QStringLiteral("Drill"));
    EXPECT_EQ(memo->toPlainText(), text("memBackUpTextReplace"));
    EXPECT_EQ(button(&form, "btnSkipAll")->text(), text("btnSkipAll"));
    EXPECT_EQ(form.windowTitle(), text("FormBackUp"));

    button(&form, "btnAdd")->click();
    EXPECT_EQ(dialogs.informations, QStringList{text("PracAlreadyExist")});
    EXPECT_EQ(form.code(), BackupDecision::None);
    EXPECT_TRUE(form.isVisible());

    edit->setText(QStringLiteral("../Drill"));
    button(&form, "btnAdd")->click();
    EXPECT_EQ(form.code(), BackupDecision::None);
    EXPECT_EQ(dialogs.informations.size(), 2);

    edit->setText(QStringLiteral("Drill 2"));
    EXPECT_EQ(memo->toPlainText(), text("memBackUpTextAdd"));
    button(&form, "btnAdd")->click();
    EXPECT_EQ(form.code(), BackupDecision::Add);
    EXPECT_EQ(form.name(), QStringLiteral("Drill 2"));
    EXPECT_FALSE(form.isVisible());

    TFormBackUp closed(window->language(), QStringLiteral("Drill"), QString(), existing);
    closed.show();
    closed.close(); // the window's close box
    EXPECT_EQ(closed.code(), BackupDecision::Close);
    TFormBackUp skipped(window->language(), QStringLiteral("Drill"), QString(), existing);
    button(&skipped, "btnSkip")->click();
    EXPECT_EQ(skipped.code(), BackupDecision::Skip);
    EXPECT_TRUE(skipped.name().isEmpty());
}

TEST_F(BackUpTest, CommandsKeepTheModeAndAskOnlyAboutExistingItems) {
    putCard(QStringLiteral("A"));
    putCard(QStringLiteral("B"));
    window->SwitchMode(2);
    const QString file = app.path() + QStringLiteral("/all.abp");
    dialogs.answerSaveFile(file);
    item("mmSaveBUAll")->trigger();
    EXPECT_EQ(window->currentMode(), 2);
    ASSERT_TRUE(QFile::exists(file));
    for (const QString& temporary : fullBackupTemporaryFiles(file))
        EXPECT_FALSE(QFile::exists(temporary));

    // One card file is gone and one exists: only the existing one is asked about.
    ASSERT_TRUE(QFile::remove(app.file(QStringLiteral("PlayerCards/B.cmp"))));
    window->settings().setAllReloadNeeded(false);
    dialogs.answerOpenFile(file);
    dialogs.answerForm([](QDialog* form) { button(form, "btnSkip")->click(); });
    item("mmLoadBUAll")->trigger();
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormBackUp")});
    EXPECT_TRUE(QFile::exists(app.file(QStringLiteral("PlayerCards/B.cmp"))));
    EXPECT_EQ(window->currentMode(), 2);
    EXPECT_TRUE(window->settings().reloadNeeded(TSettings::PlayerCardList));
    EXPECT_TRUE(dialogs.informations.isEmpty())
        << dialogs.informations.join(QLatin1Char('\n')).toStdString();

    // Cancelling the file dialog of a single kind still comes back to the mode.
    item("mmSaveBUPC")->trigger();
    EXPECT_EQ(window->currentMode(), 2);

    // Each backup is offered a name saying what it holds and when it was made.
    ASSERT_GE(dialogs.fileDialogs.size(), 3);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(dialogs.fileDialogs.first().fileName,
              QStringLiteral("Korvex - All data - %1.abp").arg(today));
    EXPECT_EQ(dialogs.fileDialogs.last().fileName,
              QStringLiteral("Korvex - %1 - %2.cbp")
                  .arg(item("mmSaveBUPC")->text().remove(QLatin1Char('&')), today));
}

TEST_F(BackUpTest, RefusedVersionsAndEscapingRecordsAreReportedToTheUser) {
    window->SwitchMode(1);
    const QString newer = app.path() + QStringLiteral("/newer.dbp");
    ASSERT_TRUE(test::writeFile(newer, test::le32(150)));
    dialogs.answerOpenFile(newer);
    item("mmLoadBUDR")->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].contains(QStringLiteral("150")));
    EXPECT_EQ(window->currentMode(), 1);

    const QString escaping = app.path() + QStringLiteral("/escaping.cbp");
    ASSERT_TRUE(test::writeFile(escaping, test::le32(141) + test::streamString("..\\..") +
                                              test::streamString("x.cmp") + test::le32(1) + "x"));
    dialogs.answerOpenFile(escaping);
    item("mmLoadBUPC")->trigger();
    ASSERT_EQ(dialogs.informations.size(), 2);
    EXPECT_TRUE(dialogs.informations[1].startsWith(text("BackUpItemsRefused")));
    EXPECT_FALSE(QFile::exists(app.path() + QStringLiteral("/../../x.cmp")));
}

} // namespace

namespace {

TEST_F(BackUpTest, TheQuestionIsAnswerableAndAFullBackupIsNamedAsOne) {
    putCard(QStringLiteral("A"));
    window->SwitchMode(2);
    const QString file = app.path() + QStringLiteral("/all.abp");
    dialogs.answerSaveFile(file);
    item("mmSaveBUAll")->trigger();
    ASSERT_TRUE(QFile::exists(file));

    // Restored through the card menu: the program says it is a full backup and, asked to,
    // restores it as one. While the question about the existing team is open, the progress
    // window is out of its way.
    dialogs.answerOpenFile(file);
    dialogs.answerConfirm(true);
    bool progressShown = true;
    dialogs.answerForm([&](QDialog* form) {
        auto* progress = window->findChild<QWidget*>(QStringLiteral("BackUpProgress"));
        progressShown = progress != nullptr && progress->isVisible();
        button(form, "btnSkip")->click();
    });
    item("mmLoadBUPC")->trigger();
    ASSERT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(dialogs.confirmations[0], text("BackUpIsFullBackup"));
    EXPECT_EQ(dialogs.forms, QStringList{QStringLiteral("korvex::TFormBackUp")});
    EXPECT_FALSE(progressShown);
    EXPECT_TRUE(dialogs.informations.isEmpty())
        << dialogs.informations.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(window->currentMode(), 2);
}

} // namespace
