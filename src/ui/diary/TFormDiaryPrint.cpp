#include "ui/diary/TFormDiaryPrint.h"

#include "core/TLanguage.h"
#include "storage/TDiary.h"
#include "ui/LanguageKeys.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace korvex {

QList<int> diaryPrintRecords(const TDiary& diary, bool all, QDate from, QDate to) {
    if (all) {
        QList<int> records;
        for (int i = 0; i < diary.count(); ++i)
            records.append(i);
        return records;
    }
    if (from > to)
        std::swap(from, to);
    return diary.recordsBetween(from, to, QLocale());
}

TFormDiaryPrint::TFormDiaryPrint(const TLanguage& language, const TDiary& diary, QWidget* parent)
    : QDialog(parent), m_language(language), m_diary(diary) {
    setObjectName(QStringLiteral("FormDiaryPrint"));
    setWindowTitle(language.Text(LK("FormDiaryPrint")) + QStringLiteral(" - ") + diary.team());

    m_all = new QRadioButton(language.Text(LK("rbDRPrintAll")), this);
    m_all->setObjectName(QStringLiteral("rbDRPrintAll"));
    m_all->setChecked(true);
    m_range = new QRadioButton(language.Text(LK("rbDRPrintRange")), this);
    m_range->setObjectName(QStringLiteral("rbDRPrintRange"));

    // The range opens on the dates of the records, oldest to newest.
    QDate first, last;
    for (int i = 0; i < diary.count(); ++i) {
        const QDate date = TDiary::readDate(diary.field(i, TDiary::Date), QLocale());
        if (!date.isValid())
            continue;
        first = first.isValid() ? std::min(first, date) : date;
        last = last.isValid() ? std::max(last, date) : date;
    }
    const auto dateEdit = [this](const char* name, const QDate& date) {
        auto* edit = new QDateEdit(date.isValid() ? date : QDate::currentDate(), this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, &TFormDiaryPrint::updateCount);
        return edit;
    };
    m_from = dateEdit("dtpDRFrom", first);
    m_to = dateEdit("dtpDRTo", last);
    auto* toLabel = new QLabel(language.Text(LK("lblDRPrintTo")), this);
    toLabel->setObjectName(QStringLiteral("lblDRPrintTo"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblDRPrintCount"));

    m_ok = new QPushButton(language.Text(LK("btnOK")), this);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(language.Text(LK("btnCancel")), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_range, &QRadioButton::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        updateCount();
    });

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_all, 0, 0, 1, 4);
    grid->addWidget(m_range, 1, 0);
    grid->addWidget(m_from, 1, 1);
    grid->addWidget(toLabel, 1, 2);
    grid->addWidget(m_to, 1, 3);
    grid->addWidget(m_count, 2, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    updateCount();
}

bool TFormDiaryPrint::allRecords() const {
    return m_all->isChecked();
}

QDate TFormDiaryPrint::from() const {
    return m_from->date();
}

QDate TFormDiaryPrint::to() const {
    return m_to->date();
}

QList<int> TFormDiaryPrint::records() const {
    return diaryPrintRecords(m_diary, allRecords(), from(), to());
}

void TFormDiaryPrint::updateCount() {
    const qsizetype count = records().size();
    m_count->setText(m_language.Text(LK("lblDRPrintCount")).arg(count));
    m_ok->setEnabled(count > 0);
}

} // namespace korvex
