#pragma once

#include "print/PageCanvas.h"
#include "ui/TModeView.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace korvex {

class TCardPractise;
class TeamComboBox;
struct PlayerCsv;

// Mode 5: the card file of the players of one team. The grid page lists the team's players
// (a click on a heading sorts by that column, each column keeping its own direction; the
// last row is the entry row for a new player); the edit page is the player editor.
class TfrmCardsMode : public TModeView {
    Q_OBJECT

public:
    TfrmCardsMode(TLanguage& language, TSettings& settings, QWidget* parent);
    ~TfrmCardsMode() override;

    void initialise() override;
    void tearDown() override;
    void applyCaptions() override;
    bool supports(ViewCommand command) const override;
    bool run(ViewCommand command, int tag) override;
    QString itemName() const override;
    bool isModified() const override;
    bool saveIfModified() override;
    QString errorString() const override;
    QString titleKey() const override;

    TCardPractise& cards() const { return *m_cards; }
    bool isEditing() const;
    // The card shown in the grid row `row` (0 = first player); the entry row gives -1.
    int cardOfRow(int row) const;
    // Makes `team` current as if chosen in the team combo ("" clears the team).
    void chooseTeam(const QString& team);
    // The language texts of the seven grid headings and the address, in column order.
    QStringList headings() const;

    // Commands, public for the menu dispatch and the tests.
    void newTeam();
    void deleteTeam();
    void renameTeam();
    void newPlayer();
    void editPlayer(int card);
    void savePlayer();
    void cancelEdit();
    void deletePlayer();
    void openPlayerArchive();
    void exportPlayer();
    void importPlayer();
    void importCsv();
    void exportCsv();
    // Prints (or with `preview` shows the pages of) the printout of menu Tag `tag`.
    void print(int tag, bool preview);
    // What the print command with `tag` (51 player, 52 player list, 53 phone list) prints.
    PrintBody printBody(int tag);

private:
    // A new or renamed team's name: refused (and said why) when blank, reserved for the
    // archive, taken by one of `others` or not a possible file name.
    bool acceptTeamName(const QString& name, const QStringList& others);
    // Construction, layout and captions (TfrmCardsMode.cpp).
    void createGridPage();
    void createEditPage();
    // The team combo and the grid.
    void fillTeamCombo();
    void rememberTeam();
    void onTeamActivated();
    void fillGrid();
    void onHeadingClicked(int column);
    void onCellDoubleClicked(int row);
    void showGridPage();
    // Commands (TfrmCardsModeCommands.cpp).
    bool requireTeam();
    // The card of the grid's current row, or -1 (entry row, no team, no players).
    int currentCard() const;
    // Saves the team; a failure is said and false returned (the cards stay in memory).
    bool saveTeamOrSay();
    void refreshAfterOutsideChange();
    QString cardFileFilter() const;
    // CSV import (TfrmCardsModeCsv.cpp).
    void addCsvPlayers(const PlayerCsv& csv);

    std::unique_ptr<TCardPractise> m_cards;
    bool m_adding = false;
    int m_editedCard = -1;

    QStackedWidget* m_pages = nullptr;
    QWidget* m_pnlPlayerCard = nullptr;
    QWidget* m_pnlEditPlayer = nullptr;
    QLabel* m_lblTeam = nullptr;
    TeamComboBox* m_cmbTeam = nullptr;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_btnNewPlayer = nullptr;
    QList<QLabel*> m_editLabels; // lblECSurName ... lblECAddress, lblECNote
    QList<QLineEdit*> m_edits;   // edtECSurName ... edtECAddress, in record order
    QPlainTextEdit* m_memNote = nullptr;
    QPushButton* m_btnSave = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

} // namespace korvex
