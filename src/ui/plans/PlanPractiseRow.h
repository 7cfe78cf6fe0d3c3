#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace korvex {

class TLanguage;
struct TPractisesData;

// One of the three practise rows of the training plan view (pnlTP1 .. pnlTP3): the
// practise's rink picture, its number in the plan, its duration, its name and description,
// and the remove / up / down buttons. The row only shows; the view decides what.
class PlanPractiseRow : public QFrame {
    Q_OBJECT

public:
    // `number` is 1, 2 or 3; the controls are named after it (edtTPTime2, spbUp2, ...).
    PlanPractiseRow(int number, QWidget* parent);

    void applyLayout(bool large);
    void applyCaptions(const TLanguage& language);
    // Shows practise `index` (zero-based) of the plan with its thumbnail.
    void showEntry(const TPractisesData& entry, int index, const QImage& thumbnail);

    int number() const { return m_number; }
    QLineEdit* duration() const { return m_duration; }
    QLineEdit* nameEdit() const { return m_name; }
    QPlainTextEdit* textMemo() const { return m_text; }
    QPushButton* removeButton() const { return m_remove; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

private:
    int m_number;
    QFrame* m_ground;
    QLabel* m_picture;
    QLineEdit* m_name;
    QPlainTextEdit* m_text;
    QLabel* m_numberLabel;
    QLineEdit* m_numberEdit;
    QLabel* m_durationLabel;
    QLineEdit* m_duration;
    QPushButton* m_remove;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace korvex
