#include "storage/PlanSummarySeason.h"

#include "storage/PlanSummaryDate.h"
#include "storage/TrainingPlanFile.h"
#include "storage/search/SearchText.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>

#include <algorithm>

namespace korvex {

namespace {

bool inRange(const QDate& date, const QDate& from, const QDate& to) {
    return (!from.isValid() || date >= from) && (!to.isValid() || date <= to);
}

} // namespace

QList<int> SeasonSummary::unitsWithKeyword(const QString& keyword) const {
    const QString folded = foldForSearch(keyword);
    QList<int> indices;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const auto& spent = units.at(i).keywordMinutes;
        if (std::any_of(spent.cbegin(), spent.cend(), [&folded](const KeywordMinutes& entry) {
                return entry.minutes > 0 && foldForSearch(entry.keyword) == folded;
            }))
            indices.append(int(i));
    }
    return indices;
}

double SeasonSummary::percentOf(int index) const {
    if (totalMinutes <= 0 || index < 0 || index >= keywordMinutes.size())
        return 0.0;
    return 100.0 * keywordMinutes.at(index).minutes / totalMinutes;
}

SeasonSummary summariseSeason(const QString& teamFolder, const QDate& from, const QDate& to,
                              TSettings& settings, TLanguage& language) {
    SeasonSummary season;
    QHash<QString, PlanSummaryItem> read; // by stored path
    const QFileInfoList files =
        QDir(teamFolder).entryInfoList({QStringLiteral("*.pamp")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        TrainingPlanData data;
        QString error;
        if (!readPlanFile(info.filePath(), true, &data, &error)) {
            season.problems.append(error);
            continue;
        }
        SeasonUnit unit;
        unit.file = info.filePath();
        unit.number = info.completeBaseName();
        unit.dateText = data.date.trimmed();
        unit.date = parsePlanDate(data.date);
        if (!unit.date.isValid()) {
            season.undated.append(unit);
            continue;
        }
        if (!inRange(unit.date, from, to))
            continue;
        // A practise is read once however many units hold it.
        QList<PlanSummaryItem> items;
        for (qsizetype i = 0; i < data.paths.size(); ++i) {
            const QString& path = data.paths.at(i);
            if (!read.contains(path)) {
                QString problem;
                read.insert(path, readPlanPractise(path, settings, language, &problem));
                if (!problem.isEmpty())
                    season.problems.append(problem);
            }
            PlanSummaryItem item = read.value(path);
            item.minutes = i < data.items.size() ? durationMinutes(data.items.at(i).time) : -1;
            items.append(item);
        }
        const PlanSummary plan = summariseItems(items);
        unit.minutes = plan.totalMinutes;
        unit.keywordMinutes = plan.keywordMinutes;
        season.units.append(unit);
    }
    std::stable_sort(season.units.begin(), season.units.end(),
                     [](const SeasonUnit& a, const SeasonUnit& b) { return a.date < b.date; });

    QMap<QDate, int> months;
    for (const SeasonUnit& unit : std::as_const(season.units)) {
        season.totalMinutes += unit.minutes;
        for (const KeywordMinutes& spent : unit.keywordMinutes)
            addKeywordMinutes(season.keywordMinutes, spent.keyword, spent.minutes);
        ++months[QDate(unit.date.year(), unit.date.month(), 1)];
    }
    sortKeywordMinutes(season.keywordMinutes);
    if (!months.isEmpty()) {
        for (QDate month = months.firstKey(); month <= months.lastKey(); month = month.addMonths(1))
            season.unitsPerMonth.append({month, months.value(month)});
    }
    return season;
}

} // namespace korvex
