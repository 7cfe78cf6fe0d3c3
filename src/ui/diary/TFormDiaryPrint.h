#pragma once

#include <QDate>
#include <QDialog>
#include <QList>

class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace korvex {

class TDiary;
class TLanguage;

// The records a diary printout takes: all of them, or those dated from `from` to `to`
// (either way round), in file order (oldest first).
QList<int> diaryPrintRecords(const TDiary& diary, bool all, QDate from, QDate to);

// Asks which records of the team to print as one document: all, or a date range. The
// range starts on the dates of the oldest and newest records, and the form tells how many
// records the choice takes.
class TFormDiaryPrint : public QDialog {
    Q_OBJECT

public:
    TFormDiaryPrint(const TLanguage& language, const TDiary& diary, QWidget* parent = nullptr);

    bool allRecords() const;
    QDate from() const;
    QDate to() const;
    // The records the current choice takes.
    QList<int> records() const;

private:
    void updateCount();

    const TLanguage& m_language;
    const TDiary& m_diary;
    QRadioButton* m_all;
    QRadioButton* m_range;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLabel* m_count;
    QPushButton* m_ok;
};

} // namespace korvex
