// korvex-cli print FILE.pmp|FILE.pamp OUT.pdf [--advanced]: a plan or an archived plan in
// its basic form, or with --advanced with its heading table, as the plan view prints it.
#include "cli/CliItems.h"
#include "cli/PrintTargets.h"

#include "core/TLanguage.h"
#include "print/PageLayout.h"
#include "print/PlanPrint.h"
#include "storage/PlanSummary.h"
#include "storage/TTrainingPlan.h"

#include <memory>

namespace korvex::cli {

bool preparePlanPrint(const PrintRequest& request, PrintJob* job, QString* error) {
    bool advanced = false;
    for (const QString& option : request.options) {
        if (option != QLatin1String("--advanced")) {
            *error = QStringLiteral("%1: a plan takes only the option --advanced").arg(option);
            return false;
        }
        advanced = true;
    }
    std::shared_ptr<TTrainingPlan> plan =
        loadPlanFile(request.file, request.appDir, request.settings, request.language, error);
    if (plan == nullptr)
        return false;
    job->title = QStringLiteral("Korvex - ") + plan->name();
    const TLanguage& language = request.language;
    const QString appDir = request.appDir;
    auto summary = std::make_shared<PlanSummary>();
    if (advanced)
        *summary = summarisePlan(*plan, request.settings, request.language);
    job->body = [plan, summary, &language, appDir, advanced](PageCanvas& canvas, QString& failure) {
        PageLayout layout(canvas);
        return advanced ? printPlanAdvanced(layout, *plan, language, appDir, failure, summary.get())
                        : printPlanBasic(layout, *plan, language, appDir, failure);
    };
    return true;
}

} // namespace korvex::cli
