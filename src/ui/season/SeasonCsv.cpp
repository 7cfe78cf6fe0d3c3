#include "ui/season/SeasonCsv.h"

#include "core/SafeSave.h"
#include "core/TLanguage.h"
#include "storage/PlanSummarySeason.h"
#include "storage/search/SearchText.h"
#include "ui/LanguageKeys.h"

namespace korvex {

namespace {

QString field(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

int minutesOf(const SeasonUnit& unit, const QString& keyword) {
    const QString folded = foldForSearch(keyword);
    for (const KeywordMinutes& spent : unit.keywordMinutes) {
        if (foldForSearch(spent.keyword) == folded)
            return spent.minutes;
    }
    return 0;
}

} // namespace

QStringList seasonCsvLines(const SeasonSummary& season, const TLanguage& language) {
    QStringList head = {language.Text(LK("SeasonColNumber")), language.Text(LK("SeasonColDate")),
                        language.Text(LK("SeasonColMinutes"))};
    for (const KeywordMinutes& entry : season.keywordMinutes)
        head.append(entry.keyword);
    const auto joined = [](const QStringList& fields) {
        QStringList quoted;
        for (const QString& text : fields)
            quoted.append(field(text));
        return quoted.join(QLatin1Char(';'));
    };

    QStringList lines = {QStringLiteral("\uFEFF") + joined(head)};
    for (const SeasonUnit& unit : season.units) {
        QStringList row = {unit.number, unit.date.toString(Qt::ISODate),
                           QString::number(unit.minutes)};
        for (const KeywordMinutes& entry : season.keywordMinutes)
            row.append(QString::number(minutesOf(unit, entry.keyword)));
        lines.append(joined(row));
    }
    QStringList totals = {language.Text(LK("SeasonColMinutes")), QString(),
                          QString::number(season.totalMinutes)};
    QStringList shares = {language.Text(LK("SeasonColShare")), QString(), QString()};
    for (int i = 0; i < season.keywordMinutes.size(); ++i) {
        totals.append(QString::number(season.keywordMinutes.at(i).minutes));
        shares.append(QString::number(season.percentOf(i), 'f', 1));
    }
    lines.append(joined(totals));
    lines.append(joined(shares));
    return lines;
}

bool writeSeasonCsv(const QString& path, const SeasonSummary& season, const TLanguage& language,
                    QString* error) {
    return saveTextLines(path, seasonCsvLines(season, language), error);
}

} // namespace korvex
