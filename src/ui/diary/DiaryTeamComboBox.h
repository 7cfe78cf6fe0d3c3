#pragma once

#include <QComboBox>

namespace korvex {

// The team list of the diary: a drop-down list that tells the view when it opens (so the
// view can read the folder again first) and when it closes.
class DiaryTeamComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit DiaryTeamComboBox(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    void droppedDown();
    void closedUp();
};

} // namespace korvex
