#include "ui/plans/PlanNoteRow.h"

#include "core/PlanRecords.h"
#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"
#include "ui/plans/PlanMemo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace korvex {

namespace {

QString numbered(const char* name, int number) {
    return QString::fromLatin1(name) + QString::number(number);
}

const char* const kMemoNames[4] = {"memTPTXContains", "memTPTXMethods", "memTPTXNotes",
                                   "memTPTXStrain"};
const char* const kMemoLabelNames[4] = {"lblContains", "lblMethods", "lblNotes", "lblStrain"};

} // namespace

PlanNoteRow::PlanNoteRow(int number, QWidget* parent) : QFrame(parent), m_number(number) {
    setObjectName(numbered("pnlTPTX", number));
    setFrameShape(QFrame::StyledPanel);
    auto label = [this](const QString& name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        return l;
    };
    m_numberLabel = label(numbered("lblTPTXNumber", number));
    m_numberEdit = new QLineEdit(this);
    m_numberEdit->setObjectName(numbered("edtTPTXNumber", number));
    m_numberEdit->setProperty("Tag", number * 100 + 11);
    m_timeLabel = label(numbered("lblTPTXTime", number));
    m_time = new QLineEdit(this);
    m_time->setObjectName(numbered("edtTPTXTime", number));
    m_time->setProperty("Tag", number * 100 + 12);
    for (int i = 0; i < 4; ++i) {
        m_memoLabels[i] = label(numbered(kMemoLabelNames[i], number));
        m_memos[i] = new QPlainTextEdit(this);
        m_memos[i]->setObjectName(numbered(kMemoNames[i], number));
        m_memos[i]->setProperty("Tag", number * 10 + 1 + i);
    }
    m_remove = new QPushButton(this);
    m_remove->setObjectName(numbered("btnTPTXRemove", number));
    m_remove->setProperty("Tag", number - 1);
    m_up = new QToolButton(this);
    m_up->setObjectName(numbered("spbTXUp", number));
    m_up->setProperty("Tag", 9 + number);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(numbered("spbTXDown", number));
    m_down->setProperty("Tag", 9 + number);
    m_down->setArrowType(Qt::DownArrow);
}

void PlanNoteRow::applyLayout(bool large, bool tall) {
    // Large: 992 x 90, memos from 97 on; small: 745 x 80, memos from 72 on. A tall row is
    // twice as high.
    const int left = large ? 11 : 6;
    const int fieldW = large ? 80 : 60;
    const int memoX = large ? 97 : 72;
    const int memoW = large ? 198 : 146;
    const int memoY = large ? 22 : 18;
    const int memoH = (large ? 62 : 58) + (tall ? (large ? 90 : 80) : 0);
    const int step = memoW + 4;
    m_numberLabel->setGeometry(left, memoY - 17, fieldW, 16);
    m_numberEdit->setGeometry(left, memoY, fieldW, 22);
    m_timeLabel->setGeometry(left, memoY + 24, fieldW, 16);
    m_time->setGeometry(left, memoY + 40, fieldW, 22);
    for (int i = 0; i < 4; ++i) {
        m_memoLabels[i]->setGeometry(memoX + i * step, memoY - 17, memoW, 16);
        m_memos[i]->setGeometry(memoX + i * step, memoY, memoW, memoH);
    }
    const int buttonX = memoX + 4 * step;
    const int buttonW = large ? 81 : 745 - 6 - buttonX;
    const int half = (buttonW - 4) / 2;
    m_remove->setGeometry(buttonX, memoY, buttonW, 26);
    m_up->setGeometry(buttonX, memoY + 30, half, 24);
    m_down->setGeometry(buttonX + buttonW - half, memoY + 30, half, 24);
}

void PlanNoteRow::applyCaptions(const TLanguage& language) {
    const QString memoKeys[4] = {LK("lblContains"), LK("lblMethods"), LK("lblNotes"),
                                 LK("lblStrain")};
    m_numberLabel->setText(language.Text(LK("lblTPTXNumber")));
    m_timeLabel->setText(language.Text(LK("lblTPTime1")));
    for (int i = 0; i < 4; ++i)
        m_memoLabels[i]->setText(language.Text(memoKeys[i]));
    m_remove->setText(language.Text(LK("btnTPRemove2")));
    m_up->setToolTip(language.Text(LK("spbUp")));
    m_down->setToolTip(language.Text(LK("spbDown")));
}

void PlanNoteRow::showNote(const TTextData& note) {
    m_numberEdit->setText(note.number);
    m_time->setText(note.time);
    const QStringList* lists[4] = {&note.contains, &note.methods, &note.notes, &note.strain};
    for (int i = 0; i < 4; ++i)
        setMemoLines(m_memos[i], *lists[i]);
}

bool PlanNoteRow::storeInto(TTextData& note) const {
    TTextData shown = note;
    shown.number = m_numberEdit->text();
    shown.time = m_time->text();
    QStringList* lists[4] = {&shown.contains, &shown.methods, &shown.notes, &shown.strain};
    for (int i = 0; i < 4; ++i)
        *lists[i] = memoLines(m_memos[i]);
    if (shown == note)
        return false;
    note = shown;
    return true;
}

} // namespace korvex
