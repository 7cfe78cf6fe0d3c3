#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace korvex {

class TFigures;
class TLanguage;
class TLines;
class TSettings;
class TTrainingPlan;

// What a drawing asks of the players: its lines by what they show (shots, passes, the five
// kinds of skating) and the players drawn on it.
struct DrawingCounts {
    int shots = 0;
    int passes = 0;
    int skating = 0;
    int forwards = 0; // start forwards included, as for the two other player kinds
    int defenders = 0;
    int freePlayers = 0;
    int goalies = 0;

    int players() const { return forwards + defenders + freePlayers; }
    bool hasGoalie() const { return goalies > 0; }
    bool operator==(const DrawingCounts&) const = default;
};

DrawingCounts countDrawing(const TFigures& figures, const TLines& lines);

// One practise of a plan as the summary sees it.
struct PlanSummaryItem {
    QString name;
    QString path;       // root-relative, as the plan stores it
    int minutes = -1;   // -1: not a whole number of minutes
    bool drawn = false; // a graphic practise whose drawing was read
    DrawingCounts counts;
    QStringList keywords;
};

// Minutes of a plan (or season) spent on one keyword.
struct KeywordMinutes {
    QString keyword; // as first written
    int minutes = 0;
};

// The plan summary: total minutes; per graphic practise the lines and players drawn; the
// goalie's workload (shots of the practises that draw a goalie, over their minutes); the
// minutes per keyword (a practise's minutes count for each of its keywords).
struct PlanSummary {
    QList<PlanSummaryItem> items;
    int totalMinutes = 0;
    int withoutMinutes = 0;
    int goalieShots = 0;
    int goalieMinutes = 0;
    QList<KeywordMinutes> keywordMinutes; // most minutes first, then by keyword
    // Practises whose files could not be read, each with the reason.
    QStringList problems;

    // Shots per goalie-minute; 0 when no practise with a goalie has minutes.
    double shotsPerGoalieMinute() const;
};

// A duration typed for a practise in minutes, or -1 when it is not a whole number (blank,
// signs, letters, more than six digits).
int durationMinutes(const QString& duration);

// The keywords of a practise's keyword lines: each line split at commas and semicolons,
// trimmed, blanks dropped.
QStringList splitKeywords(const QStringList& lines);

// Adds `minutes` to `keyword` in `list`; keywords equal but for case and accents are one.
void addKeywordMinutes(QList<KeywordMinutes>& list, const QString& keyword, int minutes);
void sortKeywordMinutes(QList<KeywordMinutes>& list);

// Reads the placed practise `storedPath` (root-relative, stored form) for the summary: its
// name, keywords and, for a graphic practise, its drawing's counts. The minutes stay unset.
// A path leaving the installation or a file that cannot be read gives `problem`.
PlanSummaryItem readPlanPractise(const QString& storedPath, TSettings& settings,
                                 TLanguage& language, QString* problem);

// Adds up practises read by readPlanPractise whose minutes have been set.
PlanSummary summariseItems(const QList<PlanSummaryItem>& items);

// Summarises the practises `paths` (root-relative, stored form) with the durations
// `durations` (same order) of the installation `settings` describes. Graphic practises are
// read whole (their figures need the installation's pictures); text and tactics practises
// give their keywords.
PlanSummary summarisePlan(const QStringList& paths, const QStringList& durations,
                          TSettings& settings, TLanguage& language);

// The summary of an open plan, with the durations as typed.
PlanSummary summarisePlan(const TTrainingPlan& plan, TSettings& settings, TLanguage& language);

// The summary of the plan or archived plan file `file` (.pmp or .pamp); false with `error`
// when the plan cannot be read.
bool summarisePlanFile(const QString& file, TSettings& settings, TLanguage& language,
                       PlanSummary* summary, QString* error);

} // namespace korvex
