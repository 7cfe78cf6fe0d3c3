// Korvex: the program entry. Finds the data folder, creates the main window and the preview
// form and runs the message loop. A start-up failure (no data folder, settings or language
// unreadable) is reported in a message box and ends the program with exit code 1.
//
// --quit-after-start closes the window as soon as the start-up is done (with the settings
// written back as on every close); scripts use it to check an installation. The window may
// close before it is painted, and what waits for the first paint then waits for the next
// start.
// --quit-after-paint closes it once it has been painted for the first time, after writing
// "painted WIDTH HEIGHT" to standard output; the start-up benchmark times that line.
#include "core/DataLocation.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "storage/ItemFiles.h"
#include "ui/Dialogs.h"
#include "ui/FirstPaintWatch.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormPreview.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.korvex.Korvex"));

    korvex::DataLocation location;
    QString error;
    if (!korvex::resolveDataLocation(QCoreApplication::applicationDirPath(),
                                     korvex::userDataFolder(), &location, &error)) {
        korvex::dialogs().information(nullptr,
                                      QStringLiteral("Korvex cannot start.\n\n%1").arg(error));
        return 1;
    }
    korvex::TFormKorvex window(location.appDir);
    if (!window.startUp()) {
        korvex::dialogs().information(nullptr, window.errorString());
        return 1;
    }
    // A quit that does not close the window first (the session ending) still writes the
    // settings back.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &korvex::TFormKorvex::shutDown);
    korvex::TFormPreview preview;
    // What the window's first picture does not need waits until it has been painted, so the
    // window shows sooner: the program's icon (a 256-pixel picture to decode), and the
    // removal of temporaries that saves interrupted by a crash or a kill left behind (the
    // program's own leftovers, found by a walk through every folder of the installation).
    new korvex::FirstPaintWatch(&window, [appDir = location.appDir] {
        QApplication::setWindowIcon(
            QIcon(korvex::joinPath(appDir, QStringLiteral("Pictures/Korvex.png"))));
        korvex::removeSaveLeftovers(appDir, korvex::savedExtensions());
    });
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-after-paint")))
        new korvex::FirstPaintWatch(&window, [&window] {
            std::printf("painted %d %d\n", window.width(), window.height());
            std::fflush(stdout);
            window.close();
        });
    window.show();
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-after-start")))
        QTimer::singleShot(0, &window, &QWidget::close);
    return app.exec();
}
