#include "ui/diary/DiaryDateField.h"

#include "core/TLanguage.h"
#include "storage/TDiary.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QWidgetAction>

namespace korvex {

namespace {

constexpr int kButtonWidth = 26;

// A small calendar sheet: a red top band with two rings and a grid of days.
QIcon calendarGlyph() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, 13, 12);
    painter.fillRect(2, 3, 12, 3, QColor(0xC0, 0x30, 0x30));
    painter.fillRect(4, 1, 1, 3, QColor(0x40, 0x40, 0x40));
    painter.fillRect(11, 1, 1, 3, QColor(0x40, 0x40, 0x40));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column)
            painter.fillRect(3 + column * 3, 7 + row * 2 + row / 2, 2, 1, QColor(0x50, 0x50, 0x50));
    }
    return QIcon(pixmap);
}

} // namespace

DiaryDateField::DiaryDateField(QWidget* parent) : QWidget(parent) {
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edtDRDate"));
    m_edit->setMaxLength(kMaxLength);
    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("btnDRPickDate"));
    m_button->setIcon(calendarGlyph());
    m_button->setFocusPolicy(Qt::NoFocus);
    connect(m_button, &QToolButton::clicked, this, &DiaryDateField::showCalendar);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("ppmDRCalendar"));
    m_calendar = new QCalendarWidget(m_menu);
    m_calendar->setObjectName(QStringLiteral("calDRDate"));
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto* calendarItem = new QWidgetAction(m_menu);
    calendarItem->setDefaultWidget(m_calendar);
    m_menu->addAction(calendarItem);
    QAction* today = m_menu->addAction(QString());
    today->setObjectName(QStringLiteral("ppmDRToday"));
    connect(today, &QAction::triggered, this, [this] { pickDate(QDate::currentDate()); });
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
        pickDate(date);
        m_menu->close();
    });
    connect(m_calendar, &QCalendarWidget::activated, this, [this](QDate date) {
        pickDate(date);
        m_menu->close();
    });
    setFocusProxy(m_edit);
}

QString DiaryDateField::text() const {
    return m_edit->text();
}

void DiaryDateField::setText(const QString& text) {
    m_edit->setText(text);
}

void DiaryDateField::applyCaptions(const TLanguage& language) {
    m_button->setToolTip(language.Text(LK("btnDRPickDate")));
    m_menu->findChild<QAction*>(QStringLiteral("ppmDRToday"))
        ->setText(language.Text(LK("ppmDRToday")));
}

void DiaryDateField::pickDate(const QDate& date) {
    if (!date.isValid())
        return;
    // A typing action, so the field's own undo takes it back.
    m_edit->selectAll();
    m_edit->insert(TDiary::dateText(date, QLocale()));
}

void DiaryDateField::showCalendar() {
    const QDate typed = TDiary::readDate(m_edit->text(), QLocale());
    m_calendar->setSelectedDate(typed.isValid() ? typed : QDate::currentDate());
    dialogs().popup(m_menu, m_button->mapToGlobal(QPoint(0, m_button->height())));
}

void DiaryDateField::resizeEvent(QResizeEvent*) {
    const int h = height();
    m_edit->setGeometry(0, 0, width() - kButtonWidth - 2, h);
    m_button->setGeometry(width() - kButtonWidth, 0, kButtonWidth, h);
}

} // namespace korvex
