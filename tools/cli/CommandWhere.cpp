// korvex-cli where [--shipped]: prints the data folder ({app}) the program and this tool use
// when started from this installation, making it from the shipped tree when it is the user's
// data folder and does not exist yet. With --shipped, prints the shipped runtime tree instead.
#include "cli/CliCommands.h"

#include "core/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace korvex::cli {

namespace {

int runWhere(const QStringList& args) {
    const bool shipped = args == QStringList{QStringLiteral("--shipped")};
    if (!args.isEmpty() && !shipped)
        return usageOf(kWhereCommand);
    DataLocation location;
    QString error;
    if (!resolveDataLocation(QCoreApplication::applicationDirPath(), userDataFolder(), &location,
                             &error))
        return fail(error);
    QTextStream(stdout) << QDir::toNativeSeparators(shipped ? location.shippedDir : location.appDir)
                        << '\n';
    return kExitOk;
}

} // namespace

extern const Command kWhereCommand = {
    "where", "[--shipped]",
    "prints the data folder in use (the program's folder when it is writable, else the "
    "user's data folder), or with --shipped the runtime tree installed with the program",
    &runWhere};

} // namespace korvex::cli
