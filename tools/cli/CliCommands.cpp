#include "cli/CliCommands.h"

#include <QTextStream>

namespace korvex::cli {

int fail(const QString& message) {
    QTextStream(stderr) << "korvex-cli: " << message << '\n';
    return kExitFailure;
}

void warn(const QString& message) {
    QTextStream(stderr) << "korvex-cli: warning: " << message << '\n';
}

int usageOf(const Command& command) {
    QTextStream(stderr) << "usage: korvex-cli " << command.name << ' ' << command.arguments << '\n';
    return kExitUsage;
}

} // namespace korvex::cli
