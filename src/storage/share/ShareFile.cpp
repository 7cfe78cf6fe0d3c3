#include "storage/share/ShareFile.h"

#include "core/Paths.h"
#include "core/TSettings.h"
#include "storage/ItemKinds.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTacticsPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"
#include "storage/share/PlanShare.h"
#include "storage/share/PractiseShare.h"
#include "storage/share/SharePage.h"
#include "storage/share/TacticsShare.h"

#include <QDir>
#include <QFileInfo>

namespace korvex {

namespace {

QString notRead(const QString& file, qint32 version) {
    return QStringLiteral("%1: format version %2 is not read by this program")
        .arg(QDir::toNativeSeparators(file))
        .arg(version);
}

bool loadPractise(TGraphicPractise& practise, const QString& file, bool tactics, QString* error) {
    const bool loaded =
        tactics ? practise.Load(pathWithoutExtension(file)) : practise.LoadFile(file);
    if (!loaded) {
        *error = practise.errorString();
        return false;
    }
    // A version this program does not read loads as an empty practise; a page of that would
    // hide the problem.
    if (practise.isSaveRefused()) {
        *error = notRead(file, practise.formatVersion());
        return false;
    }
    return true;
}

bool addPlan(SharePage& page, const QString& file, bool archive, TSettings& settings,
             TLanguage& language, QString* error) {
    TrainingPlanData data;
    if (!readPlanFile(file, archive, &data, error))
        return false;
    if (!data.versionAccepted) {
        *error = notRead(file, data.version);
        return false;
    }
    const QFileInfo info(file);
    TTrainingPlan plan(settings.appDir(), settings.TPSaveDir(), archive, &language, &settings);
    plan.setCategory(archive ? archiveCategory() : trainingPlanCategory());
    plan.setSubcategory(info.absoluteDir().dirName());
    plan.setName(info.completeBaseName());
    if (!plan.Load(pathWithoutExtension(info.absoluteFilePath()))) {
        *error = plan.errorString();
        return false;
    }
    return addTrainingPlan(page, plan, settings, language, error);
}

} // namespace

bool writeSharePage(const QString& file, TSettings& settings, TLanguage& language,
                    const QString& target, QString* error) {
    const QFileInfo info(file);
    if (info.absoluteFilePath() == QFileInfo(target).absoluteFilePath()) {
        *error = QStringLiteral("%1: the page would replace the item itself")
                     .arg(QDir::toNativeSeparators(target));
        return false;
    }
    const QString name = info.completeBaseName();
    const QString extension = QLatin1Char('.') + info.suffix();
    ItemKind kind = ItemKind::GraphicPractise;
    if (!itemKindForExtension(extension, &kind)) {
        *error = QStringLiteral("%1: not a practise or plan").arg(QDir::toNativeSeparators(file));
        return false;
    }
    SharePage page(name, SharePage::languageCode(settings.Language()));
    bool built = false;
    switch (kind) {
    case ItemKind::GraphicPractise: {
        TGraphicPractise practise(settings, language);
        built = loadPractise(practise, file, false, error);
        if (built)
            addGraphicPractise(page, practise, language, name);
        break;
    }
    case ItemKind::TacticsPractise: {
        TTacticsPractise practise(settings, language);
        built = loadPractise(practise, file, true, error);
        if (built)
            addTacticsPractise(page, practise, language, name);
        break;
    }
    case ItemKind::TextPractise: {
        TextPractiseData data;
        built = readTextPractiseFile(file, &data, error);
        if (built && !data.versionAccepted) {
            *error = notRead(file, data.version);
            built = false;
        }
        if (built)
            addTextPractise(page, name, data.text, data.pictures);
        break;
    }
    case ItemKind::TrainingPlan:
    case ItemKind::ArchivedPlan:
        built = addPlan(page, file, kind == ItemKind::ArchivedPlan, settings, language, error);
        break;
    default:
        *error = QStringLiteral("%1: not a practise or plan").arg(QDir::toNativeSeparators(file));
        break;
    }
    return built && page.save(target, error);
}

} // namespace korvex
