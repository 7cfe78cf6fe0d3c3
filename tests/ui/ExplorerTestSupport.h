#pragma once

#include "TrainingPlanSupport.h"

#include "ui/explorer/ExplorerComboBox.h"
#include "ui/explorer/ExplorerThumbnail.h"
#include "ui/explorer/TfrmExplorerMode.h"

#include <QFrame>
#include <QScrollArea>

#include <algorithm>

namespace korvex::test {

// The real main window with helpers that make graphic practises on disk and drive the
// explorer view as a coach does: drop a box down, pick an entry, click a thumbnail.
class ExplorerTest : public TrainingPlanViewTest {
protected:
    // Makes the graphic practise `category` / `sub` / `name` with a small drill and returns
    // its stem (full path without extension).
    QString makeDrill(const QString& category, const QString& sub, const QString& name,
                      int variant = 0) const {
        TGraphicPractise p(settings(), window->language());
        p.CreateCategory(category);
        p.setCategory(category);
        p.CreateSubcategory(sub);
        p.setSubcategory(sub);
        p.Clear();
        p.setGroundName(QStringLiteral("Rink"));
        auto figure = std::make_unique<TFigure>(&p.drawingSettings());
        figure->setPosition(QPoint(100 + variant * 40, 150));
        p.figures().add(std::move(figure));
        EXPECT_TRUE(p.CreateItem(name, settings().Version())) << p.errorString().toStdString();
        return pathWithoutExtension(p.currentFile());
    }
    void makeSubcategory(const QString& category, const QString& sub) const {
        TGraphicPractise p(settings(), window->language());
        p.CreateCategory(category);
        p.setCategory(category);
        EXPECT_TRUE(p.CreateSubcategory(sub));
    }

    // Enters mode 8 and returns the explorer view.
    TfrmExplorerMode* explorer() const {
        window->SwitchMode(8);
        return qobject_cast<TfrmExplorerMode*>(window->explorerView());
    }
    ExplorerComboBox* box(const char* name) const {
        return window->explorerView()->findChild<ExplorerComboBox*>(QString::fromLatin1(name));
    }
    // Drops the box down (which reads its level from disk), closes it and picks `text`
    // with the keyboard.
    void pick(const char* name, const QString& text) const {
        QComboBox* combo = box(name);
        combo->showPopup();
        combo->hidePopup();
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setFocus();
        const int steps = index - combo->currentIndex();
        if (steps == 0) {
            // Picking the shown entry again still counts as a choice.
            Q_EMIT combo->activated(index);
            return;
        }
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(combo, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    void show(const QString& category, const QString& sub) const {
        pick("cmbEXCategory", category);
        pick("cmbEXSubCategory", sub);
    }

    template <typename T> QList<T*> grid(const char* name) const {
        return window->explorerView()->findChildren<T*>(QString::fromLatin1(name));
    }
    // The thumbnail at grid position `tag`, scrolled into view so the mouse can reach it.
    ExplorerThumbnail* thumbnail(int tag) const {
        for (ExplorerThumbnail* t : grid<ExplorerThumbnail>("imgEXPractise")) {
            if (t->tag() == tag) {
                window->explorerView()
                    ->findChild<QScrollArea*>(QStringLiteral("sbxEXGrid"))
                    ->ensureWidgetVisible(t);
                return t;
            }
        }
        return nullptr;
    }
};

} // namespace korvex::test
