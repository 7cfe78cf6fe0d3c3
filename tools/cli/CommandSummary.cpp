// korvex-cli summary FILE.pmp|FILE.pamp|TEAMFOLDER [--from DATE] [--to DATE]: what a plan
// asks of the players (minutes, lines and players drawn, the goalie's shots per minute,
// minutes per keyword), or the season summary of an archive team folder, as JSON.
#include "cli/CliCommands.h"
#include "cli/CliInstallation.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/PlanSummarySeason.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace korvex::cli {

namespace {

QJsonArray keywordsJson(const QList<KeywordMinutes>& list, int total) {
    QJsonArray rows;
    for (const KeywordMinutes& entry : list) {
        QJsonObject row{{QStringLiteral("keyword"), entry.keyword},
                        {QStringLiteral("minutes"), entry.minutes}};
        if (total > 0)
            row.insert(QStringLiteral("percent"), 100.0 * entry.minutes / total);
        rows.append(row);
    }
    return rows;
}

QJsonObject planJson(const PlanSummary& plan) {
    QJsonArray items;
    for (const PlanSummaryItem& item : plan.items) {
        QJsonObject row{{QStringLiteral("name"), item.name},
                        {QStringLiteral("path"), item.path},
                        {QStringLiteral("keywords"), QJsonArray::fromStringList(item.keywords)}};
        if (item.minutes >= 0)
            row.insert(QStringLiteral("minutes"), item.minutes);
        if (item.drawn) {
            const DrawingCounts& c = item.counts;
            row.insert(QStringLiteral("shots"), c.shots);
            row.insert(QStringLiteral("passes"), c.passes);
            row.insert(QStringLiteral("skating"), c.skating);
            row.insert(QStringLiteral("forwards"), c.forwards);
            row.insert(QStringLiteral("defenders"), c.defenders);
            row.insert(QStringLiteral("freePlayers"), c.freePlayers);
            row.insert(QStringLiteral("goalie"), c.hasGoalie());
        }
        items.append(row);
    }
    return QJsonObject{
        {QStringLiteral("totalMinutes"), plan.totalMinutes},
        {QStringLiteral("withoutMinutes"), plan.withoutMinutes},
        {QStringLiteral("practises"), items},
        {QStringLiteral("goalieShots"), plan.goalieShots},
        {QStringLiteral("goalieMinutes"), plan.goalieMinutes},
        {QStringLiteral("shotsPerGoalieMinute"), plan.shotsPerGoalieMinute()},
        {QStringLiteral("keywordMinutes"), keywordsJson(plan.keywordMinutes, plan.totalMinutes)},
        {QStringLiteral("problems"), QJsonArray::fromStringList(plan.problems)}};
}

QJsonObject unitJson(const SeasonUnit& unit) {
    QJsonObject row{{QStringLiteral("number"), unit.number},
                    {QStringLiteral("date"), unit.dateText},
                    {QStringLiteral("minutes"), unit.minutes}};
    if (unit.date.isValid())
        row.insert(QStringLiteral("day"), unit.date.toString(Qt::ISODate));
    return row;
}

QJsonObject seasonJson(const SeasonSummary& season) {
    QJsonArray units, undated, months;
    for (const SeasonUnit& unit : season.units)
        units.append(unitJson(unit));
    for (const SeasonUnit& unit : season.undated)
        undated.append(unitJson(unit));
    for (const auto& [month, count] : season.unitsPerMonth)
        months.append(
            QJsonObject{{QStringLiteral("month"), month.toString(QStringLiteral("yyyy-MM"))},
                        {QStringLiteral("units"), count}});
    return QJsonObject{{QStringLiteral("totalMinutes"), season.totalMinutes},
                       {QStringLiteral("units"), units},
                       {QStringLiteral("undated"), undated},
                       {QStringLiteral("unitsPerMonth"), months},
                       {QStringLiteral("keywordMinutes"),
                        keywordsJson(season.keywordMinutes, season.totalMinutes)},
                       {QStringLiteral("problems"), QJsonArray::fromStringList(season.problems)}};
}

int runSummary(const QStringList& args) {
    if (args.isEmpty())
        return usageOf(kSummaryCommand);
    const QString target = args.at(0);
    QDate from, to;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usageOf(kSummaryCommand);
        const QDate date = QDate::fromString(args.at(i + 1), Qt::ISODate);
        if (!date.isValid())
            return fail(QStringLiteral("%1: not a date (YYYY-MM-DD)").arg(args.at(i + 1)));
        if (args.at(i) == QLatin1String("--from"))
            from = date;
        else if (args.at(i) == QLatin1String("--to"))
            to = date;
        else
            return usageOf(kSummaryCommand);
    }

    const QFileInfo info(target);
    const QString shown = QDir::toNativeSeparators(target);
    const QString root = installationOf(
        info.isDir() ? info.absoluteFilePath() + QStringLiteral("/x") : info.absoluteFilePath());
    TSettings settings(root);
    TLanguage language;
    QString error;
    if (!loadInstallation(root, settings, language, &error))
        return fail(error);

    QJsonObject result;
    if (info.isDir()) {
        result = seasonJson(summariseSeason(target, from, to, settings, language));
    } else {
        const QString suffix = info.suffix().toLower();
        if (suffix != QLatin1String("pmp") && suffix != QLatin1String("pamp"))
            return fail(QStringLiteral("%1: not a plan, archived plan or team folder").arg(shown));
        PlanSummary plan;
        if (!summarisePlanFile(target, settings, language, &plan, &error))
            return fail(error);
        result = planJson(plan);
    }
    QTextStream(stdout) << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented));
    return kExitOk;
}

} // namespace

const Command kSummaryCommand = {
    "summary", "FILE.pmp|FILE.pamp|TEAMFOLDER [--from YYYY-MM-DD] [--to YYYY-MM-DD]",
    "minutes, drawn lines and players, goalie load and minutes per keyword, as JSON", runSummary};

} // namespace korvex::cli
