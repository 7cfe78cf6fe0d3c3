#include "storage/PlanSummary.h"

#include "storage/TGraphicPractise.h"
#include "storage/TTacticsPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"
#include "storage/search/SearchText.h"

#include "core/Paths.h"
#include "core/TSettings.h"
#include "drawing/FigurePictures.h"
#include "drawing/TLineSetting.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace korvex {

namespace {

void countLine(quint8 lineKind, DrawingCounts* counts) {
    switch (lineKind) {
    case LineDoubleSolid:
        ++counts->shots;
        break;
    case LineDash:
        ++counts->passes;
        break;
    default: // without and with puck, backwards, crossovers with and without line
        ++counts->skating;
        break;
    }
}

void countFigure(quint8 kind, DrawingCounts* counts) {
    switch (kind) {
    case FigureForward:
    case FigureStartForward:
        ++counts->forwards;
        break;
    case FigureDefender:
    case FigureStartDefender:
        ++counts->defenders;
        break;
    case FigureFree:
    case FigureStartFree:
        ++counts->freePlayers;
        break;
    case FigureGoalie:
        ++counts->goalies;
        break;
    default:
        break;
    }
}

// Reads one placed practise into `item`; false with `problem` when its file cannot be read.
bool readPractise(const QString& file, TSettings& settings, TLanguage& language,
                  PlanSummaryItem* item, QString* problem) {
    const QString extension = QFileInfo(file).suffix().toLower();
    if (extension == QLatin1String("gmp")) {
        TGraphicPractise practise(settings, language);
        if (!practise.LoadFile(file)) {
            *problem = practise.errorString();
            return false;
        }
        item->keywords = splitKeywords(practise.keywords());
        item->counts = countDrawing(practise.figures(), practise.lines());
        item->drawn = true;
        return true;
    }
    if (extension == QLatin1String("tac")) {
        TTacticsPractise practise(settings, language);
        if (!practise.Load(pathWithoutExtension(file))) {
            *problem = practise.errorString();
            return false;
        }
        item->keywords = splitKeywords(practise.keywords());
        return true;
    }
    if (extension == QLatin1String("tmp")) {
        TextPractiseData data;
        if (!readTextPractiseFile(file, &data, problem))
            return false;
        item->keywords = splitKeywords(data.keywords);
        return true;
    }
    *problem = QStringLiteral("%1: not a practise file").arg(QDir::toNativeSeparators(file));
    return false;
}

} // namespace

DrawingCounts countDrawing(const TFigures& figures, const TLines& lines) {
    DrawingCounts counts;
    for (int i = 0; i < figures.count(); ++i)
        countFigure(figures.at(i)->kind(), &counts);
    for (int i = 0; i < lines.count(); ++i)
        countLine(lines.at(i)->setting().lineKind, &counts);
    return counts;
}

double PlanSummary::shotsPerGoalieMinute() const {
    return goalieMinutes > 0 ? double(goalieShots) / goalieMinutes : 0.0;
}

int durationMinutes(const QString& duration) {
    const QString text = duration.trimmed();
    if (text.isEmpty() || text.size() > 6)
        return -1;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    }
    return text.toInt();
}

QStringList splitKeywords(const QStringList& lines) {
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    QStringList keywords;
    for (const QString& line : lines) {
        for (const QString& part : line.split(separators)) {
            const QString keyword = part.simplified();
            if (!keyword.isEmpty())
                keywords.append(keyword);
        }
    }
    return keywords;
}

void addKeywordMinutes(QList<KeywordMinutes>& list, const QString& keyword, int minutes) {
    const QString folded = foldForSearch(keyword);
    for (KeywordMinutes& entry : list) {
        if (foldForSearch(entry.keyword) == folded) {
            entry.minutes += minutes;
            return;
        }
    }
    list.append({keyword, minutes});
}

void sortKeywordMinutes(QList<KeywordMinutes>& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const KeywordMinutes& a, const KeywordMinutes& b) {
                         if (a.minutes != b.minutes)
                             return a.minutes > b.minutes;
                         return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
                     });
}

PlanSummaryItem readPlanPractise(const QString& storedPath, TSettings& settings,
                                 TLanguage& language, QString* problem) {
    PlanSummaryItem item;
    item.path = storedPath;
    item.name = QFileInfo(storedToPath(storedPath)).completeBaseName();
    if (!isSafeRelativePath(storedPath))
        *problem = QStringLiteral("%1: the path leaves the installation").arg(storedPath);
    else
        readPractise(joinPath(settings.appDir(), storedToPath(storedPath)), settings, language,
                     &item, problem);
    return item;
}

PlanSummary summariseItems(const QList<PlanSummaryItem>& items) {
    PlanSummary summary;
    summary.items = items;
    for (const PlanSummaryItem& item : items) {
        if (item.minutes < 0) {
            ++summary.withoutMinutes;
            continue;
        }
        summary.totalMinutes += item.minutes;
        if (item.counts.hasGoalie()) {
            summary.goalieShots += item.counts.shots;
            summary.goalieMinutes += item.minutes;
        }
        QStringList counted; // a keyword written twice counts once
        for (const QString& keyword : item.keywords) {
            const QString folded = foldForSearch(keyword);
            if (counted.contains(folded))
                continue;
            counted.append(folded);
            addKeywordMinutes(summary.keywordMinutes, keyword, item.minutes);
        }
    }
    sortKeywordMinutes(summary.keywordMinutes);
    return summary;
}

PlanSummary summarisePlan(const QStringList& paths, const QStringList& durations,
                          TSettings& settings, TLanguage& language) {
    QList<PlanSummaryItem> items;
    QStringList problems;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        QString problem;
        PlanSummaryItem item = readPlanPractise(paths.at(i), settings, language, &problem);
        if (!problem.isEmpty())
            problems.append(problem);
        item.minutes = i < durations.size() ? durationMinutes(durations.at(i)) : -1;
        items.append(item);
    }
    PlanSummary summary = summariseItems(items);
    summary.problems = problems;
    return summary;
}

PlanSummary summarisePlan(const TTrainingPlan& plan, TSettings& settings, TLanguage& language) {
    QStringList durations;
    for (const TPractisesData& item : plan.items)
        durations.append(item.time);
    return summarisePlan(plan.paths, durations, settings, language);
}

bool summarisePlanFile(const QString& file, TSettings& settings, TLanguage& language,
                       PlanSummary* summary, QString* error) {
    const bool archive =
        QFileInfo(file).suffix().compare(QLatin1String("pamp"), Qt::CaseInsensitive) == 0;
    TrainingPlanData data;
    if (!readPlanFile(file, archive, &data, error))
        return false;
    QStringList durations;
    for (const PlanFileItem& item : std::as_const(data.items))
        durations.append(item.time);
    *summary = summarisePlan(data.paths, durations, settings, language);
    return true;
}

} // namespace korvex
