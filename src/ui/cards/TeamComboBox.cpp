#include "ui/cards/TeamComboBox.h"

namespace korvex {

TeamComboBox::TeamComboBox(QWidget* parent) : QComboBox(parent) {}

void TeamComboBox::showPopup() {
    Q_EMIT droppingDown();
    QComboBox::showPopup();
}

} // namespace korvex
