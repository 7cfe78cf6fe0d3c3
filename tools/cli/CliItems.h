#pragma once

#include <QString>

#include <memory>

namespace korvex {
class TGraphicPractise;
class TLanguage;
class TSettings;
class TTrainingPlan;
} // namespace korvex

namespace korvex::cli {

// The folder whose Data/Html.txt makes a page: `appDir` when it has the template, else
// the tool's own installation.
QString templateInstallation(const QString& appDir);

// The plan (.pmp) or archived plan (.pamp) `file`, its practise paths resolved against
// `appDir`; an archived plan takes its team from its folder and its number from its name.
// Null with `error` set when the file cannot be read or has a version this program does
// not read.
std::unique_ptr<TTrainingPlan> loadPlanFile(const QString& file, const QString& appDir,
                                            TSettings& settings, TLanguage& language,
                                            QString* error);

// The graphic practise `file` on the large canvas; false with `error` set as above.
bool loadGraphicPractiseFile(const QString& file, TGraphicPractise& practise, QString* error);

} // namespace korvex::cli
