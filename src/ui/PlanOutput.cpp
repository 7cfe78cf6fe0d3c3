#include "ui/PlanOutput.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "print/PageLayout.h"
#include "print/PlanPrint.h"
#include "storage/PlanSummary.h"
#include "storage/TTrainingPlan.h"
#include "storage/TrainingPlanHtml.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PrintCommand.h"

#include <QUrl>

namespace korvex {

void printPlan(QWidget* parent, TLanguage& language, TSettings& settings, const TTrainingPlan& plan,
               bool advanced, bool preview) {
    if (isBlank(plan.name()))
        return;
    const QString appDir = settings.appDir();
    PlanSummary summary;
    if (advanced)
        summary = summarisePlan(plan, settings, language);
    const PrintBody body = [&plan, &language, &summary, appDir, advanced](PageCanvas& canvas,
                                                                          QString& error) {
        PageLayout layout(canvas);
        return advanced ? printPlanAdvanced(layout, plan, language, appDir, error, &summary)
                        : printPlanBasic(layout, plan, language, appDir, error);
    };
    const QString title = QStringLiteral("Korvex - ") + plan.name();
    if (preview)
        runPrintPreview(parent, language, title, body);
    else
        runPrintCommand(parent, language, title, body);
}

void exportPlanHtml(QWidget* parent, const TLanguage& language, const TSettings& settings,
                    const TTrainingPlan& plan, bool full) {
    if (isBlank(plan.name()))
        return;
    FileDialogOptions options;
    options.title = language.Text(LK("mmGMExportToHTML"));
    options.filter = QStringLiteral("*.html (*.html)");
    options.defaultSuffix = QStringLiteral("html");
    const QString file = dialogs().saveFileName(parent, options);
    if (file.isEmpty())
        return;
    QString error;
    if (!writeTrainingPlanHtml(plan, language, settings.appDir(), file,
                               full ? PlanPage::Full : PlanPage::Short, &error)) {
        dialogs().information(parent, error);
        return;
    }
    dialogs().openUrl(QUrl::fromLocalFile(file));
}

} // namespace korvex
