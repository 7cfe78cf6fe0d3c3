#include "ui/cards/TFormCsvImport.h"

#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvex {

TFormCsvImport::TFormCsvImport(const TLanguage& language, const QString& team,
                               const QStringList& headings, const QList<QStringList>& players,
                               const QList<int>& lines, const QStringList& refused, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormCsvImport"));
    setWindowTitle(language.Text(LK("FormCsvImport")));
    auto* layout = new QVBoxLayout(this);

    auto* summary = new QLabel(this);
    summary->setObjectName(QStringLiteral("lblCsvSummary"));
    summary->setText(language.Text(LK("CsvWillAdd")).arg(players.size()).arg(team));
    layout->addWidget(summary);

    auto* table =
        new QTableWidget(static_cast<int>(players.size()), static_cast<int>(headings.size()), this);
    table->setObjectName(QStringLiteral("tblCsvPlayers"));
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    QStringList lineLabels;
    for (const int line : lines)
        lineLabels.append(QString::number(line));
    table->setVerticalHeaderLabels(lineLabels);
    for (int row = 0; row < players.size(); ++row) {
        for (int column = 0; column < headings.size() && column < players[row].size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(players[row][column]));
    }
    table->resizeColumnsToContents();
    table->setMinimumSize(760, 300);
    layout->addWidget(table, 3);

    if (!refused.isEmpty()) {
        auto* refusedLabel = new QLabel(language.Text(LK("CsvRefusedRows")), this);
        refusedLabel->setObjectName(QStringLiteral("lblCsvRefused"));
        layout->addWidget(refusedLabel);
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("lbxCsvRefused"));
        list->addItems(refused);
        list->setMaximumHeight(120);
        layout->addWidget(list, 1);
    }

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(language.Text(LK("btnCsvImport")), this);
    add->setObjectName(QStringLiteral("btnCsvImport"));
    add->setDefault(true);
    add->setEnabled(!players.isEmpty());
    auto* cancel = new QPushButton(language.Text(LK("btnECCancel")), this);
    cancel->setObjectName(QStringLiteral("btnCsvCancel"));
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace korvex
