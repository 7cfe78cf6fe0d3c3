#include "ui/season/TFormSeason.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "print/PageLayout.h"
#include "print/PlanPrintSeason.h"
#include "storage/ItemKinds.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PrintCommand.h"
#include "ui/TFormKorvex.h"
#include "ui/season/SeasonChart.h"
#include "ui/season/SeasonCsv.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvex {

namespace {

QLabel* boldLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QTableWidget* table(const char* name, int columns, QWidget* parent) {
    auto* grid = new QTableWidget(0, columns, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setAlternatingRowColors(true);
    return grid;
}

void setRow(QTableWidget* grid, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        auto* cell = new QTableWidgetItem(cells.at(column));
        if (column > 0 && column == cells.size() - 1)
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setItem(row, column, cell);
    }
}

} // namespace

QStringList TFormSeason::archiveTeams(const TSettings& settings) {
    return ListFolder(joinPath(settings.appDir(), settings.TPSaveDir(), archiveCategory()),
                      QStringLiteral("*"), ListKind::Folders);
}

void TFormSeason::showFor(TFormKorvex& window) {
    const QStringList teams = archiveTeams(window.settings());
    if (teams.isEmpty()) {
        dialogs().information(&window, window.language().Text(LK("SeasonNoTeam")));
        return;
    }
    QString team = teams.first();
    if (TModeView* view = window.currentView();
        view != nullptr && window.currentMode() == 6 && teams.contains(view->subcategoryName()))
        team = view->subcategoryName();
    TFormSeason form(window.language(), window.settings(), team, &window);
    dialogs().exec(&form);
}

TFormSeason::TFormSeason(TLanguage& language, TSettings& settings, const QString& team,
                         QWidget* parent)
    : QDialog(parent), m_language(language), m_settings(settings) {
    setObjectName(QStringLiteral("FormSeason"));
    createControls();
    applyCaptions();
    m_updating = true;
    m_team->addItems(archiveTeams(settings));
    m_team->setCurrentIndex(std::max(0, m_team->findText(team)));
    m_updating = false;
    setTeam(m_team->currentText());
}

void TFormSeason::createControls() {
    resize(900, 620);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    const auto addLabelled = [this, top](const char* name, QWidget* field) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setBuddy(field);
        top->addWidget(label);
        top->addWidget(field);
        top->addSpacing(12);
    };
    m_team = new QComboBox(this);
    m_team->setObjectName(QStringLiteral("cmbSeasonTeam"));
    m_team->setMinimumWidth(160);
    addLabelled("lblSeasonTeam", m_team);
    m_from = new QDateEdit(this);
    m_from->setObjectName(QStringLiteral("dtpSeasonFrom"));
    m_to = new QDateEdit(this);
    m_to->setObjectName(QStringLiteral("dtpSeasonTo"));
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    }
    addLabelled("lblSeasonFrom", m_from);
    addLabelled("lblSeasonTo", m_to);
    top->addStretch(1);
    layout->addLayout(top);

    m_total = boldLabel("lblSeasonTotal", this);
    layout->addWidget(m_total);

    // Left: the chart and the months under it; right: the units and the undated ones.
    auto* body = new QGridLayout();
    body->addWidget(boldLabel("lblSeasonKeywords", this), 0, 0);
    m_chart = new SeasonChart(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_chart);
    scroll->setWidgetResizable(true);
    body->addWidget(scroll, 1, 0);
    body->addWidget(boldLabel("lblSeasonMonths", this), 2, 0);
    m_months = table("srgSeasonMonths", 2, this);
    m_months->setMaximumHeight(160);
    m_months->horizontalHeader()->setStretchLastSection(false);
    m_months->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_months->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    body->addWidget(m_months, 3, 0);

    auto* unitsHead = new QHBoxLayout();
    m_unitsLabel = boldLabel("lblSeasonUnits", this);
    m_allUnits = new QPushButton(this);
    m_allUnits->setObjectName(QStringLiteral("btnSeasonAllUnits"));
    unitsHead->addWidget(m_unitsLabel, 1);
    unitsHead->addWidget(m_allUnits);
    body->addLayout(unitsHead, 0, 1);
    m_units = table("srgSeasonUnits", 3, this);
    m_units->horizontalHeader()->setStretchLastSection(false);
    m_units->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_units->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_units->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    body->addWidget(m_units, 1, 1);
    m_undatedLabel = boldLabel("lblSeasonUndated", this);
    body->addWidget(m_undatedLabel, 2, 1);
    m_undated = new QListWidget(this);
    m_undated->setObjectName(QStringLiteral("lbxSeasonUndated"));
    m_undated->setMaximumHeight(160);
    body->addWidget(m_undated, 3, 1);
    body->setColumnStretch(0, 3);
    body->setColumnStretch(1, 2);
    body->setRowStretch(1, 1);
    layout->addLayout(body, 1);

    auto* buttons = new QHBoxLayout();
    const auto addButton = [this, buttons](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        return button;
    };
    QPushButton* print = addButton("btnSeasonPrint");
    QPushButton* preview = addButton("btnSeasonPreview");
    QPushButton* csv = addButton("btnSeasonCsv");
    buttons->addStretch(1);
    QPushButton* close = addButton("btnSummaryClose");
    layout->addLayout(buttons);

    connect(m_team, &QComboBox::currentTextChanged, this, &TFormSeason::setTeam);
    connect(m_from, &QDateEdit::dateChanged, this, &TFormSeason::recompute);
    connect(m_to, &QDateEdit::dateChanged, this, &TFormSeason::recompute);
    connect(m_chart, &SeasonChart::barClicked, this, &TFormSeason::showUnitsOf);
    connect(m_allUnits, &QPushButton::clicked, this, [this] {
        m_chart->setSelected(-1);
        showUnitsOf(-1);
    });
    connect(print, &QPushButton::clicked, this, [this] { this->print(false); });
    connect(preview, &QPushButton::clicked, this, [this] { this->print(true); });
    connect(csv, &QPushButton::clicked, this, &TFormSeason::exportCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormSeason::applyCaptions() {
    setWindowTitle(m_language.Text(LK("FormSeason")));
    for (const QString& key :
         {LK("lblSeasonTeam"), LK("lblSeasonFrom"), LK("lblSeasonTo"), LK("lblSeasonKeywords"),
          LK("lblSeasonMonths"), LK("lblSeasonUndated"), LK("btnSeasonAllUnits"),
          LK("btnSeasonPrint"), LK("btnSeasonPreview"), LK("btnSeasonCsv"),
          LK("btnSummaryClose")}) {
        QWidget* control = findChild<QWidget*>(key);
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(m_language.Text(key));
        else if (auto* button = qobject_cast<QPushButton*>(control))
            button->setText(m_language.Text(key));
    }
    m_months->setHorizontalHeaderLabels(
        {m_language.Text(LK("SeasonColMonth")), m_language.Text(LK("lblSeasonUnits"))});
    m_units->setHorizontalHeaderLabels({m_language.Text(LK("SeasonColNumber")),
                                        m_language.Text(LK("SeasonColDate")),
                                        m_language.Text(LK("SeasonColMinutes"))});
}

QString TFormSeason::teamFolder() const {
    return joinPath(m_settings.appDir(), m_settings.TPSaveDir(),
                    archiveCategory() + QLatin1Char('/') + m_team->currentText());
}

void TFormSeason::setTeam(const QString& team) {
    if (m_updating)
        return;
    if (m_team->currentText() != team) {
        m_team->setCurrentText(team);
        return; // the combo's signal comes back here
    }
    // A new team opens on the span of its dated units.
    const SeasonSummary all = summariseSeason(teamFolder(), {}, {}, m_settings, m_language);
    QDate from = QDate(QDate::currentDate().year(), 1, 1);
    QDate to = QDate::currentDate();
    if (!all.units.isEmpty()) {
        from = all.units.first().date;
        to = all.units.last().date;
    }
    setRange(from, to);
}

void TFormSeason::setRange(const QDate& from, const QDate& to) {
    m_updating = true;
    m_from->setDate(from);
    m_to->setDate(to);
    m_updating = false;
    recompute();
}

void TFormSeason::recompute() {
    if (m_updating)
        return;
    m_season = summariseSeason(teamFolder(), m_from->date(), m_to->date(), m_settings, m_language);
    m_total->setText(
        m_language.Text(LK("SeasonTotal")).arg(m_season.units.size()).arg(m_season.totalMinutes));

    QList<SeasonChart::Bar> bars;
    for (int i = 0; i < m_season.keywordMinutes.size(); ++i)
        bars.append({m_season.keywordMinutes.at(i).keyword, m_season.keywordMinutes.at(i).minutes,
                     m_season.percentOf(i)});
    m_chart->setBars(bars);
    m_chart->setToolTip(bars.isEmpty() ? m_language.Text(LK("SeasonNoKeywords")) : QString());

    const QLocale locale;
    m_months->setRowCount(int(m_season.unitsPerMonth.size()));
    for (int row = 0; row < m_season.unitsPerMonth.size(); ++row) {
        const auto& [month, count] = m_season.unitsPerMonth.at(row);
        setRow(m_months, row,
               {locale.toString(month, QStringLiteral("MMMM yyyy")), QString::number(count)});
    }
    m_undated->clear();
    for (const SeasonUnit& unit : std::as_const(m_season.undated))
        m_undated->addItem(unit.dateText.isEmpty()
                               ? unit.number
                               : QStringLiteral("%1  (%2)").arg(unit.number, unit.dateText));
    m_undatedLabel->setVisible(!m_season.undated.isEmpty());
    m_undated->setVisible(!m_season.undated.isEmpty());
    showUnitsOf(-1);
}

void TFormSeason::showUnitsOf(int index) {
    QList<int> rows;
    if (index >= 0 && index < m_season.keywordMinutes.size()) {
        rows = m_season.unitsWithKeyword(m_season.keywordMinutes.at(index).keyword);
        m_unitsLabel->setText(
            m_language.Text(LK("SeasonUnitsOf")).arg(m_season.keywordMinutes.at(index).keyword));
    } else {
        for (int i = 0; i < m_season.units.size(); ++i)
            rows.append(i);
        m_unitsLabel->setText(m_language.Text(LK("lblSeasonUnits")));
    }
    m_allUnits->setEnabled(index >= 0);
    const QLocale locale;
    m_units->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const SeasonUnit& unit = m_season.units.at(rows.at(row));
        setRow(m_units, row,
               {unit.number, locale.toString(unit.date, QLocale::ShortFormat),
                QString::number(unit.minutes)});
    }
}

QString TFormSeason::rangeText() const {
    const QLocale locale;
    return QStringLiteral("%1 \u2013 %2")
        .arg(locale.toString(m_from->date(), QLocale::ShortFormat),
             locale.toString(m_to->date(), QLocale::ShortFormat));
}

void TFormSeason::print(bool preview) {
    const SeasonSummary season = m_season;
    const QString team = m_team->currentText();
    const QString range = rangeText();
    const TLanguage& language = m_language;
    const PrintBody body = [season, team, range, &language](PageCanvas& canvas, QString&) {
        PageLayout layout(canvas);
        printSeason(layout, season, language, team, range);
        return true;
    };
    const QString title = QStringLiteral("Korvex - ") + m_language.Text(LK("FormSeason"));
    if (preview)
        runPrintPreview(this, m_language, title, body);
    else
        runPrintCommand(this, m_language, title, body);
}

void TFormSeason::exportCsv() {
    FileDialogOptions options;
    options.title = m_language.Text(LK("btnSeasonCsv")).remove(QStringLiteral("..."));
    options.fileName = m_team->currentText() + QStringLiteral(".csv");
    options.filter = QStringLiteral("CSV (*.csv)");
    options.defaultSuffix = QStringLiteral("csv");
    const QString file = dialogs().saveFileName(this, options);
    if (file.isEmpty())
        return;
    QString error;
    if (!writeSeasonCsv(file, m_season, m_language, &error))
        dialogs().information(this, error);
}

} // namespace korvex
