#pragma once

#include "ui/TModeView.h"

#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTimer;
class QToolButton;

namespace korvex {

class AnimationPictures;
class DrawingToolPanel;
class GraphicDocument;
class DrawingAutosave;
class GraphicEditor;
class PractiseColumn;
class TTacticsPractise;

// Mode 7: tactics practises, a sequence of frames (each a full set of figures on one
// ground) played back one after another. The view lists the practises like the graphic
// view; the rink canvas is the graphic editor on the current frame, with the figure tools
// (a frame keeps no lines). Every edit is a step of the frame's undo history, which starts
// afresh whenever another frame is shown; the practise is saved about two seconds after
// the last edit. The animation panel holds the frame spin edit (moving it past the last
// frame appends a copy of the last frame and saves), the speed in milliseconds per frame,
// the frame count, the play button and the smooth check box, which moves every figure
// between its frames at 25 pictures a second. Nothing is edited while the animation plays.
class TfrmTacticsMode : public TModeView {
    Q_OBJECT

public:
    TfrmTacticsMode(TLanguage& language, TSettings& settings, QWidget* parent);
    ~TfrmTacticsMode() override;

    void initialise() override;
    void tearDown() override;
    void applyCaptions() override;
    bool supports(ViewCommand command) const override;
    bool run(ViewCommand command, int tag) override;
    QString itemName() const override;
    QString subcategoryName() const override;
    bool isModified() const override;
    bool saveIfModified() override;
    QString errorString() const override;
    QString titleKey() const override;
    QString undoText() const override;
    QString redoText() const override;
    bool canUndo() const override;
    bool canRedo() const override;
    // Saves the practise and names its file (for sharing it).
    QString pathForPlan() override;

    TTacticsPractise& practise() const { return *m_practise; }
    GraphicDocument& document() const { return *m_document; }
    GraphicEditor* canvas() const { return m_editor; }
    QTimer* timer() const { return m_timer; }
    bool isPlaying() const;

    // The play button: starts the playback from frame 0. A speed that is not a whole number
    // of at least one millisecond is refused with a notice and nothing plays.
    void play();
    // One tick of the playback timer: the next picture, or the end of the playback.
    void tick();
    // Re-reads the lists from disk and loads the practise they select.
    void reloadSelection();

private:
    // Construction and layout (TfrmTacticsMode.cpp).
    void createControls();
    void createAnimationPanel();
    void applyLayout();
    void onItemChosen();
    void copyTextsFromPractise();
    // Shows the practise's current frame and puts its frame number and count on the panel.
    // The frame's edit history starts afresh.
    void showFrame();
    void updatePanel();
    // Editing is on while a practise is shown and nothing plays.
    void updateEditing();
    void onTextsEdited();
    // Saves a modified practise a moment after the last edit.

    // Frames, playback and export (TfrmTacticsModePlayback.cpp).
    void onScenesChange(int value);
    void stopPlayback();
    // The speed field's value, or 0 (said to the user) when it is no valid speed.
    int speedMs();
    void newPractise();
    // Removes the current frame after asking, and saves; the only frame stays.
    void deleteFrame();
    void exportAnimation();
    void mirror(bool leftRight);

    // Declared first so that it outlives the document: the undo stack still reports to the
    // memos while it is destroyed.
    std::unique_ptr<PractiseColumn> m_column;
    std::unique_ptr<TTacticsPractise> m_practise;
    std::unique_ptr<GraphicDocument> m_document;
    DrawingAutosave* m_autosave = nullptr;
    bool m_loading = false;
    std::unique_ptr<AnimationPictures> m_pictures;
    int m_pictureIndex = 0;
    // The title card shown while no practise is chosen.
    QImage m_titleCard;

    QLabel* m_lblCourt = nullptr;
    QLabel* m_lblAnimation = nullptr;
    QLabel* m_lblDrawingTools = nullptr;
    QFrame* m_pnlGround = nullptr;
    GraphicEditor* m_editor = nullptr;
    DrawingToolPanel* m_tools = nullptr;
    QFrame* m_pnlAnimation = nullptr;
    QToolButton* m_spbPlay = nullptr;
    QLabel* m_lblScenes = nullptr;
    QSpinBox* m_speScenes = nullptr;
    QLabel* m_lblSpeed = nullptr;
    QLineEdit* m_edtSpeed = nullptr;
    QLabel* m_lblScenesCount = nullptr;
    QLineEdit* m_edtScenesCount = nullptr;
    QCheckBox* m_chbSmooth = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace korvex
