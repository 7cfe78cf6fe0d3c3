#pragma once

#include "ui/dialogs/EditPractisesRules.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace korvex {

class TLanguage;
class TPractiseObject;
class TSettings;

// The category editor: manages the three-level tree of a mode (categories, subcategories
// and practises; teams and training numbers in the training archive) on the mode's stored
// item object, creating, renaming, copying and deleting folders and item files directly.
// Mode 1 (graphic practises) opens the rink chooser after a new practise.
//
// The first page shows all three levels; the second page (pclNew) repeats the
// subcategory and practise levels for quick entry, its controls named with a "2". One
// handler serves both sets: the second set's buttons carry a Tag above 9.
class TFormEditPractises : public QDialog {
    Q_OBJECT

public:
    TFormEditPractises(TLanguage& language, TSettings& settings, TPractiseObject& item, int mode,
                       QWidget* parent = nullptr);

    // The buttons' work, also called by tests. `second` picks the second control set.
    void newCategory();
    void newSubcategory(bool second = false);
    void newPractise(bool second = false);
    void renameLevel(TreeLevel level);
    void deleteLevel(TreeLevel level);
    void copyPractise();
    void done();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ControlSet {
        QListWidget* subList = nullptr;
        QLineEdit* subEdit = nullptr;
        QListWidget* practiseList = nullptr;
        QLineEdit* practiseEdit = nullptr;
    };

    void createControls();
    void applyCaptions();
    QListWidget* addList(const char* name);
    QLineEdit* addEdit(const char* name);
    QPushButton* addButton(const char* name, int tag);
    void onButton();
    // Fills the lists of `level` (both sets) from disk and selects the current value.
    void refill(TreeLevel level);
    void refillAll();
    QStringList listOf(TreeLevel level);
    QListWidget* listWidget(TreeLevel level, bool second) const;
    void onListClicked(TreeLevel level, bool second);
    bool confirmReferences();
    void information(const QString& key);
    // Says that creating, renaming, copying or deleting `name` failed, with the item's
    // reason when it gives one.
    void reportFailure(const QString& name);
    // The most bytes a name of `level` may take: a folder name, or the practise name with
    // the longest file of the practise's file set.
    int maxNameBytes(TreeLevel level) const;
    const ControlSet& set(bool second) const { return second ? m_second : m_first; }
    // Plans and archived plans live in one fixed category folder each, which the coach
    // neither sees renamed nor deleted: renaming it would hide every plan.
    bool categoryFixed() const { return m_mode == 3 || m_mode == 6; }

    TLanguage& m_language;
    TSettings& m_settings;
    TPractiseObject& m_item;
    int m_mode;
    bool m_filling = false;

    QTabWidget* m_pclNew = nullptr;
    QListWidget* m_lbxCategory = nullptr;
    QLineEdit* m_edtCategory = nullptr;
    ControlSet m_first;
    ControlSet m_second;
    QComboBox* m_cmbCategoryS = nullptr;
    QComboBox* m_cmbCategoryP = nullptr;
    QComboBox* m_cmbSubCategory = nullptr;
};

} // namespace korvex
