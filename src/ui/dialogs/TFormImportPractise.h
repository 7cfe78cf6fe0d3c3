#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvex {

class TLanguage;
class TPractiseObject;

// Imports practise files from elsewhere into a subcategory of the current mode. The coach
// picks category and subcategory (the list shows the practises already there), then Import
// or OK asks for a file, proposes its name for the new practise, copies it in and saves it
// again in the current format. Import stays open for more files; OK closes after an
// import; Cancel closes and becomes Done once something was imported. The stored-item
// object ends on the practise imported last; a failed import puts back the one it held.
class TFormImportPractise : public QDialog {
    Q_OBJECT

public:
    // `itemError` gives the reason of a failed import when the item kind keeps one.
    TFormImportPractise(TLanguage& language, TPractiseObject& item, QWidget* parent = nullptr,
                        std::function<QString()> itemError = {});

    // Asks for a file and a name and imports it; true when a practise was imported.
    bool importFile();
    // Whether any practise was imported while the dialog was open.
    bool importedAny() const { return m_importedAny; }

private:
    void createControls();
    void applyCaptions();
    void fillCategories();
    void fillSubcategories();
    void fillPractises();
    QString folderOf(int levels) const;
    // The chosen category and subcategory, empty while a placeholder shows.
    QString chosen(QComboBox* box) const;
    void onOk();

    TLanguage& m_language;
    TPractiseObject& m_item;
    std::function<QString()> m_itemError;
    bool m_archive;
    bool m_importedAny = false;

    QLabel* m_lblCategory = nullptr;
    QLabel* m_lblSubCategory = nullptr;
    QLabel* m_lblPractise = nullptr;
    QComboBox* m_cmbCategory = nullptr;
    QComboBox* m_cmbSubCategory = nullptr;
    QListWidget* m_lbxPractise = nullptr;
    QPushButton* m_btnImport = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnDone = nullptr;
};

} // namespace korvex
