// Korvex: the program entry. Creates the main window and the preview form and runs the
// message loop. A start-up failure (settings or language unreadable) is reported in a
// message box and ends the program with exit code 1.
#include "core/SafeSave.h"
#include "storage/ItemFiles.h"
#include "ui/Dialogs.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormPreview.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvex"));

    korvex::TFormKorvex window(QCoreApplication::applicationDirPath());
    if (!window.startUp()) {
        korvex::dialogs().information(nullptr, window.errorString());
        return 1;
    }
    // Temporaries of saves that a crash or a kill interrupted are the program's own
    // leftovers: removed at the next start.
    korvex::removeSaveLeftovers(QCoreApplication::applicationDirPath(), korvex::savedExtensions());
    // A quit that does not close the window first (the session ending) still writes the
    // settings back.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, &korvex::TFormKorvex::shutDown);
    korvex::TFormPreview preview;
    window.show();
    return app.exec();
}
