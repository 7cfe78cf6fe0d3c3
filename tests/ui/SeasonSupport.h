#pragma once

// Archived training units of a team for the season and search tests, with drills whose
// keywords the summaries add up.

#include "TrainingPlanSupport.h"

#include "storage/TrainingPlanFile.h"

namespace korvex::test {

class SeasonTest : public TrainingPlanViewTest {
protected:
    // A drill Drills / Season / `name` with `keywords`, a goalie when `goalie`, and `shots`
    // shot lines; returns its stored path.
    QString drill(const QString& name, const QStringList& keywords, int shots = 0,
                  bool goalie = false, const QStringList& description = {}) const {
        TGraphicPractise p(settings(), window->language());
        p.CreateCategory(QStringLiteral("Drills"));
        p.setCategory(QStringLiteral("Drills"));
        p.CreateSubcategory(QStringLiteral("Season"));
        p.setSubcategory(QStringLiteral("Season"));
        p.Clear();
        p.setGroundName(QStringLiteral("HalfRink"));
        p.keywords() = keywords;
        p.description() = description;
        const DrawingSettings* ds = &p.drawingSettings();
        for (int i = 0; i < 3; ++i) {
            auto figure = std::make_unique<TFigure>(ds);
            figure->setKind(i == 2 ? 1 : 0);
            figure->setText(QString::number(i + 4));
            figure->setPosition(QPoint(140 + i * 60, 110 + i * 90));
            p.figures().add(std::move(figure));
        }
        if (goalie) {
            auto figure = std::make_unique<TFigure>(ds);
            figure->setKind(2);
            figure->setPosition(QPoint(600, 210));
            p.figures().add(std::move(figure));
        }
        for (int i = 0; i < shots; ++i) {
            auto line = std::make_unique<TLine>(ds);
            line->addPoint(QPoint(200 + i * 40, 120 + i * 70));
            line->addPoint(QPoint(585, 205));
            line->setLineKind(2);
            line->setColour(0x0000FF);
            p.lines().add(std::move(line));
        }
        auto skate = std::make_unique<TLine>(ds);
        skate->addPoint(QPoint(140, 120));
        skate->addPoint(QPoint(260, 60));
        skate->addPoint(QPoint(380, 150));
        skate->setCurved(true);
        p.lines().add(std::move(skate));
        EXPECT_TRUE(p.CreateItem(name, settings().Version())) << p.errorString().toStdString();
        return stored(p.currentFile());
    }

    // The archived unit Archive / `team` / `number` on `date` with `practises` and minutes.
    void unit(const QString& team, const QString& number, const QString& date,
              const QList<QPair<QString, int>>& practises) const {
        TrainingPlanData data;
        data.version = settings().Version();
        data.date = date;
        for (const auto& [path, minutes] : practises) {
            data.paths.append(path);
            data.items.append({QString::number(minutes), extractFileTitle(path)});
        }
        const QString folder =
            joinPath(app.path(), settings().TPSaveDir(), QStringLiteral("Archive/") + team);
        QDir().mkpath(folder);
        QString error;
        EXPECT_TRUE(
            writePlanFile(joinPath(folder, number + QStringLiteral(".pamp")), true, data, &error))
            << error.toStdString();
    }
};

} // namespace korvex::test
