#include "ui/plans/TFormPlanSummary.h"

#include "core/TLanguage.h"
#include "storage/PlanSummary.h"
#include "ui/LanguageKeys.h"
#include "ui/season/SeasonChart.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvex {

TFormPlanSummary::TFormPlanSummary(const TLanguage& language, const PlanSummary& summary,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormPlanSummary"));
    setWindowTitle(language.Text(LK("FormPlanSummary")));
    resize(720, 520);
    auto* layout = new QVBoxLayout(this);

    QString total = language.Text(LK("SummaryTotal")).arg(summary.totalMinutes);
    if (summary.withoutMinutes > 0)
        total += QLatin1Char(' ') + language.Text(LK("SummaryWithout")).arg(summary.withoutMinutes);
    auto* totalLabel = new QLabel(total, this);
    totalLabel->setObjectName(QStringLiteral("lblPlanSummaryTotal"));
    QFont bold = totalLabel->font();
    bold.setBold(true);
    totalLabel->setFont(bold);
    layout->addWidget(totalLabel);

    const QStringList head = {
        language.Text(LK("SummaryPractise")),  language.Text(LK("SeasonColMinutes")),
        language.Text(LK("SummaryShots")),     language.Text(LK("SummaryPasses")),
        language.Text(LK("SummarySkating")),   language.Text(LK("SummaryForwards")),
        language.Text(LK("SummaryDefenders")), language.Text(LK("SummaryFreePlayers")),
        language.Text(LK("SummaryGoalie"))};
    auto* grid = new QTableWidget(0, int(head.size()), this);
    grid->setObjectName(QStringLiteral("srgPlanSummary"));
    grid->setHorizontalHeaderLabels(head);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setVisible(false);
    grid->setAlternatingRowColors(true);
    for (const PlanSummaryItem& item : summary.items) {
        const int row = grid->rowCount();
        grid->insertRow(row);
        QStringList cells = {item.name,
                             item.minutes >= 0 ? QString::number(item.minutes) : QString()};
        if (item.drawn) {
            const DrawingCounts& c = item.counts;
            for (const int value :
                 {c.shots, c.passes, c.skating, c.forwards, c.defenders, c.freePlayers})
                cells.append(QString::number(value));
            cells.append(c.hasGoalie() ? language.Text(LK("SummaryYes")) : QString());
        }
        for (int column = 0; column < cells.size(); ++column) {
            auto* cell = new QTableWidgetItem(cells.at(column));
            if (column > 0)
                cell->setTextAlignment(Qt::AlignCenter);
            grid->setItem(row, column, cell);
        }
    }
    grid->resizeColumnsToContents();
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(grid, 1);

    auto* goalie =
        new QLabel(summary.goalieMinutes > 0
                       ? language.Text(LK("SummaryGoalieLoad"))
                             .arg(QString::number(summary.shotsPerGoalieMinute(), 'f', 2))
                             .arg(summary.goalieShots)
                             .arg(summary.goalieMinutes)
                       : language.Text(LK("SummaryNoGoalie")),
                   this);
    goalie->setObjectName(QStringLiteral("lblPlanSummaryGoalie"));
    layout->addWidget(goalie);

    auto* keywordsLabel = new QLabel(language.Text(LK("SummaryKeywords")), this);
    keywordsLabel->setFont(bold);
    layout->addWidget(keywordsLabel);
    auto* chart = new SeasonChart(this);
    QList<SeasonChart::Bar> bars;
    for (const KeywordMinutes& entry : summary.keywordMinutes)
        bars.append(
            {entry.keyword, entry.minutes,
             summary.totalMinutes > 0 ? 100.0 * entry.minutes / summary.totalMinutes : 0.0});
    chart->setBars(bars);
    chart->setMinimumHeight(chart->sizeHint().height());
    layout->addWidget(chart);
    if (bars.isEmpty())
        layout->addWidget(new QLabel(language.Text(LK("SummaryNoKeywords")), this));

    auto* close = new QPushButton(language.Text(LK("btnSummaryClose")), this);
    close->setObjectName(QStringLiteral("btnSummaryClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
}

} // namespace korvex
