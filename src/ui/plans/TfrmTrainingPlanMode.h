#pragma once

#include "ui/TModeView.h"

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace korvex {

class PlanNoteRow;
class PlanPractiseRow;
class PlanSummaryBar;
class TSelectionComboBox;
class TTrainingPlan;

// Modes 3 and 6: training plans, and the training archive of the plans of each team. The
// same view serves both; the selector given at creation (0 plans, 1 archive) says which.
//
// A plan is a list of placed practises (three rows show at a time, scrolled by
// uadTPScroll) and of text notes (two rows, scrolled by uadTPTXScroll). When the plan has
// notes they take the place of the first practise row; `top` is then one less than the
// scroll position (it may be -1) and rows 2 and 3 show practises top + 1 and top + 2.
// In plans every field takes keys in the edit state only; in the archive the content is
// frozen and only the evaluation takes keys.
//
// The view is split by aspect: TfrmTrainingPlanMode.cpp (life cycle, selection, edits),
// TfrmTrainingPlanModeLayout.cpp (controls, layout, captions), TfrmTrainingPlanModeRows.cpp
// (the practise and note rows), TfrmTrainingPlanModeCommands.cpp (menu commands and
// placing practises) and TfrmTrainingPlanModeArchive.cpp (the archive commands).
class TfrmTrainingPlanMode : public TModeView {
    Q_OBJECT

public:
    TfrmTrainingPlanMode(TLanguage& language, TSettings& settings, int archive, QWidget* parent);
    ~TfrmTrainingPlanMode() override;

    void initialise() override;
    void tearDown() override;
    void applyCaptions() override;
    bool supports(ViewCommand command) const override;
    bool run(ViewCommand command, int tag) override;
    bool setEditMode(bool on) override;
    QString itemName() const override;
    QString subcategoryName() const override;
    bool isModified() const override;
    bool saveIfModified() override;
    QString errorString() const override;
    void placeFile(const QString& relativePath) override;
    QString titleKey() const override;

    bool isArchive() const { return m_archive != 0; }
    // The plan on screen, for the print and HTML export commands; call StoreEdits() first
    // so that it holds what the controls show.
    TTrainingPlan& plan() const { return *m_plan; }
    // Copies the screen into the plan: date, time, description, evaluation, the durations
    // of the shown practises and the shown notes. Marks the plan modified only when
    // something differed.
    void StoreEdits();

    // Places the practise file `path` (full path, .gmp or .tmp below this installation's
    // practise folders) into the current plan, after asking. Every place-to-plan road
    // ends here.
    void PlacePractise(const QString& path);
    // Asks for a practise file and places it.
    void PlaceChosen();
    // The category editor on the plans; a new empty plan opens in the edit state.
    void NewPlan();
    // The heading of the plan (read-only in the archive).
    void OpenHeading();
    // Archive commands. CreateArchive returns true when a copy was written.
    bool CreateArchive();
    void DeleteArchive();
    void RenameArchive();
    void DeleteArchiveTeam();
    void RenameArchiveTeam();

    // Reads the lists again from disk and loads the plan they select.
    void reloadSelection();
    int top() const { return m_top; }
    int noteTop() const { return m_noteTop; }

private:
    // Controls, layout and captions (TfrmTrainingPlanModeLayout.cpp).
    void createControls();
    void createRows();
    void applyLayout();
    QLabel* addLabel(const char* name);
    QLineEdit* addEdit(const char* name, int tag);
    QPlainTextEdit* addMemo(const char* name, int tag);
    // The rows (TfrmTrainingPlanModeRows.cpp).
    void connectRows();
    void ShowPractises(bool fromControl);
    void ShowNotes(bool fromControl);
    void showAll();
    void movePractise(int tag, int step);
    void removePractise(int tag);
    void moveNote(int tag, int step);
    void removeNote(int tag);
    void addNote();
    void updateTotalTime();
    void onDurationEdited(int row);
    // Life cycle and edits (TfrmTrainingPlanMode.cpp).
    void onChoosing();
    void onItemChosen();
    void afterLoad();
    void onFieldEdited(QWidget* field);
    void applyInputState();
    bool hasPlan() const;
    bool planIsEmpty() const;
    void fillFromPlan();
    void setMainEditMode(bool on);
    bool saveOrSay();
    void rememberSelection();
    // The archive commands' helpers (TfrmTrainingPlanModeArchive.cpp).
    QString archiveFolder() const;
    void rememberArchiveSelection(const QString& team, const QString& number);
    QString askName(const QString& captionKey, const QString& suggestion);

    int m_archive;
    std::unique_ptr<TTrainingPlan> m_plan;
    int m_top = 0;
    int m_noteTop = 0;
    bool m_loading = false;

    std::array<TSelectionComboBox*, 3> m_combos{}; // cmbTPCategory, cmbTPSubCategory, cmbTPName
    QLabel* m_lblSubCategory = nullptr;
    QLabel* m_lblName = nullptr;
    QLabel* m_lblDate = nullptr;
    QLabel* m_lblTime = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblEvaluate = nullptr;
    QLabel* m_lblTotalTime = nullptr;
    QLabel* m_lblTotalValue = nullptr;
    QLabel* m_lblTotalNotSet = nullptr;
    QLineEdit* m_edtDate = nullptr;
    QLineEdit* m_edtTime = nullptr;
    QPlainTextEdit* m_memDescription = nullptr;
    QPlainTextEdit* m_memEvaluate = nullptr;
    std::array<PlanPractiseRow*, 3> m_rows{};
    std::array<PlanNoteRow*, 2> m_noteRows{};
    QScrollBar* m_uadTPScroll = nullptr;
    QScrollBar* m_uadTPTXScroll = nullptr;
    QPushButton* m_btnInsertTextNotes = nullptr;
    QPushButton* m_btnOpenHeading = nullptr;
    PlanSummaryBar* m_summaryBar = nullptr;
};

} // namespace korvex
