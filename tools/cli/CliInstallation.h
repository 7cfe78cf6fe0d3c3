#pragma once

#include <QString>

namespace korvex {
class TLanguage;
class TSettings;
} // namespace korvex

namespace korvex::cli {

// The data folder of the installation the tool runs from ({app}), found as the program finds
// it: the tool's own folder when it holds a writable runtime tree, else the user's data folder
// (filled from the shipped tree when needed). When the user's folder cannot be made, says so
// on stderr and gives the shipped tree, which serves every command that only reads.
QString installationFolder();

// The installation that holds `file`: the nearest folder above it with a Settings.txt,
// else the tool's own.
QString installationOf(const QString& file);

// Loads the settings and the language table of the installation in `appDir`. The settings
// are deciphered in memory, so nothing is written there (a read-only installation loads as
// well). A language that cannot be loaded leaves the table empty (texts then read as
// empty), which is no error for the tools.
bool loadInstallation(const QString& appDir, TSettings& settings, TLanguage& language,
                      QString* error);

// A scratch folder in the system's temporary folder whose name carries the process id
// ("korvex-cli-<pid>-XXXXXX"), so that one left behind by a killed run can be told apart.
QString scratchTemplate();
// Removes the scratch folders of runs that are no longer alive.
void removeStaleScratch();

} // namespace korvex::cli
