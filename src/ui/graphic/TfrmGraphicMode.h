#pragma once

#include "ui/TModeView.h"

#include <QImage>

#include <memory>

class QFrame;
class QLabel;

namespace korvex {

class DrawingToolPanel;
class GraphicDocument;
class DrawingAutosave;
class GraphicEditor;
class PractiseColumn;
class TGraphicPractise;

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
    bool canUndo() const override;
    bool canRedo() const override;

    TGraphicPractise& practise() const { return *m_practise; }
    GraphicDocument& document() const { return *m_document; }
    GraphicEditor* canvas() const { return m_editor; }
    const QImage& buffer() const;
    const QImage& screen() const;
    bool lineInProgress() const;
    bool isSelectState() const;
    int endKind() const;

    // Re-reads the lists from disk and loads the practise they select (after the category
    // editor or a ground change).
    void reloadSelection();
    // Renders the loaded practise, or shows the title card when none is loaded.
    void showPractise();

private:
    // Construction and layout (TfrmGraphicMode.cpp).
    void createControls();
    void applyLayout();
    // The user chose an entry of a list; the practise has loaded what it selects.
    void onItemChosen();
    // The memos were typed in: one undoable step per stretch of typing.
    void onTextsEdited();
    void copyTextsFromPractise();
    // Saves a modified practise a moment after the last edit.
    void setToolsEnabled(bool on);
    // The commands (TfrmGraphicModeCommands.cpp).
    void newPractise();
    void exportPicture();
    void changePlayground();
    void customField(int tag);

    void showHint(const QString& hint);

    // Declared first so that it outlives the document: the undo stack still reports to the
    // memos while it is destroyed.
    std::unique_ptr<PractiseColumn> m_column;
    std::unique_ptr<TGraphicPractise> m_practise;
    std::unique_ptr<GraphicDocument> m_document;
    DrawingAutosave* m_autosave = nullptr;

    QLabel* m_lblCourt = nullptr;
    QLabel* m_lblDrawingTools = nullptr;
    QLabel* m_lblDevel = nullptr;
    QLabel* m_lblWww = nullptr;
    QFrame* m_pnlGround = nullptr;
    GraphicEditor* m_editor = nullptr;
    DrawingToolPanel* m_tools = nullptr;

    bool m_loading = false;
};

} // namespace korvex
