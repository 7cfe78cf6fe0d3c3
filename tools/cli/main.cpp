// korvex-cli: the command-line companion of Korvex.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <vector>

using namespace korvex::cli;

namespace {

// Every command of the tool; each lives in a file of its own.
const std::vector<Command> kCommands = {
    kCipherCommand,
    kSettingsCommand,
    kBackupCommand,
    kRestoreCommand,
    kInfoCommand,
    kRenderCommand,
    kHtmlCommand,
    kZipCommand,
    kPrintCommand,
    kGifCommand,
    kShareCommand,
    kWhereCommand,
    kSearchCommand,
    kSummaryCommand,
};

int usage() {
    QTextStream err(stderr);
    err << "usage: korvex-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& command : kCommands)
        err << "  " << command.name << ' ' << command.arguments << "\n      " << command.summary
            << '\n';
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    // A GUI application object without a display: pictures and fonts need it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The program's name, so that the user's data folder is the program's own.
    QCoreApplication::setApplicationName(QStringLiteral("Korvex"));
    removeStaleScratch();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty())
        return usage();
    const QString name = args.takeFirst();
    for (const Command& command : kCommands) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    return usage();
}
