#include "ui/plans/PlanPractiseRow.h"

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

} // namespace

PlanPractiseRow::PlanPractiseRow(int number, QWidget* parent) : QFrame(parent), m_number(number) {
    setObjectName(numbered("pnlTP", number));
    setFrameShape(QFrame::StyledPanel);
    const int tag = number - 1;
    m_ground = new QFrame(this);
    m_ground->setObjectName(numbered("pnlTPGround", number));
    m_ground->setFrameShape(QFrame::Box);
    m_picture = new QLabel(m_ground);
    m_picture->setObjectName(numbered("imgGround", number));
    m_picture->setGeometry(2, 2, 225, 140);
    m_name = new QLineEdit(this);
    m_name->setObjectName(numbered("edtTPName", number));
    m_name->setReadOnly(true);
    // Name and description belong to the practise, not the plan: they never take keys.
    m_name->setFocusPolicy(Qt::NoFocus);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(numbered("memTPText", number));
    m_text->setReadOnly(true);
    m_text->setFocusPolicy(Qt::NoFocus);
    m_numberLabel = new QLabel(this);
    m_numberLabel->setObjectName(numbered("lblTPNumber", number));
    m_numberEdit = new QLineEdit(this);
    m_numberEdit->setObjectName(numbered("edtTPNumber", number));
    m_numberEdit->setReadOnly(true);
    m_numberEdit->setFocusPolicy(Qt::NoFocus);
    m_durationLabel = new QLabel(this);
    m_durationLabel->setObjectName(numbered("lblTPTime", number));
    m_duration = new QLineEdit(this);
    m_duration->setObjectName(numbered("edtTPTime", number));
    m_duration->setProperty("Tag", number * 10 + 2);
    m_remove = new QPushButton(this);
    m_remove->setObjectName(numbered("btnTPRemove", number));
    m_remove->setProperty("Tag", tag);
    m_up = new QToolButton(this);
    m_up->setObjectName(numbered("spbUp", number));
    m_up->setProperty("Tag", tag);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(numbered("spbDown", number));
    m_down->setProperty("Tag", tag);
    m_down->setArrowType(Qt::DownArrow);
}

void PlanPractiseRow::applyLayout(bool large) {
    // Large: 992 x 180, picture panel at 11, 18; small: 745 x 160, picture panel at 6, 8.
    const int pictureX = large ? 11 : 6;
    const int y = large ? 18 : 8;
    const int column = large ? 257 : 244;
    const int columnW = large ? 81 : 85;
    const int textX = large ? 348 : 335;
    const int textW = large ? 637 : 403;
    m_ground->setGeometry(pictureX, y, 229, 144);
    m_remove->setGeometry(column, y, columnW, 26);
    const int half = (columnW - 4) / 2;
    m_up->setGeometry(column, y + 30, half, 24);
    m_down->setGeometry(column + columnW - half, y + 30, half, 24);
    const int numberY = large ? 100 : 90;
    const int durationY = large ? 140 : 130;
    m_numberLabel->setGeometry(column, numberY - 17, columnW, 16);
    m_numberEdit->setGeometry(column, numberY, columnW, 22);
    m_durationLabel->setGeometry(column, durationY - 17, columnW, 16);
    m_duration->setGeometry(column, durationY, columnW, 22);
    m_name->setGeometry(textX, y, textW, 22);
    m_text->setGeometry(textX, y + 26, textW, 119);
}

void PlanPractiseRow::applyCaptions(const TLanguage& language) {
    const QString numberKeys[] = {LK("lblTPNumber1"), LK("lblTPNumber2"), LK("lblTPNumber3")};
    const QString timeKeys[] = {LK("lblTPTime1"), LK("lblTPTime2"), LK("lblTPTime3")};
    const QString removeKeys[] = {LK("btnTPRemove1"), LK("btnTPRemove2"), LK("btnTPRemove3")};
    const int i = m_number - 1;
    m_numberLabel->setText(language.Text(numberKeys[i]));
    m_durationLabel->setText(language.Text(timeKeys[i]));
    m_remove->setText(language.Text(removeKeys[i]));
    m_up->setToolTip(language.Text(LK("spbUp")));
    m_down->setToolTip(language.Text(LK("spbDown")));
}

void PlanPractiseRow::showEntry(const TPractisesData& entry, int index, const QImage& thumbnail) {
    m_numberEdit->setText(QString::number(index + 1));
    m_duration->setText(entry.time);
    m_name->setText(entry.name);
    m_name->setCursorPosition(0);
    setMemoLines(m_text, entry.description);
    m_picture->setPixmap(QPixmap::fromImage(thumbnail));
}

} // namespace korvex
