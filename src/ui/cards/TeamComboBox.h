#pragma once

#include <QComboBox>

namespace korvex {

// A team combo box that tells before it drops down, so its owner can refill it from the
// card folder (teams made or removed elsewhere show up).
class TeamComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TeamComboBox(QWidget* parent = nullptr);

    void showPopup() override;

Q_SIGNALS:
    void droppingDown();
};

} // namespace korvex
