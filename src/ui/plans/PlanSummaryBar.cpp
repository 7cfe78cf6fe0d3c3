#include "ui/plans/PlanSummaryBar.h"

#include "core/TLanguage.h"
#include "storage/TTrainingPlan.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/plans/TFormPlanSummary.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace korvex {

PlanSummaryBar::PlanSummaryBar(TLanguage& language, TSettings& settings, QWidget* parent)
    : QWidget(parent), m_language(language), m_settings(settings) {
    setObjectName(QStringLiteral("pnlTPSummary"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_details = new QPushButton(this);
    m_details->setObjectName(QStringLiteral("btnTPSummary"));
    m_details->setFixedHeight(26); // as high as the other buttons of the foot row
    m_line = new QLabel(this);
    m_line->setObjectName(QStringLiteral("lblTPSummary"));
    layout->addWidget(m_details);
    layout->addWidget(m_line, 1);
    connect(m_details, &QPushButton::clicked, this, &PlanSummaryBar::openDetails);
    applyCaptions();
}

void PlanSummaryBar::applyCaptions() {
    m_details->setText(m_language.Text(LK("btnTPSummary")));
    m_line->setText(lineText(m_language, m_summary));
}

QString PlanSummaryBar::lineText(const TLanguage& language, const PlanSummary& summary) {
    if (summary.items.isEmpty())
        return QString();
    int shots = 0, passes = 0, skating = 0, players = 0;
    for (const PlanSummaryItem& item : summary.items) {
        shots += item.counts.shots;
        passes += item.counts.passes;
        skating += item.counts.skating;
        players += item.counts.players();
    }
    QString line =
        language.Text(LK("TPSummaryLine")).arg(shots).arg(passes).arg(skating).arg(players);
    if (summary.goalieMinutes > 0)
        line += QStringLiteral("; ") +
                language.Text(LK("TPSummaryGoalie")).arg(summary.shotsPerGoalieMinute(), 0, 'f', 2);
    return line;
}

void PlanSummaryBar::showPlan(const TTrainingPlan& plan) {
    QList<PlanSummaryItem> items;
    for (qsizetype i = 0; i < plan.paths.size(); ++i) {
        const QString& path = plan.paths.at(i);
        if (!m_read.contains(path)) {
            QString problem;
            m_read.insert(path, readPlanPractise(path, m_settings, m_language, &problem));
        }
        PlanSummaryItem item = m_read.value(path);
        item.minutes = i < plan.items.size() ? durationMinutes(plan.items.at(i).time) : -1;
        items.append(item);
    }
    m_summary = summariseItems(items);
    m_line->setText(lineText(m_language, m_summary));
    m_details->setEnabled(!items.isEmpty());
}

void PlanSummaryBar::openDetails() {
    TFormPlanSummary form(m_language, m_summary, window());
    dialogs().exec(&form);
}

} // namespace korvex
