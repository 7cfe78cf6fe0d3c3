#pragma once

#include <QString>

namespace korvex {

// Where a run of Korvex keeps its data, the folder every path of the program is built from
// ({app}).
//
// - The runtime tree lies beside the executables (the build tree, a folder the coach
//   unpacked) and that folder is writable: {app} is the program's folder, as it always was.
// - Otherwise (an installed program, whose tree lies read-only in share/korvex/runtime, or a
//   read-only unpacked folder): {app} is the user's data folder, filled from the shipped tree
//   on the first start and brought up to date on every later one (see DataTreeCopy.h).
struct DataLocation {
    // {app}: settings, language tables, pictures and every data folder.
    QString appDir;
    // The runtime tree shipped with the program.
    QString shippedDir;
    // True when {app} is the user's data folder rather than the program's own.
    bool inUserFolder = false;
};

// The runtime tree that came with the executables in `programDir`: that folder itself when it
// holds Settings.txt, else the installed tree (share/korvex/runtime beside the bin folder).
// Empty when there is neither.
QString shippedRuntimeTree(const QString& programDir);

// True when files can be created in `folder`. The permission bits alone do not say it (the
// super-user ignores them, a read-only mount overrides them), so a scratch file is created
// and removed again.
bool isWritableFolder(const QString& folder);

// The user's data folder of the program (QStandardPaths::AppDataLocation, for example
// ~/.local/share/Korvex). Needs the application name "Korvex".
QString userDataFolder();

// Decides {app} for the executables in `programDir` and, when it is `userFolder`, copies or
// refreshes the shipped tree there. False with `error` set when no runtime tree is found or
// the user's folder cannot be made.
bool resolveDataLocation(const QString& programDir, const QString& userFolder,
                         DataLocation* location, QString* error);

} // namespace korvex
