#pragma once

#include "print/PageCanvas.h"
#include "ui/TModeView.h"

#include <QStringList>

#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace korvex {

class DiaryDateField;
class DiaryTeamComboBox;
class TDiary;

// Mode 4: the training diary. One diary per team, a list of dated records with a headline
// and a note. The browse panel lists the teams and shows the chosen team's records newest
// first, with an empty last row that stands for a new record; the edit panel edits one
// record. Exactly one of the two panels is visible, and the window's mode menu is hidden
// while a record is edited.
//
// Grid rows are counted as the coach sees them: row 1 is the newest record, row n the
// oldest, row n + 1 the empty row (the table's own heading is row 0).
class TfrmDiaryMode : public TModeView {
    Q_OBJECT

public:
    // The Tag of the menu item that prints the team's records (the record print has 4).
    static constexpr int kPrintTeamTag = 41;

    TfrmDiaryMode(TLanguage& language, TSettings& settings, QWidget* parent);
    ~TfrmDiaryMode() override;

    void initialise() override;
    void tearDown() override;
    void applyCaptions() override;
    bool supports(ViewCommand command) const override;
    bool run(ViewCommand command, int tag) override;
    QString titleKey() const override;
    // The chosen team; empty when none is.
    QString itemName() const override;

    const TDiary& diary() const { return *m_diary; }
    bool isEditing() const;
    // The grid row selected (1 = newest record), 0 when none.
    int selectedRow() const;
    void selectRow(int row);
    // What a double-click on `row` does: opens that record, or starts a new one on the
    // empty last row.
    void openRow(int row);

    // The commands (also the menu's).
    void newRecord();
    bool saveRecord();
    void cancelRecord();
    void deleteRecord();
    void newTeam();
    void renameTeam();
    void deleteTeam();
    // Prints (or with `preview` shows the pages of) the selected record.
    void printRecord(bool preview);
    // All records of the team, or those of a date range, as one document.
    void printTeam();
    // What printing the selected row prints: the record a double-click on it opens. Empty
    // when no record row is selected.
    PrintBody recordPrintBody() const;

protected:
    // Return on a grid row opens it, as a double-click does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction and layout (TfrmDiaryMode.cpp).
    void createBrowsePanel();
    void createEditPanel();
    void applyLayout();
    void switchPanels();
    void setModeMenuVisible(bool visible);
    // The team list (TfrmDiaryModeTeams.cpp).
    QStringList teamList() const;
    void fillTeams(const QString& select);
    void onDroppedDown();
    void onClosedUp();
    void onTeamChanged();
    bool isListed(const QString& name, const QString& except = QString()) const;
    void showNoTeam();
    // Records (TfrmDiaryModeRecords.cpp).
    void fillGrid(int selectRow);
    void loadEditor(const QString& date, const QString& headline, const QStringList& note);
    QStringList noteLines() const;
    bool editorChanged() const;
    bool storeChange(const std::function<bool()>& change, int selectRowAfter);
    void reportFileError();
    void limitHeadline();

    std::unique_ptr<TDiary> m_diary;
    QString m_emptyTeam;
    bool m_newRecordPending = false;
    int m_editIndex = -1;
    // What the edit panel held when editing began, to tell whether anything was changed.
    QStringList m_editStart;

    QFrame* m_pnlDiary = nullptr;
    QLabel* m_lblTeam = nullptr;
    DiaryTeamComboBox* m_cmbTeam = nullptr;
    QPushButton* m_btnNewRecord = nullptr;
    QTableWidget* m_grid = nullptr;
    QFrame* m_pnlEdit = nullptr;
    QLabel* m_lblDate = nullptr;
    QLabel* m_lblHeadLine = nullptr;
    QLabel* m_lblNote = nullptr;
    DiaryDateField* m_edtDate = nullptr;
    QLineEdit* m_edtHeadLine = nullptr;
    QPlainTextEdit* m_retNote = nullptr;
    QPushButton* m_btnSave = nullptr;
    QPushButton* m_btnCancel = nullptr;
};

} // namespace korvex
