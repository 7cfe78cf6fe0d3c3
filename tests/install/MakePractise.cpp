// korvex-install-fixture ROOT: writes one text practise, TextPractises/Drills/Passing/
// Give and go.tmp, into the installation in ROOT with the installation's version, so that the
// installation check has a practise to back up and restore.
#include "core/Paths.h"
#include "storage/BackupKinds.h"
#include "storage/TextPractiseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: korvex-install-fixture ROOT\n";
        return 2;
    }
    korvex::InstallationFolders folders;
    QString error;
    if (!korvex::InstallationFolders::fromSettingsFile(args.at(1), &folders, &error)) {
        err << error << '\n';
        return 1;
    }
    const QString folder = korvex::joinPath(args.at(1), folders.text, QStringLiteral("Drills"),
                                            QStringLiteral("Passing"));
    korvex::TextPractiseData practise;
    practise.version = folders.version;
    practise.text = {QStringLiteral("Two lines of three, give and go through the neutral zone."),
                     QStringLiteral("Finish with a shot on the far net.")};
    practise.keywords = {QStringLiteral("passing")};
    if (!QDir().mkpath(folder) ||
        !korvex::writeTextPractiseFile(korvex::joinPath(folder, QStringLiteral("Give and go.tmp")),
                                       practise, &error)) {
        err << "cannot write the practise into " << folder << ": " << error << '\n';
        return 1;
    }
    return 0;
}
