#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QListWidget;
class QPushButton;
class QToolButton;

namespace korvex {

class TCardPractise;
class TLanguage;
class TSettings;
class TeamComboBox;

// Moves players between two teams or a team and the player archive, one at a time. Each
// side has its own card object; a move adds the player to the target file and then takes
// it out of the source file, so a player is always in exactly one card file.
class TFormPlayerArchive : public QDialog {
    Q_OBJECT

public:
    TFormPlayerArchive(const TLanguage& language, const TSettings& settings,
                       QWidget* parent = nullptr);
    ~TFormPlayerArchive() override;

    // Side 0 is the left, side 1 the right.
    TCardPractise& side(int index) const { return *m_sides[index].cards; }
    // Makes `team` the side's team as if chosen in its combo ("" clears the side).
    void chooseTeam(int index, const QString& team);
    // Moves the player selected in the list of side `from` to the other side.
    void move(int from);

private:
    struct Side {
        std::unique_ptr<TCardPractise> cards;
        TeamComboBox* combo = nullptr;
        QListWidget* list = nullptr;
    };

    void fillCombo(int index);
    void fillList(int index);
    void updateMoveButtons();
    // Saves one side; false after saying why.
    bool save(int index);

    const TLanguage& m_language;
    const TSettings& m_settings;
    std::array<Side, 2> m_sides;
    QToolButton* m_spb1To2 = nullptr;
    QToolButton* m_spb2To1 = nullptr;
    QPushButton* m_btnDone = nullptr;
};

} // namespace korvex
