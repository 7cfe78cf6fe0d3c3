#pragma once

#include "ui/TModeView.h"

#include <QImage>

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QTimer;
class QPlainTextEdit;
class QToolButton;

namespace korvex {

class GraphicDocument;
class GraphicEditor;
class TGraphicPractise;
class TSelectionComboBox;

// Mode 1: graphic practises. The view lists categories, subcategories and practises,
// shows the description and keywords, and holds the drawing tools; the rink canvas is the
// editor, which edits the practise through its document (with undo). The practise is
// saved about two seconds after the last edit, so a crash loses at most that.
class TfrmGraphicMode : public TModeView {
    Q_OBJECT

public:
    TfrmGraphicMode(TLanguage& language, TSettings& settings, QWidget* parent);
    ~TfrmGraphicMode() override;

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
    int customFieldMode() const override;
    QString pathForPlan() override;
    QString titleKey() const override;

    QString undoText() const override;
    QString redoText() const override;

    TGraphicPractise& practise() const { return *m_practise; }
    GraphicDocument& document() const { return *m_document; }
    GraphicEditor* canvas() const { return m_editor; }
    const QImage& buffer() const;
    const QImage& screen() const;
    bool lineInProgress() const;
    bool isSelectState() const;
    int endKind() const { return m_endKind; }

    // Re-reads the lists from disk and loads the practise they select (after the category
    // editor or a ground change).
    void reloadSelection();
    // Renders the loaded practise, or shows the title card when none is loaded.
    void showPractise();

private:
    // Construction and layout (TfrmGraphicMode.cpp).
    void createControls();
    void createToolButtons();
    QToolButton* addTool(const char* name, int tag, int x, int y, QButtonGroup* group);
    void applyLayout();
    // The user chose an entry of a list; the practise has loaded what it selects.
    void onItemChosen();
    // The memos were typed in: one undoable step per stretch of typing.
    void onTextsEdited();
    void copyTextsFromPractise();
    // Saves a modified practise a moment after the last edit.
    void autosave();
    void setToolsEnabled(bool on);
    // The commands (TfrmGraphicModeCommands.cpp).
    void newPractise();
    void deleteObject();
    void exportPicture();
    void changePlayground();
    void customField(int tag);

    // The tool panel (TfrmGraphicModeTools.cpp).
    void onToolClicked(QAbstractButton* button);
    void onEndClicked(QAbstractButton* button);
    void onLineTypeClicked();
    void onToolFinished();
    void showHint(const QString& hint);

    std::unique_ptr<TGraphicPractise> m_practise;
    std::unique_ptr<GraphicDocument> m_document;
    QTimer* m_autosave = nullptr;
    QString m_lastAutosaveError;

    QLabel* m_lblCategory = nullptr;
    QLabel* m_lblSubCategory = nullptr;
    QLabel* m_lblName = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblKeyWords = nullptr;
    QLabel* m_lblCourt = nullptr;
    QLabel* m_lblDrawingTools = nullptr;
    QLabel* m_lblLineType = nullptr;
    QLabel* m_lblDevel = nullptr;
    QLabel* m_lblWww = nullptr;
    TSelectionComboBox* m_combos[3] = {nullptr, nullptr, nullptr}; // cmbGMCategory, ...
    QPlainTextEdit* m_memText = nullptr;
    QPlainTextEdit* m_memKeyWords = nullptr;
    QFrame* m_pnlGround = nullptr;
    GraphicEditor* m_editor = nullptr;
    QFrame* m_pnlTools = nullptr;
    QCheckBox* m_chbLineType = nullptr;
    // Pressed while new lines bend: the button form of the Straight box, kept in step with it.
    QToolButton* m_spbLineCurve = nullptr;
    QButtonGroup* m_toolGroup = nullptr;
    QButtonGroup* m_endGroup = nullptr;
    QToolButton* m_spbHelp1 = nullptr;
    QToolButton* m_spbArrowArrow = nullptr;

    bool m_loading = false;
    int m_endKind = 0;
    int m_lineKind = -1;
};

} // namespace korvex
