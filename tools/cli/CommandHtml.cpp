// korvex-cli html FILE OUT.html [--full]: writes the HTML page of a graphic practise (.gmp),
// a text practise (.tmp), a plan (.pmp) or an archived plan (.pamp), with its picture
// folder beside it, through the code of the export commands. Plans give their short page,
// or with --full the page with the whole heading. The labels and the practises of a plan
// come from the installation that holds FILE.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"
#include "cli/CliItems.h"

#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/GraphicPractiseExport.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TextPractiseFile.h"
#include "storage/TextPractiseHtml.h"
#include "storage/TrainingPlanHtml.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace korvex::cli {

namespace {

bool writeTextPage(const QString& file, const QString& appDir, const QString& target,
                   QString* error) {
    TextPractiseData data;
    if (!readTextPractiseFile(file, &data, error))
        return false;
    if (!data.versionAccepted) {
        *error = QStringLiteral("%1: format version %2 is not read by this program")
                     .arg(QDir::toNativeSeparators(file))
                     .arg(data.version);
        return false;
    }
    QTemporaryDir scratch(scratchTemplate());
    QStringList pictures;
    for (int i = 0; i < data.pictures.size(); ++i) {
        pictures.append(scratch.filePath(QStringLiteral("%1.jpg").arg(i)));
        if (!saveBytes(pictures.last(), data.pictures[i], error))
            return false;
    }
    return writeTextPractiseHtml(QFileInfo(file).completeBaseName(), data.text, pictures,
                                 templateInstallation(appDir), target, error);
}

int runHtml(const QStringList& args) {
    QStringList files;
    bool full = false;
    for (const QString& arg : args) {
        if (arg == QLatin1String("--full"))
            full = true;
        else if (arg.startsWith(QLatin1String("--")))
            return usageOf(kHtmlCommand);
        else
            files.append(arg);
    }
    if (files.size() != 2)
        return usageOf(kHtmlCommand);
    const QString input = files.at(0);
    const QString output = files.at(1);
    const QString suffix = QFileInfo(input).suffix().toLower();
    const bool plan = suffix == QLatin1String("pmp") || suffix == QLatin1String("pamp");
    if (full && !plan)
        return fail(QStringLiteral("--full is for plans (.pmp, .pamp)"));

    const QString appDir = installationOf(input);
    TSettings settings;
    TLanguage language;
    QString error;
    if (!loadInstallation(appDir, settings, language, &error))
        return fail(error);
    bool written = false;
    if (suffix == QLatin1String("gmp")) {
        settings.SetFormSize(1);
        TGraphicPractise practise(settings, language);
        written = loadGraphicPractiseFile(input, practise, &error) &&
                  writeGraphicPractiseHtml(practise, templateInstallation(appDir), output, &error);
    } else if (suffix == QLatin1String("tmp")) {
        written = writeTextPage(input, appDir, output, &error);
    } else if (plan) {
        const auto loaded = loadPlanFile(input, appDir, settings, language, &error);
        written = loaded != nullptr &&
                  writeTrainingPlanHtml(*loaded, language, templateInstallation(appDir), output,
                                        full ? PlanPage::Full : PlanPage::Short, &error);
    } else {
        return fail(QStringLiteral("%1: not a practise or plan (.gmp, .tmp, .pmp, .pamp)")
                        .arg(QDir::toNativeSeparators(input)));
    }
    return written ? kExitOk : fail(error);
}

} // namespace

const Command kHtmlCommand = {
    "html", "FILE OUT.html [--full]",
    "write the HTML page of a practise or plan (--full: the plan page with its heading)", runHtml};

} // namespace korvex::cli
