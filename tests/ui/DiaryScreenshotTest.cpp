// Grabs the diary of a team with several records, browsing and editing, in both window
// sizes, and the diary print form. The pictures go to the folder named by
// KORVEX_SCREENSHOT_DIR when it is set (to look at them), else to a temporary folder; the
// test checks that the grid and the note fill the window as laid out.
#include "DiaryTestSupport.h"

#include "ui/diary/TFormDiaryPrint.h"

#include <QDir>
#include <QMenu>
#include <QTemporaryDir>

using namespace korvex;
using korvex::test::DiaryModeTest;

namespace {

struct Entry {
    const char* date;
    const char* headline;
    const char* note;
};

const Entry kSeason[] = {
    {"2.9.2026", "Pre-season skating test",
     "Forward and backward crossovers, three laps each.\nTimed 30 m sprint: best 4.31 s, "
     "slowest 5.02 s.\n\nTo do: edge work for the defenders."},
    {"4.9.2026", "Passing under pressure", "Two-touch passing in pairs, then 2 on 1 in the zone."},
    {"7.9.2026", "Power play set-up: umbrella",
     "Point shot with a screen; the low forward "
     "takes the rebound."},
    {"9.9.2026", "Goalie warm-up with the shooters", "Shots from the slot, then low to the pads."},
    {"11.9.2026", "Small-area games 3 on 3", "Short shifts of 40 s. Good compete level."},
    {"14.9.2026", "Video: breakouts from the last game",
     "Wingers too high on the boards; centre must support low."},
    {"16.9.2026", "Conditioning off ice", "Intervals 6 x 400 m, core circuit."},
};

TEST_F(DiaryModeTest, ScreenshotsOfATeamWithSeveralRecords) {
    QTemporaryDir scratch;
    const QString folder = qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")
                               ? qEnvironmentVariable("KORVEX_SCREENSHOT_DIR")
                               : scratch.path();
    QDir().mkpath(folder);
    createTeam(QStringLiteral("Juniors"));
    createTeam(QStringLiteral("U18.boys"));
    for (const Entry& entry : kSeason)
        addRecord(QString::fromUtf8(entry.date), QString::fromUtf8(entry.headline),
                  QString::fromUtf8(entry.note));
    for (int size : {1, 0}) {
        window->settings().SetFormSize(size);
        const QString suffix = size == 1 ? QStringLiteral("large") : QStringLiteral("small");
        window->SwitchMode(1);
        enterDiary();
        window->resize(window->settings().WindowWidth(), window->settings().WindowHeight());
        QCoreApplication::processEvents();
        // The grid and the note end inside the view, which shows them whole.
        const QRect gridArea = grid()->geometry();
        EXPECT_LE(gridArea.bottom(), view->height()) << size;
        EXPECT_LE(gridArea.right(), view->width()) << size;
        view->selectRow(3);
        window->grab().save(QStringLiteral("%1/diary-%2.png").arg(folder, suffix));

        doubleClickRow(7);
        const QRect noteArea = control<QPlainTextEdit>("retDRNote")->geometry();
        EXPECT_LE(noteArea.bottom(), view->height()) << size;
        window->grab().save(QStringLiteral("%1/diary-edit-%2.png").arg(folder, suffix));
        if (size == 1) {
            auto* calendar = view->findChild<QMenu*>(QStringLiteral("ppmDRCalendar"));
            ASSERT_NE(calendar, nullptr);
            calendar->popup(window->mapToGlobal(QPoint(120, 100)));
            calendar->grab().save(QStringLiteral("%1/diary-calendar.png").arg(folder));
            calendar->hide();
        }
        view->cancelRecord();
    }
    TFormDiaryPrint form(window->language(), view->diary(), window.get());
    form.show();
    form.grab().save(QStringLiteral("%1/diary-print-form.png").arg(folder));
}

} // namespace
