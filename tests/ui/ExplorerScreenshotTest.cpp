// Grabs the explorer showing a subcategory of ten drawn drills. The picture goes to the folder
// named by KORVEX_SCREENSHOT_DIR when it is set (to look at it), else to a temporary folder.
#include "ExplorerTestSupport.h"

#include <QTemporaryDir>

using namespace korvex;
using korvex::test::ExplorerTest;

namespace {

struct Figure {
    quint8 kind;
    int x, y;
    const char* text;
};
struct Line {
    quint8 kind, end;
    std::initializer_list<QPoint> points;
    quint32 colour;
};
struct Drill {
    const char* name;
    const char* ground;
    std::initializer_list<Figure> figures;
    std::initializer_list<Line> lines;
};

constexpr quint32 kBlack = 0x000000, kRed = 0x0000FF, kBlue = 0xFF0000;

// Ten drills on the three rinks: skating lines, passes, shots and backward skating.
const Drill kDrills[] = {
    {"Breakout to the wing",
     "Rink",
     {{1, 110, 260, "4"}, {0, 150, 380, "7"}, {0, 230, 150, "9"}, {2, 40, 210, ""}},
     {{0, 0, {{110, 260}, {70, 330}, {130, 360}}, kBlack},
      {1, 0, {{130, 360}, {160, 380}}, kBlue},
      {3, 0, {{150, 380}, {260, 370}, {330, 300}}, kBlack}}},
    {"Cone weave and shot",
     "HalfRink",
     {{6, 120, 100, ""},
      {6, 180, 170, ""},
      {6, 240, 100, ""},
      {6, 300, 170, ""},
      {0, 60, 130, "11"},
      {2, 600, 140, ""}},
     {{3, 0, {{70, 140}, {150, 90}, {210, 180}, {270, 90}, {330, 180}, {420, 150}}, kBlack},
      {2, 0, {{420, 150}, {585, 145}}, kRed}}},
    {"Two on one rush",
     "Rink",
     {{0, 200, 120, "10"}, {0, 200, 300, "12"}, {1, 420, 210, "3"}, {2, 630, 210, ""}},
     {{3, 0, {{200, 130}, {330, 140}, {470, 150}}, kBlack},
      {0, 0, {{200, 290}, {350, 290}, {520, 260}}, kBlack},
      {1, 0, {{470, 150}, {520, 255}}, kBlue},
      {4, 0, {{420, 210}, {500, 215}}, kBlack},
      {2, 0, {{525, 255}, {620, 215}}, kRed}}},
    {"Figure eight edges",
     "IceSheet",
     {{6, 220, 210, ""}, {6, 450, 210, ""}, {0, 120, 210, "8"}},
     {{0,
       4,
       {{130, 200},
        {220, 120},
        {335, 210},
        {450, 300},
        {550, 210},
        {450, 120},
        {335, 210},
        {220, 300},
        {140, 230}},
       kBlack}}},
    {"Point shot and tip",
     "HalfRink",
     {{1, 160, 120, "2"}, {1, 160, 300, "5"}, {0, 470, 180, "14"}, {2, 600, 210, ""}},
     {{1, 0, {{160, 300}, {160, 130}}, kBlue},
      {2, 0, {{170, 120}, {460, 180}}, kRed},
      {0, 1, {{470, 190}, {560, 205}}, kBlack}}},
    {"Neutral zone regroup",
     "Rink",
     {{1, 250, 160, "6"},
      {1, 250, 270, "8"},
      {0, 420, 100, "17"},
      {0, 420, 330, "21"},
      {4, 340, 40, ""}},
     {{1, 0, {{250, 170}, {250, 260}}, kBlue},
      {0, 0, {{420, 110}, {360, 170}, {300, 140}}, kBlack},
      {1, 0, {{250, 270}, {300, 150}}, kBlue},
      {3, 0, {{300, 150}, {400, 120}, {500, 140}}, kBlack}}},
    {"Backward crossovers",
     "IceSheet",
     {{1, 110, 110, "4"},
      {1, 110, 310, "5"},
      {6, 340, 110, ""},
      {6, 340, 310, ""},
      {6, 560, 210, ""}},
     {{4, 0, {{120, 110}, {320, 110}}, kBlack},
      {5, 0, {{340, 125}, {540, 200}}, kBlack},
      {4, 0, {{120, 310}, {320, 310}}, kBlack},
      {6, 3, {{340, 295}, {540, 220}}, kBlack}}},
    {"Net-front battle",
     "HalfRink",
     {{0, 560, 170, "9"},
      {1, 580, 250, "3"},
      {2, 620, 210, ""},
      {8, 400, 330, ""},
      {4, 300, 60, ""}},
     {{2, 0, {{410, 320}, {550, 180}}, kRed}, {0, 2, {{580, 245}, {565, 185}}, kBlack}}},
    {"Give and go",
     "Rink",
     {{0, 150, 150, "19"}, {0, 330, 90, "22"}, {1, 520, 250, "7"}, {2, 640, 210, ""}},
     {{1, 0, {{160, 150}, {320, 95}}, kBlue},
      {0, 0, {{150, 160}, {300, 210}, {450, 190}}, kBlack},
      {1, 0, {{330, 100}, {445, 185}}, kBlue},
      {2, 0, {{455, 190}, {625, 210}}, kRed}}},
    {"Shooting lanes",
     "HalfRink",
     {{7, 200, 80, ""},
      {7, 200, 210, ""},
      {7, 200, 340, ""},
      {0, 160, 80, "15"},
      {0, 160, 210, "16"},
      {0, 160, 340, "18"},
      {2, 610, 210, ""},
      {10, 400, 210, ""}},
     {{2, 0, {{210, 85}, {595, 200}}, kRed},
      {2, 0, {{215, 210}, {380, 210}}, kRed},
      {2, 0, {{210, 335}, {595, 220}}, kRed}}},
};

class ExplorerScreenshot : public ExplorerTest {
protected:
    void make(const Drill& drill) const {
        TGraphicPractise p(settings(), window->language());
        p.CreateCategory(QStringLiteral("Drills"));
        p.setCategory(QStringLiteral("Drills"));
        p.CreateSubcategory(QStringLiteral("U14 autumn"));
        p.setSubcategory(QStringLiteral("U14 autumn"));
        p.Clear();
        p.setGroundName(QString::fromLatin1(drill.ground));
        const DrawingSettings* ds = &p.drawingSettings();
        for (const Line& l : drill.lines) {
            auto line = std::make_unique<TLine>(ds);
            for (const QPoint& point : l.points)
                line->addPoint(point);
            line->setLineKind(l.kind);
            line->setEndKind(l.end);
            line->setCurved(l.points.size() > 2);
            line->setColour(l.colour);
            p.lines().add(std::move(line));
        }
        for (const Figure& f : drill.figures) {
            auto figure = std::make_unique<TFigure>(ds);
            figure->setKind(f.kind);
            figure->setPosition(QPoint(f.x, f.y));
            figure->setText(QString::fromLatin1(f.text));
            p.figures().add(std::move(figure));
        }
        ASSERT_TRUE(p.CreateItem(QString::fromLatin1(drill.name), settings().Version()));
    }
};

TEST_F(ExplorerScreenshot, TenDrillsOfASubcategory) {
    for (const Drill& drill : kDrills)
        make(drill);
    QTemporaryDir scratch;
    const QString folder = qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("KORVEX_SCREENSHOT_DIR")
                               : scratch.path();
    QDir().mkpath(folder);
    explorer();
    show(QStringLiteral("Drills"), QStringLiteral("U14 autumn"));
    ASSERT_EQ(grid<ExplorerThumbnail>("imgEXPractise").size(), 10);
    window->resize(window->settings().WindowWidth(), window->settings().WindowHeight());
    QCoreApplication::processEvents();
    const QImage shot = window->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral("%1/explorer.png").arg(folder)));
}

} // namespace
