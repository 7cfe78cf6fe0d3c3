#include "ui/diary/DiaryTeamComboBox.h"

namespace korvex {

DiaryTeamComboBox::DiaryTeamComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(20);
}

void DiaryTeamComboBox::showPopup() {
    Q_EMIT droppedDown();
    QComboBox::showPopup();
}

void DiaryTeamComboBox::hidePopup() {
    QComboBox::hidePopup();
    Q_EMIT closedUp();
}

} // namespace korvex
