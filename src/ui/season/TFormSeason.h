#pragma once

#include "storage/PlanSummarySeason.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace korvex {

class SeasonChart;
class TFormKorvex;
class TLanguage;
class TSettings;

// Training archive > Season summary: the archived units of one team in a date range, the
// minutes per keyword as a bar chart with shares, the units per month, the total minutes,
// and the units themselves; a click on a bar lists the units that make it. The season
// prints and exports as CSV.
class TFormSeason : public QDialog {
    Q_OBJECT

public:
    TFormSeason(TLanguage& language, TSettings& settings, const QString& team,
                QWidget* parent = nullptr);

    // The window's command: refuses when the archive has no team, else shows the form on
    // the archive's current team (or the first).
    static void showFor(TFormKorvex& window);
    // The teams of the training archive.
    static QStringList archiveTeams(const TSettings& settings);

    void setRange(const QDate& from, const QDate& to);
    void setTeam(const QString& team);
    const SeasonSummary& season() const { return m_season; }
    SeasonChart* chart() const { return m_chart; }
    // Lists the units of keyword bar `index` (-1: every unit).
    void showUnitsOf(int index);

    void print(bool preview);
    void exportCsv();

private:
    void createControls();
    void applyCaptions();
    void recompute();
    QString rangeText() const;
    QString teamFolder() const;

    TLanguage& m_language;
    TSettings& m_settings;
    SeasonSummary m_season;
    bool m_updating = false;

    QComboBox* m_team = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLabel* m_total = nullptr;
    SeasonChart* m_chart = nullptr;
    QTableWidget* m_months = nullptr;
    QLabel* m_unitsLabel = nullptr;
    QPushButton* m_allUnits = nullptr;
    QTableWidget* m_units = nullptr;
    QLabel* m_undatedLabel = nullptr;
    QListWidget* m_undated = nullptr;
};

} // namespace korvex
