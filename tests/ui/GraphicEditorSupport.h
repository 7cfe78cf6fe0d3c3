#pragma once

#include "UiTestSupport.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TGraphicPractise.h"
#include "ui/ScriptedDialogs.h"
#include "ui/TFormKorvex.h"
#include "ui/graphic/GraphicEditor.h"
#include "ui/graphic/TfrmGraphicMode.h"

#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace korvex::test {

// The real main window on a private copy of the runtime tree, in graphic mode, with the
// practise "Drills / Skating / Loop" created, loaded and switched to the edit state.
class GraphicEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.isValid());
        ASSERT_TRUE(app.writeSettingsDef(defaultSettingsDef()));
        start();
        TGraphicPractise& p = view->practise();
        ASSERT_TRUE(p.CreateCategory(QStringLiteral("Drills")));
        p.setCategory(QStringLiteral("Drills"));
        ASSERT_TRUE(p.CreateSubcategory(QStringLiteral("Skating")));
        p.setSubcategory(QStringLiteral("Skating"));
        p.Clear();
        p.setGroundName(QStringLiteral("Rink"));
        ASSERT_TRUE(p.CreateItem(QStringLiteral("Loop"), window->settings().Version()));
        view->reloadSelection();
        window->SetEditMode(true);
        ASSERT_TRUE(window->settings().EditFlag());
    }

    void start() {
        window = startWindow(app);
        ASSERT_NE(window, nullptr);
        view = qobject_cast<TfrmGraphicMode*>(window->currentView());
        ASSERT_NE(view, nullptr);
        canvas = view->canvas();
    }

    QToolButton* tool(const char* name) const {
        return view->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    void pick(const char* name) const { QTest::mouseClick(tool(name), Qt::LeftButton); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::mouseClick(canvas, button, modifiers, at);
    }
    // Draws a line through `points` with the line tool `name` and finishes it with a right
    // click.
    void drawLine(const char* name, std::initializer_list<QPoint> points) const {
        pick(name);
        for (const QPoint& p : points)
            click(p);
        click(*points.begin() + QPoint(1, 1), Qt::RightButton);
    }
    void place(const char* name, QPoint at) const {
        pick(name);
        click(at);
        click(at, Qt::RightButton); // back to selecting
    }
    TGraphicPractise& practise() const { return view->practise(); }
    QString text(const char* key) const {
        return window->language().Text(QString::fromLatin1(key));
    }

    ScriptedDialogs dialogs;
    AppCopy app;
    std::unique_ptr<TFormKorvex> window;
    TfrmGraphicMode* view = nullptr;
    GraphicEditor* canvas = nullptr;
};

} // namespace korvex::test
