#pragma once

#include "UiTestSupport.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TDiary.h"
#include "ui/ScriptedDialogs.h"
#include "ui/diary/DiaryDateField.h"
#include "ui/diary/TfrmDiaryMode.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace korvex::test {

// The real main window on a private installation copy, switched to the diary.
class DiaryModeTest : public StartedWindowTest {
protected:
    void SetUp() override {
        StartedWindowTest::SetUp();
        enterDiary();
    }
    void enterDiary() {
        window->SwitchMode(4);
        view = qobject_cast<TfrmDiaryMode*>(window->currentView());
        ASSERT_NE(view, nullptr);
    }
    template <typename T> T* control(const char* name) const {
        return view->findChild<T*>(QString::fromLatin1(name));
    }
    QTableWidget* grid() const { return control<QTableWidget>("srgDRDiary"); }
    QComboBox* teams() const { return control<QComboBox>("cmbDRTeam"); }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = grid()->item(row - 1, column);
        return item ? item->text() : QString();
    }
    QString text(const char* key) const {
        return window->language().Text(QString::fromLatin1(key));
    }
    QString teamFile(const QString& team) const {
        return app.file(window->settings().DRSaveDir() + QLatin1Char('/') + team +
                        QStringLiteral(".dmp"));
    }
    void createTeam(const QString& name) {
        dialogs.answerText(name);
        item("mmDRNewTeam")->trigger();
    }
    // Types a record into the edit panel the way a coach does.
    void type(const QString& date, const QString& headline, const QString& note) {
        QLineEdit* dateEdit = control<QLineEdit>("edtDRDate");
        QLineEdit* headEdit = control<QLineEdit>("edtDRHeadLine");
        dateEdit->clear();
        QTest::keyClicks(dateEdit, date);
        headEdit->clear();
        QTest::keyClicks(headEdit, headline);
        control<QPlainTextEdit>("retDRNote")->setPlainText(note);
    }
    void addRecord(const QString& date, const QString& headline, const QString& note = {}) {
        QTest::mouseClick(control<QWidget>("btnDRNewPlayer"), Qt::LeftButton);
        ASSERT_TRUE(view->isEditing());
        type(date, headline, note);
        QTest::mouseClick(control<QWidget>("btnDRSave"), Qt::LeftButton);
    }
    void doubleClickRow(int row) {
        QTableWidget* g = grid();
        const QRect cellRect = g->visualItemRect(g->item(row - 1, 0));
        QPoint at = cellRect.center();
        if (!cellRect.isValid()) // the empty last row has no items
            at = QPoint(20, g->rowViewportPosition(row - 1) + 5);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    ScriptedDialogs dialogs;
    TfrmDiaryMode* view = nullptr;
};

} // namespace korvex::test
