// Grabs the tactics view in the middle of a power-play entry, and exports the play. The picture
// goes to the folder named by KORVEX_SCREENSHOT_DIR when it is set (to look at it), else to a
// temporary folder.
#include "TacticsTestSupport.h"

#include "storage/AnimationGif.h"
#include "ui/graphic/GraphicEditor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace korvex;
using korvex::test::TacticsTest;

namespace {

TEST_F(TacticsTest, ScreenshotOfAPowerPlayEntry) {
    // Forwards 0, defenders 1, goalie 2, puck 7: the puck carrier enters over the blue line,
    // drops the puck back, and the wingers drive the net.
    makeTactics(QStringLiteral("Drop pass entry"),
                {{{1, 150, 150, "4"},
                  {1, 150, 280, "5"},
                  {0, 250, 90, "17"},
                  {0, 270, 210, "9"},
                  {0, 250, 330, "21"},
                  {7, 285, 215, ""},
                  {2, 612, 210, ""}},
                 {{1, 230, 150, "4"},
                  {1, 230, 280, "5"},
                  {0, 400, 80, "17"},
                  {0, 390, 210, "9"},
                  {0, 400, 340, "21"},
                  {7, 405, 215, ""},
                  {2, 612, 210, ""}},
                 {{1, 300, 170, "4"},
                  {1, 300, 270, "5"},
                  {0, 540, 120, "17"},
                  {0, 450, 230, "9"},
                  {0, 545, 300, "21"},
                  {7, 330, 215, ""},
                  {2, 612, 210, ""}}},
                {QStringLiteral("5 on 4 entry: the carrier drops the puck to the trailing defender "
                                "while both wingers drive wide and the centre screens the "
                                "goalie."),
                 QStringLiteral("Play it smooth to see the lanes.")});
    QTemporaryDir scratch;
    const QString folder = qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("KORVEX_SCREENSHOT_DIR")
                               : scratch.path();
    QDir().mkpath(folder);
    TfrmTacticsMode* view = tactics();
    ASSERT_NE(view, nullptr);
    control<QCheckBox>("chbTCSmooth")->setChecked(true);
    frameSpin()->setValue(1);
    // The centre selected, as a coach moving him would see it.
    QTest::mouseClick(view->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(390, 210));
    window->resize(window->settings().WindowWidth(), window->settings().WindowHeight());
    QCoreApplication::processEvents();
    const QImage shot = window->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral("%1/tactics.png").arg(folder)));
    // The same play as the exported animation shows it.
    QString error;
    EXPECT_TRUE(saveAnimationGif(view->practise(), QStringLiteral("%1/tactics.gif").arg(folder),
                                 200, true, &error))
        << error.toStdString();
}

} // namespace
