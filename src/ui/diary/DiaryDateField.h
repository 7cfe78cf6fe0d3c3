#pragma once

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QMenu;
class QToolButton;

namespace korvex {

class TLanguage;

// The date of a diary record: a free-text field (the stored date is text, at most 10
// characters) with a calendar button beside it. A day picked in the calendar, or "Today",
// is written into the field in the form of the coach's locale; the coach may still type
// anything.
class DiaryDateField : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 10;

    explicit DiaryDateField(QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QString text() const;
    void setText(const QString& text);
    void applyCaptions(const TLanguage& language);

    // Writes `date` into the field in the locale's form.
    void pickDate(const QDate& date);
    // Opens the calendar (through the dialog seam) on the date in the field, or today.
    void showCalendar();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* m_edit;
    QToolButton* m_button;
    QMenu* m_menu;
    QCalendarWidget* m_calendar;
};

} // namespace korvex
