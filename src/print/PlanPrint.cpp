#include "print/PlanPrint.h"

#include "core/TLanguage.h"
#include "print/PageLayout.h"
#include "print/PlanHeadingPrint.h"
#include "print/PlanPictures.h"
#include "print/PlanPrintSummary.h"
#include "storage/TTrainingPlan.h"

#include <QImage>
#include <QList>

namespace korvex {

namespace {

constexpr double kPictureWidth = 7.0;
constexpr double kPictureHeight = 5.25;
constexpr double kTextX = 8.2;
// Practise blocks follow each other at this pitch in both forms, so that a picture
// (5.25 high) never reaches into the next block.
constexpr double kBlockPitch = 5.5;

QString text(const TLanguage& language, const char* key) {
    return language.Text(QString::fromLatin1(key));
}

// Every practise picture, padded to 4:3 (null for a practise without one).
bool loadPictures(const TTrainingPlan& plan, const QString& appDir, QList<QImage>* pictures,
                  QString& error) {
    for (int i = 0; i < plan.items.size(); ++i) {
        QImage picture;
        if (!loadPlanPicture(plan, i, appDir, &picture, &error))
            return false;
        pictures->append(padTo4by3(picture));
    }
    return true;
}

void printPractiseBlock(PageLayout& layout, const TPractisesData& item, const QImage& picture,
                        int number, double y) {
    PageCanvas& canvas = layout.canvas();
    if (!picture.isNull())
        canvas.drawImage(QRectF(1, y, kPictureWidth, kPictureHeight), picture);
    const double points = canvas.fontPoints();
    canvas.setFont(points, true);
    canvas.drawText(kTextX, y,
                    QStringLiteral("# %1 / %2' / %3").arg(number).arg(item.time, item.name));
    canvas.setFont(points, false);
    layout.WrapText(item.description, y + 0.5, kPictureHeight, kTextX, 4.0,
                    PageLayout::kNoLineLimit);
}

// The evaluation of an archived plan: its label at `labelY` and its lines half a unit
// below, or on a new page from the top when there is no `room` on this one.
double printEvaluation(PageLayout& layout, const TTrainingPlan& plan, const TLanguage& language,
                       bool room, double labelY) {
    PageCanvas& canvas = layout.canvas();
    if (!room) {
        canvas.newPage();
        labelY = 1.0;
    }
    const double points = canvas.fontPoints();
    canvas.setFont(points, true);
    canvas.drawText(1, labelY, text(language, "printEvaluate"));
    canvas.setFont(points, false);
    return layout.WrapText(plan.evaluation, labelY + 0.5, 0, 1, 1e9, PageLayout::kPageBreaking);
}

} // namespace

bool printPlanBasic(PageLayout& layout, const TTrainingPlan& plan, const TLanguage& language,
                    const QString& appDir, QString& error) {
    QList<QImage> pictures;
    if (!loadPictures(plan, appDir, &pictures, error))
        return false;
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(12, false);
    canvas.drawText(1, 1, text(language, "printArchiveHeadLine"));
    canvas.setFont(10, true);
    canvas.drawText(1, 1.5, plan.name());
    canvas.setFont(9, false);
    canvas.drawText(1, 2, text(language, "printDate") + QLatin1Char(' ') + plan.date);
    canvas.drawText(4, 2, text(language, "printTime") + QLatin1Char(' ') + plan.time);
    layout.WrapText(plan.description, 2.5, 0, 1, 3.5, PageLayout::kNoLineLimit);

    const int count = static_cast<int>(plan.items.size());
    const int pages = count < 5 ? 1 : (count - 5) / 5 + 2;
    double y = 6.5;
    int page = 1;
    for (int i = 0; i < count; ++i) {
        printPractiseBlock(layout, plan.items[i], pictures[i], i + 1, y);
        y += kBlockPitch;
        // The first page holds four practises, every further page five.
        const bool pageFull = (i - 3) % 5 == 0;
        if (pageFull || i == count - 1)
            canvas.drawText(11, 28.5, QStringLiteral("%1/%2").arg(page).arg(pages));
        if (pageFull && i != count - 1) {
            canvas.newPage();
            ++page;
            y = 1.0;
        }
    }
    if (plan.archiveMode())
        printEvaluation(layout, plan, language, y + 1 <= 28.8, y + 0.5);
    return true;
}

bool printPlanAdvanced(PageLayout& layout, const TTrainingPlan& plan, const TLanguage& language,
                       const QString& appDir, QString& error, const PlanSummary* summary) {
    QList<QImage> pictures;
    if (!loadPictures(plan, appDir, &pictures, error))
        return false;
    PageCanvas& canvas = layout.canvas();
    double y = printPlanHeading(layout, plan, language) + 0.5;
    if (y + 5.0 > 28.3) {
        canvas.newPage();
        y = 1.0;
    }
    for (int i = 0; i < plan.items.size(); ++i) {
        if (y + 5.0 > 28.7) {
            canvas.newPage();
            y = 1.0;
        }
        printPractiseBlock(layout, plan.items[i], pictures[i], i + 1, y);
        y += kBlockPitch;
    }
    // An empty evaluation prints nothing here, not even a page of its own.
    if (plan.archiveMode() && !plan.evaluation.isEmpty())
        y = printEvaluation(layout, plan, language, y + 0.5 <= 28.8, y);
    if (summary != nullptr)
        printPlanSummary(layout, *summary, language, y + 0.5);
    return true;
}

} // namespace korvex
