#include "cli/CliItems.h"

#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include "core/Paths.h"
#include "core/TSettings.h"
#include "storage/ItemKinds.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TrainingPlanFile.h"

#include <QDir>
#include <QFileInfo>

namespace korvex::cli {

namespace {

QString versionNotRead(const QString& file, qint32 version) {
    return QStringLiteral("%1: format version %2 is not read by this program")
        .arg(QDir::toNativeSeparators(file))
        .arg(version);
}

} // namespace

QString templateInstallation(const QString& appDir) {
    if (QFileInfo::exists(joinPath(appDir, htmlTemplateFolder(), QStringLiteral("Html.txt"))))
        return appDir;
    return installationFolder();
}

std::unique_ptr<TTrainingPlan> loadPlanFile(const QString& file, const QString& appDir,
                                            TSettings& settings, TLanguage& language,
                                            QString* error) {
    const QFileInfo info(file);
    const bool archive = info.suffix().compare(QLatin1String("pamp"), Qt::CaseInsensitive) == 0;
    auto plan = std::make_unique<TTrainingPlan>(appDir, settings.TPSaveDir(), archive, &language,
                                                &settings);
    plan->setCategory(archive ? archiveCategory() : trainingPlanCategory());
    plan->setSubcategory(info.absoluteDir().dirName());
    plan->setName(info.completeBaseName());
    // A file of a version this program does not read loads as an empty plan; a page or
    // printout of that would hide the problem. What this first reading holds is let go
    // before the plan is loaded, so a large plan is not held twice.
    {
        TrainingPlanData data;
        if (!readPlanFile(file, archive, &data, error))
            return nullptr;
        if (!data.versionAccepted) {
            *error = versionNotRead(file, data.version);
            return nullptr;
        }
    }
    if (!plan->Load(pathWithoutExtension(info.absoluteFilePath()))) {
        *error = plan->errorString();
        return nullptr;
    }
    return plan;
}

bool loadGraphicPractiseFile(const QString& file, TGraphicPractise& practise, QString* error) {
    if (!practise.LoadFile(file)) {
        *error = practise.errorString();
        return false;
    }
    if (!practise.loadWarning().isEmpty())
        warn(practise.loadWarning());
    if (practise.isSaveRefused()) {
        *error = versionNotRead(file, practise.formatVersion());
        return false;
    }
    practise.setName(QFileInfo(file).completeBaseName());
    return true;
}

} // namespace korvex::cli
