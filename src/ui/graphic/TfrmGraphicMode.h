#pragma once

#include "ui/TModeView.h"

#include <QImage>
#include <QPoint>

#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QMouseEvent;
class QPlainTextEdit;
class QToolButton;

namespace korvex {

class GraphicCanvas;
class TFigure;
class TGraphicPractise;
class TLine;
class TSelectionComboBox;

// Mode 1: graphic practises. The view lists categories, subcategories and practises,
// shows the description and keywords, and turns mouse actions on the rink canvas into
// figures and lines. It works on two pictures of canvas size: the buffer, which holds the
// rendered practise, and the screen picture the canvas shows, which is the buffer plus
// transient marks (rubber band, selection frame, a figure being dragged). Dragging only
// copies the buffer and paints the moving object, so no line is recomputed while the mouse
// moves.
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

    TGraphicPractise& practise() const { return *m_practise; }
    const QImage& buffer() const { return m_buffer; }
    const QImage& screen() const { return m_screen; }
    GraphicCanvas* canvas() const { return m_canvas; }
    bool lineInProgress() const { return m_lineInProgress; }
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
    void createPopupMenus();
    void applyLayout();
    // The user chose an entry of a list; the practise has loaded what it selects.
    void onItemChosen();
    void copyTextsToPractise();
    void copyTextsFromPractise();
    void setToolsEnabled(bool on);
    // The commands (TfrmGraphicModeCommands.cpp).
    void newPractise();
    void deleteObject();
    void exportPicture();
    void changePlayground();
    void customField(int tag);

    // The canvas state machine (TfrmGraphicModeMouse.cpp).
    void mouseDown(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseUp(QMouseEvent* event);
    void finishMouseUp();
    void selectAt(QPoint point, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void placeAt(QPoint point);
    void finishLine();
    void onToolClicked(QAbstractButton* button);
    void onEndClicked(QAbstractButton* button);
    void onLineTypeClicked();
    void onFigureMenu(int tag);
    void onLineColour(int tag);
    QString askText(const QString& suggestion, bool* ok);
    TFigure* selectedFigure() const;
    TLine* selectedLine() const;
    void renderBuffer();
    void blit();
    void paintSelectionFrame();
    void drawFigureOn(QImage& image, const TFigure& figure);
    void drawRubberBand(QPoint to);
    void drawPointDrag();
    void showCanvasPopup(QPoint pos);

    std::unique_ptr<TGraphicPractise> m_practise;
    QImage m_buffer;
    QImage m_screen;

    QLabel* m_lblCategory = nullptr;
    QLabel* m_lblSubCategory = nullptr;
    QLabel* m_lblName = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblKeyWords = nullptr;
    QLabel* m_lblCourt = nullptr;
    QLabel* m_lblDrawingTools = nullptr;
    QLabel* m_lblLineType = nullptr;
    TSelectionComboBox* m_combos[3] = {nullptr, nullptr, nullptr}; // cmbGMCategory, ...
    QPlainTextEdit* m_memText = nullptr;
    QPlainTextEdit* m_memKeyWords = nullptr;
    QFrame* m_pnlGround = nullptr;
    GraphicCanvas* m_canvas = nullptr;
    QFrame* m_pnlTools = nullptr;
    QCheckBox* m_chbLineType = nullptr;
    QButtonGroup* m_toolGroup = nullptr;
    QButtonGroup* m_endGroup = nullptr;
    QToolButton* m_spbHelp1 = nullptr;
    QToolButton* m_spbArrowArrow = nullptr;
    QMenu* m_ppmFigure = nullptr;
    QMenu* m_ppmLineColor = nullptr;
    QMenu* m_canvasPopup = nullptr;

    bool m_toolIsLine = true;
    bool m_lineInProgress = false;
    bool m_buttonHeld = false;
    bool m_draggingPoint = false;
    bool m_loading = false;
    QPoint m_last;
    int m_endKind = 0;
    int m_lineKind = 0;
    int m_figureKind = 0;
    std::unique_ptr<TLine> m_newLine;
};

} // namespace korvex
