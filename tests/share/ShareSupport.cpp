#include "ShareSupport.h"

#include "storage/TTacticsPractise.h"

#include <QDir>

namespace korvex::test {

QString addTacticsPractise(PrintInstallation& installation, int frames) {
    QDir().mkpath(installation.path(QStringLiteral("Tactics/Drills/Team")));
    TTacticsPractise practise(installation.settings(), installation.language());
    practise.setGroundName(QStringLiteral("Rink"));
    practise.description() = {QStringLiteral("Breakout against one forechecker.")};
    const DrawingSettings* drawing = &practise.drawingSettings();
    for (int f = 0; f < frames; ++f) {
        TFigures* figures = f == 0 ? practise.animation().at(0)
                                   : practise.animation().add(std::make_unique<TFigures>(drawing));
        const auto add = [&](quint8 kind, QPoint at, const QString& text) {
            auto figure = std::make_unique<TFigure>(drawing);
            figure->setKind(kind);
            figure->setPosition(at);
            figure->setText(text);
            figures->add(std::move(figure));
        };
        add(FigureForward, QPoint(100 + 60 * f, 200), QStringLiteral("9"));
        add(FigureDefender, QPoint(400, 300), QStringLiteral("4"));
        add(FigurePuck, QPoint(120 + 60 * f, 210), QString());
    }
    const QString stem = installation.path(QStringLiteral("Tactics/Drills/Team/Breakout"));
    return practise.Save(stem) ? stem + QStringLiteral(".tac") : QString();
}

} // namespace korvex::test
