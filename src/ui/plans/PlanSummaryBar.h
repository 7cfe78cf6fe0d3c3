#pragma once

#include "storage/PlanSummary.h"

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;

namespace korvex {

class TLanguage;
class TSettings;
class TTrainingPlan;

// The plan summary in the foot of the plan view: one line with the shots, passes, skating
// lines and players the plan's drawings hold and the goalie's shots per minute, and a
// button that opens the whole summary. Each practise file is read once while the view
// lives; a change of durations only adds up again.
class PlanSummaryBar : public QWidget {
    Q_OBJECT

public:
    PlanSummaryBar(TLanguage& language, TSettings& settings, QWidget* parent);

    // Adds up `plan` as it stands (paths and typed durations); an empty plan shows nothing.
    void showPlan(const TTrainingPlan& plan);
    void applyCaptions();
    const PlanSummary& summary() const { return m_summary; }
    // The one-line text of `summary`.
    static QString lineText(const TLanguage& language, const PlanSummary& summary);

private:
    void openDetails();

    TLanguage& m_language;
    TSettings& m_settings;
    QHash<QString, PlanSummaryItem> m_read; // by stored path
    PlanSummary m_summary;
    QLabel* m_line = nullptr;
    QPushButton* m_details = nullptr;
};

} // namespace korvex
