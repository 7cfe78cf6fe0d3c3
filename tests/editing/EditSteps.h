#pragma once

// Every kind of edit the editor makes, as plain calls on a document, so tests can run each
// one (and random sequences of them) without a window.

#include "editing/AddLineCommand.h"
#include "editing/AddObjectsCommand.h"
#include "editing/ChangeFigureTextCommand.h"
#include "editing/DeleteObjectCommand.h"
#include "editing/GraphicDocument.h"
#include "editing/MirrorCommand.h"
#include "editing/MoveFigureCommand.h"
#include "editing/PlaceFigureCommand.h"
#include "editing/RecolourLineCommand.h"
#include "editing/ReplaceLineCommand.h"
#include "editing/SetGroundCommand.h"
#include "editing/SetTextsCommand.h"
#include "editing/ToggleStartCommand.h"
#include "editing/TurnFigureCommand.h"

#include "drawing/TFigures.h"
#include "drawing/TLines.h"
#include "storage/TGraphicPractise.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace korvex::test {

struct EditStep {
    std::string name;
    // Pushes one edit; false when the drawing has nothing this edit can act on.
    std::function<bool(GraphicDocument&, std::mt19937&)> apply;
};

inline int pick(std::mt19937& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

inline QPoint somewhere(std::mt19937& random) {
    return QPoint(pick(random, 675), pick(random, 420));
}

inline std::vector<EditStep> allEditSteps() {
    const auto figureOf = [](GraphicDocument& d, std::mt19937& r, auto accept) {
        std::vector<int> found;
        for (int i = 0; i < d.figures().count(); ++i)
            if (accept(d.figures().at(i)->kind()))
                found.push_back(i);
        return found.empty() ? -1 : found[size_t(pick(r, int(found.size())))];
    };
    const auto anyKind = [](int) { return true; };
    return {
        {"place numbered player",
         [](GraphicDocument& d, std::mt19937& r) {
             TFigure figure(&d.practise().drawingSettings());
             figure.setKind(quint8(pick(r, 2))); // forward or defender
             figure.setPosition(somewhere(r));
             d.push(new PlaceFigureCommand(d, figure, true));
             return true;
         }},
        {"place net",
         [](GraphicDocument& d, std::mt19937& r) {
             TFigure figure(&d.practise().drawingSettings());
             figure.setKind(FigureNet);
             figure.setPosition(somewhere(r));
             d.push(new PlaceFigureCommand(d, figure, false));
             return true;
         }},
        {"move figure",
         [=](GraphicDocument& d, std::mt19937& r) {
             const int f = figureOf(d, r, anyKind);
             if (f < 0)
                 return false;
             d.push(new MoveFigureCommand(d, f, somewhere(r)));
             return true;
         }},
        {"change text",
         [=](GraphicDocument& d, std::mt19937& r) {
             const int f = figureOf(d, r, anyKind);
             if (f < 0)
                 return false;
             d.push(new ChangeFigureTextCommand(d, f, QStringLiteral("T%1").arg(pick(r, 1000))));
             return true;
         }},
        {"turn",
         [=](GraphicDocument& d, std::mt19937& r) {
             const int f = figureOf(d, r, [](int k) { return k == FigureNet; });
             if (f < 0)
                 return false;
             d.push(new TurnFigureCommand(d, f));
             return true;
         }},
        {"toggle start",
         [=](GraphicDocument& d, std::mt19937& r) {
             const int f = figureOf(d, r, [](int k) {
                 return k == FigureForward || k == FigureDefender || k == FigureStartForward ||
                        k == FigureStartDefender;
             });
             if (f < 0)
                 return false;
             d.push(new ToggleStartCommand(d, f));
             return true;
         }},
        {"delete",
         [](GraphicDocument& d, std::mt19937& r) {
             const int count = d.figures().count() + d.lines().count();
             if (count == 0)
                 return false;
             d.push(new DeleteObjectCommand(d, pick(r, count)));
             return true;
         }},
        {"add line",
         [](GraphicDocument& d, std::mt19937& r) {
             TLine line(&d.practise().drawingSettings());
             const int points = 2 + pick(r, 3);
             for (int i = 0; i < points; ++i)
                 line.addPoint(somewhere(r));
             line.setLineKind(quint8(pick(r, 7)));
             line.setEndKind(quint8(pick(r, 5)));
             line.setCurved(pick(r, 2) == 0);
             d.push(new AddLineCommand(d, line));
             return true;
         }},
        {"move line point",
         [](GraphicDocument& d, std::mt19937& r) {
             if (d.lines().count() == 0)
                 return false;
             const int l = pick(r, d.lines().count());
             TLine moved = *d.lines().at(l);
             moved.setPoint(pick(r, moved.controlPointCount()), somewhere(r));
             d.push(new ReplaceLineCommand(d, l, moved, "CmdMoveLinePoint"));
             return true;
         }},
        {"straight or curved",
         [](GraphicDocument& d, std::mt19937& r) {
             if (d.lines().count() == 0)
                 return false;
             const int l = pick(r, d.lines().count());
             TLine changed = *d.lines().at(l);
             changed.setCurved(!changed.isCurved());
             d.push(new ReplaceLineCommand(d, l, changed, "CmdLineCurve"));
             return true;
         }},
        {"nudge line",
         [](GraphicDocument& d, std::mt19937& r) {
             if (d.lines().count() == 0)
                 return false;
             const int l = pick(r, d.lines().count());
             TLine moved = *d.lines().at(l);
             moved.ensureComputed();
             moved.moveBy(pick(r, 3) - 1, pick(r, 3) - 1);
             d.push(new ReplaceLineCommand(d, l, moved, "CmdMoveLine"));
             return true;
         }},
        {"recolour",
         [](GraphicDocument& d, std::mt19937& r) {
             if (d.lines().count() == 0)
                 return false;
             d.push(new RecolourLineCommand(d, pick(r, d.lines().count()),
                                            quint32(pick(r, 0xFFFFFF))));
             return true;
         }},
        {"ground",
         [](GraphicDocument& d, std::mt19937& r) {
             GroundChoice ground = GroundChoice::of(d);
             ground.mode = (ground.mode + 1 + pick(r, 3)) % 4;
             ground.rinkName = pick(r, 2) ? QStringLiteral("Rink") : QStringLiteral("Other");
             d.push(new SetGroundCommand(d, ground));
             return true;
         }},
        {"texts",
         [](GraphicDocument& d, std::mt19937& r) {
             d.push(new SetTextsCommand(d, {QString::number(pick(r, 100))}, {}));
             return true;
         }},
        {"duplicate",
         [](GraphicDocument& d, std::mt19937& r) {
             DrawingClip clip;
             if (d.figures().count() > 0)
                 clip.figures.push_back(*d.figures().at(pick(r, d.figures().count())));
             if (d.lines().count() > 0)
                 clip.lines.push_back(*d.lines().at(pick(r, d.lines().count())));
             if (clip.isEmpty())
                 return false;
             d.push(new AddObjectsCommand(d, clip, QPoint(10, 10), true, "CmdDuplicate"));
             return true;
         }},
        {"mirror",
         [](GraphicDocument& d, std::mt19937& r) {
             d.push(new MirrorCommand(d, pick(r, 2) == 0));
             return true;
         }},
    };
}

} // namespace korvex::test
