#pragma once

#include "UiTestSupport.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/TFigure.h"
#include "drawing/TFigures.h"
#include "drawing/TLine.h"
#include "drawing/TLines.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "ui/ScriptedDialogs.h"
#include "ui/TFormKorvex.h"
#include "ui/plans/TfrmTrainingPlanMode.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace korvex::test {

// The real main window on a private installation, with helpers that make graphic practises
// and training plans on disk and open the plan view on them.
class TrainingPlanViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.isValid());
        ASSERT_TRUE(app.writeSettingsDef(defaultSettingsDef()));
        window = startWindow(app);
        ASSERT_NE(window, nullptr);
    }

    TSettings& settings() const { return window->settings(); }
    QString text(const char* key) const {
        return window->language().Text(QString::fromLatin1(key));
    }

    // Makes the graphic practise Drills / `sub` / `name` with a small drill drawn on the
    // rink (`variant` moves it about) and returns its full .gmp path.
    QString makePractise(const QString& sub, const QString& name, int variant = 0,
                         const QStringList& description = {}) const {
        TGraphicPractise p(settings(), window->language());
        p.CreateCategory(QStringLiteral("Drills"));
        p.setCategory(QStringLiteral("Drills"));
        p.CreateSubcategory(sub);
        p.setSubcategory(sub);
        p.Clear();
        p.setGroundName(variant % 2 == 0 ? QStringLiteral("Rink") : QStringLiteral("HalfRink"));
        p.description() = description;
        const DrawingSettings* ds = &p.drawingSettings();
        const int dx = variant * 60;
        for (const auto& [kind, x, y] : {std::tuple{0, 160, 150}, std::tuple{1, 250, 260},
                                         std::tuple{2, 560, 210}, std::tuple{6, 380, 120}}) {
            auto figure = std::make_unique<TFigure>(ds);
            figure->setKind(quint8(kind));
            figure->setPosition(QPoint(x + dx, y));
            p.figures().add(std::move(figure));
        }
        auto line = std::make_unique<TLine>(ds);
        line->addPoint(QPoint(170 + dx, 160));
        line->addPoint(QPoint(330 + dx, 110 + variant * 30));
        line->addPoint(QPoint(520, 200));
        line->setCurved(true);
        p.lines().add(std::move(line));
        EXPECT_TRUE(p.CreateItem(name, settings().Version())) << p.errorString().toStdString();
        return p.currentFile();
    }

    // The stored (root-relative, "\"-separated) form of a practise path.
    QString stored(const QString& fullPath) const {
        return pathToStored(QDir(app.path()).relativeFilePath(fullPath));
    }

    // Writes the plan TrainingPlanCategory / `sub` / `name` holding `practises`.
    void makePlan(const QString& sub, const QString& name, const QStringList& practises,
                  int notes = 0) const {
        TTrainingPlan plan(app.path(), settings().TPSaveDir(), false);
        plan.CreateCategory(QStringLiteral("TrainingPlanCategory"));
        plan.setCategory(QStringLiteral("TrainingPlanCategory"));
        plan.CreateSubcategory(sub);
        plan.setSubcategory(sub);
        plan.Clear();
        for (const QString& path : practises) {
            plan.paths.append(stored(path));
            TPractisesData item;
            item.name = extractFileTitle(path);
            plan.items.append(item);
        }
        for (int i = 0; i < notes; ++i) {
            TTextData note;
            note.number = QString::number(i + 1);
            plan.textBlocks.append(note);
        }
        EXPECT_TRUE(plan.CreateItem(name, settings().Version()));
    }

    // Switches to plans (3) or the archive (6) and returns the view.
    TfrmTrainingPlanMode* open(int mode = 3) {
        window->SwitchMode(mode);
        return qobject_cast<TfrmTrainingPlanMode*>(window->currentView());
    }

    // A menu command of the window by its object name.
    QAction* item(const char* name) const {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    template <typename T> T* child(const char* name) const {
        return window->currentView()->findChild<T*>(QString::fromLatin1(name));
    }
    bool shown(const char* name) const {
        QWidget* w = child<QWidget>(name);
        return w != nullptr && w->isVisibleTo(window->currentView());
    }
    QString edit(const char* name) const { return child<QLineEdit>(name)->text(); }
    void click(const char* name) const {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }
    void type(const char* name, const QString& keys) const {
        QWidget* w = child<QWidget>(name);
        w->setFocus();
        const QStringList lines = keys.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(w, Qt::Key_Return);
            QTest::keyClicks(w, lines[i]);
        }
    }
    // Chooses entry `index` of a selection combo as the user does, with the keyboard.
    void choose(const char* combo, int index) const {
        auto* box = child<QComboBox>(combo);
        box->setFocus();
        const int steps = index - box->currentIndex();
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(box, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }

    ScriptedDialogs dialogs;
    AppCopy app;
    std::unique_ptr<TFormKorvex> window;
};

} // namespace korvex::test
