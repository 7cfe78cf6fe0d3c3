#pragma once

#include "UiTestSupport.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TCardPractise.h"
#include "ui/ScriptedDialogs.h"
#include "ui/TFormKorvex.h"
#include "ui/cards/TfrmCardsMode.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex::test {

// The real main window on a private installation, in player-card mode.
class CardsModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.isValid());
        ASSERT_TRUE(app.writeSettingsDef(defaultSettingsDef()));
        window = startWindow(app);
        ASSERT_NE(window, nullptr);
        enterCards();
    }

    void enterCards() {
        window->SwitchMode(5);
        view = qobject_cast<TfrmCardsMode*>(window->currentView());
        ASSERT_NE(view, nullptr);
        grid = view->findChild<QTableWidget*>(QStringLiteral("srgPCCards"));
        combo = view->findChild<QComboBox*>(QStringLiteral("cmbPCTeam"));
    }

    // Makes the team `name` with players given as field lists and opens it.
    void makeTeam(const QString& name, const QList<QStringList>& players) {
        TCardPractise cards;
        cards.setLocation(app.path(), window->settings().CPSaveDir());
        ASSERT_TRUE(cards.createTeam(141, name));
        for (const QStringList& fields : players)
            ASSERT_TRUE(cards.addEntry(TCardPractise::makeRecord(fields), {}));
        ASSERT_TRUE(cards.saveTeam());
        view->chooseTeam(name);
        ASSERT_EQ(view->cards().team(), name);
    }
    QString teamFile(const QString& name) const {
        return app.file(window->settings().CPSaveDir() + QLatin1Char('/') + name +
                        QStringLiteral(".cmp"));
    }
    // The team as stored on disk.
    TCardPractise stored(const QString& name) const {
        TCardPractise cards;
        EXPECT_TRUE(cards.readFile(teamFile(name), true)) << cards.errorString().toStdString();
        return cards;
    }
    QString text(const char* key) const {
        return window->language().Text(QString::fromLatin1(key));
    }
    QString cell(int row, int column) const {
        QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    // A double click on the first cell of grid row `row` (0 = first player).
    void doubleClickRow(int row) const {
        const QRect rect = grid->visualRect(grid->model()->index(row, 0));
        // The item view takes a double click as the second press on the index pressed first.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QLineEdit* edit(const char* name) const {
        return view->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void clickButton(const char* name) const {
        QTest::mouseClick(view->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void trigger(const char* name) const {
        window->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }

    ScriptedDialogs dialogs;
    AppCopy app;
    std::unique_ptr<TFormKorvex> window;
    TfrmCardsMode* view = nullptr;
    QTableWidget* grid = nullptr;
    QComboBox* combo = nullptr;
};

} // namespace korvex::test
