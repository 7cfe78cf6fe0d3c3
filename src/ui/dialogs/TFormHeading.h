#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace korvex {

class TLanguage;
class TSettings;
class TTrainingPlan;

// The heading of a training plan: place, tools, players count, coaches, who processed it
// and its aims. The same dialog serves three uses:
//   - a plan's heading (Save copies the fields into the plan and saves it);
//   - with setCreateArchive(true), the choice of the team and training number under which
//     the plan is copied into the training archive (new teams and numbers can be made
//     here; Save only records the choice in the plan's archive team and number);
//   - in the archive (an archived plan), the heading shown read-only.
class TFormHeading : public QDialog {
    Q_OBJECT

public:
    TFormHeading(TLanguage& language, TSettings& settings, TTrainingPlan& plan,
                 QWidget* parent = nullptr);

    void setCreateArchive(bool on) { m_createArchive = on; }
    bool createArchive() const { return m_createArchive; }

    // The buttons' and lists' work, also called by tests.
    void newTeam();
    void newNumber();
    void save();
    void teamChosen();
    void numberChosen();
    // The folder of the archive's teams, {app}/{TPSaveDir}/Archive.
    QString archiveFolder() const;
    QStringList teamList() const;
    QStringList numberList() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void applyCaptions();
    void fillFromPlan();
    void arrangeForArchiveChoice();
    void makeReadOnly();
    // Fills the team list (placeholder when empty) and selects `team` or the first entry.
    void fillTeams(const QString& team);
    // Fills the number list of the chosen team, with the plan's archive number added, and
    // selects `number` or the first entry.
    void fillNumbers(const QString& number);
    QLabel* addLabel(const char* name, int y);
    QLineEdit* addEdit(const char* name, int y);

    TLanguage& m_language;
    TSettings& m_settings;
    TTrainingPlan& m_plan;
    bool m_createArchive = false;
    bool m_firstShow = true;

    QComboBox* m_cmbTeam = nullptr;
    QComboBox* m_cmbNumber = nullptr;
    QLineEdit* m_edtTeam = nullptr;
    QLineEdit* m_edtNumber = nullptr;
    QLineEdit* m_edtPlace = nullptr;
    QLineEdit* m_edtTools = nullptr;
    QLineEdit* m_edtCount = nullptr;
    QLineEdit* m_edtCoaches = nullptr;
    QLineEdit* m_edtProcessed = nullptr;
    QPlainTextEdit* m_memAim = nullptr;
    QPlainTextEdit* m_memText = nullptr;
    QPushButton* m_btnNewTeam = nullptr;
    QPushButton* m_btnNewNumber = nullptr;
    QPushButton* m_btnSave = nullptr;
};

} // namespace korvex
