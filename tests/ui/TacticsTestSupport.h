#pragma once

#include "UiTestSupport.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/TFigure.h"
#include "storage/TTacticsPractise.h"
#include "ui/ScriptedDialogs.h"
#include "ui/tactics/TfrmTacticsMode.h"

#include <QLineEdit>
#include <QSpinBox>

namespace korvex::test {

// One figure of a frame: kind, position, text.
struct FramePlace {
    quint8 kind;
    int x, y;
    const char* text;
};
using Frame = std::initializer_list<FramePlace>;

// The real main window with helpers that store tactics practises and drive mode 7.
class TacticsTest : public StartedWindowTest {
protected:
    // Stores the tactics practise Tactics / Power play / `name` with `frames` and
    // `description` on the first selected rink and returns its stem.
    QString makeTactics(const QString& name, std::initializer_list<Frame> frames,
                        const QStringList& description = {}) const {
        TTacticsPractise p(window->settings(), window->language());
        p.CreateCategory(QStringLiteral("Tactics"));
        p.setCategory(QStringLiteral("Tactics"));
        p.CreateSubcategory(QStringLiteral("Power play"));
        p.setSubcategory(QStringLiteral("Power play"));
        p.Clear();
        p.setGroundName(window->settings().selectedRinks().first());
        p.description() = description;
        bool first = true;
        for (const Frame& frame : frames) {
            TFigures* figures = &p.figures();
            if (!first)
                figures = p.animation().add(std::make_unique<TFigures>(&p.drawingSettings()));
            first = false;
            for (const FramePlace& f : frame) {
                auto figure = std::make_unique<TFigure>(&p.drawingSettings());
                figure->setKind(f.kind);
                figure->setPosition(QPoint(f.x, f.y));
                figure->setText(QString::fromLatin1(f.text));
                figures->add(std::move(figure));
            }
        }
        EXPECT_TRUE(p.CreateItem(name, window->settings().Version()))
            << p.errorString().toStdString();
        return pathWithoutExtension(p.currentFile());
    }

    // Enters mode 7 and returns its view.
    TfrmTacticsMode* tactics() const {
        window->SwitchMode(7);
        return qobject_cast<TfrmTacticsMode*>(window->currentView());
    }
    template <typename T> T* control(const char* name) const {
        return window->currentView()->findChild<T*>(QString::fromLatin1(name));
    }
    QSpinBox* frameSpin() const { return control<QSpinBox>("speTCScenes"); }
    QString frameCount() const { return control<QLineEdit>("edtTCScenesCount")->text(); }

    ScriptedDialogs dialogs;
};

} // namespace korvex::test
