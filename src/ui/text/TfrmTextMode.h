#pragma once

#include "ui/TModeView.h"

#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace korvex {

class PractiseColumn;
class TTextPractise;

// Mode 2: text practises. The view lists categories, subcategories and practises, shows the
// practise text and keywords, and a picture panel with two slots that scrolls through the
// practise's pictures (at most four are added here). While a practise is open its pictures
// are the files of the scratch folder; the practise object owns that folder, so the view
// only ever shows, adds and deletes pictures through it.
class TfrmTextMode : public TModeView {
    Q_OBJECT

public:
    TfrmTextMode(TLanguage& language, TSettings& settings, QWidget* parent);
    ~TfrmTextMode() override;

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
    QString pathForPlan() override;
    QString titleKey() const override;

    TTextPractise& practise() const { return *m_practise; }
    // The index of the picture shown in the first slot.
    int pictureTop() const { return m_pictureTop; }

    // Re-reads the lists from disk and loads the practise they select (after the category
    // editor, an import or a restore).
    void reloadSelection();
    // Shows the pictures from the scroller's position on.
    void showPictures();
    // The picture commands of the panel's buttons.
    void addPicture();
    void deletePictures();

private:
    // Construction, layout and selection (TfrmTextMode.cpp).
    void createControls();
    void createPicturePanel();
    void applyLayout();
    void onItemChosen();
    void copyTextsToPractise();
    void copyTextsFromPractise();
    void updatePictureButtons();
    bool editing() const;
    // Sets the view/edit state through the main window's switch.
    void switchEdit(bool on);
    // The commands (TfrmTextModeCommands.cpp).
    void newPractise();
    void exportPractise();
    void importPractise();
    void saveBackup(int tag);
    void loadBackup();
    void exportToHtml();
    void print(bool preview);
    // Saves a modified practise; says why when the save fails. False then.
    bool saveOrSay();

    std::unique_ptr<TTextPractise> m_practise;
    int m_pictureTop = 0;
    bool m_loading = false;

    std::unique_ptr<PractiseColumn> m_column;
    QLabel* m_lblPictures = nullptr;
    QLabel* m_lblPictureTools = nullptr;
    QFrame* m_pnlPhotos = nullptr;
    QLabel* m_slots[2] = {nullptr, nullptr};     // imgPicture1, imgPicture2
    QCheckBox* m_checks[2] = {nullptr, nullptr}; // cbxPicture1, cbxPicture2
    QScrollBar* m_scroll = nullptr;              // uadTXScroll
    QLabel* m_lblExplanation = nullptr;          // lblTXPictureExplanation
    QFrame* m_pnlPictureTools = nullptr;
    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnDelete = nullptr;
};

} // namespace korvex
