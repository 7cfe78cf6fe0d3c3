#pragma once

#include <QDialog>

namespace korvex {

class TLanguage;
struct PlanSummary;

// The whole plan summary: total minutes, a row per graphic practise with its shot, pass and
// skating lines and its forwards, defenders, free players and goalie, the goalie's shots
// per minute, and the minutes per keyword as bars with their shares.
class TFormPlanSummary : public QDialog {
    Q_OBJECT

public:
    TFormPlanSummary(const TLanguage& language, const PlanSummary& summary,
                     QWidget* parent = nullptr);
};

} // namespace korvex
