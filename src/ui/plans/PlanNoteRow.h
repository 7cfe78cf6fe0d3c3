#pragma once

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace korvex {

class TLanguage;
struct TTextData;

// One of the two text-note rows of the training plan view (pnlTPTX1, pnlTPTX2): number and
// time of the note, its four memos (contains, methods, notes, strain) and the remove / up /
// down buttons.
class PlanNoteRow : public QFrame {
    Q_OBJECT

public:
    // `number` is 1 or 2; the memos carry the Tags 11-14 (row 1) or 21-24 (row 2).
    PlanNoteRow(int number, QWidget* parent);

    // `tall`: the row stands alone in the place of both note rows, and its memos grow.
    void applyLayout(bool large, bool tall = false);
    void applyCaptions(const TLanguage& language);
    void showNote(const TTextData& note);
    // Copies the row's fields into `note`; true when anything differed.
    bool storeInto(TTextData& note) const;

    QLineEdit* numberEdit() const { return m_numberEdit; }
    QLineEdit* timeEdit() const { return m_time; }
    const std::array<QPlainTextEdit*, 4>& memos() const { return m_memos; }
    QPushButton* removeButton() const { return m_remove; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

private:
    int m_number;
    QLabel* m_numberLabel;
    QLineEdit* m_numberEdit;
    QLabel* m_timeLabel;
    QLineEdit* m_time;
    std::array<QLabel*, 4> m_memoLabels{};
    std::array<QPlainTextEdit*, 4> m_memos{};
    QPushButton* m_remove;
    QToolButton* m_up;
    QToolButton* m_down;
};

} // namespace korvex
