#pragma once

#include <QFrame>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QToolButton;

namespace korvex {

class GraphicEditor;
class TLanguage;
struct DrawingSettings;

// The drawing tools under the rink canvas (pnlGMDrawingTools): the figure buttons, and for a
// drawing with lines the end marks, line kinds and the straight-line check box. It tells its
// editor which tool, line kind and end mark to use. The hidden button spbHelp1 is down while
// no tool is: the canvas then selects. Every tool starts disabled.
class DrawingToolPanel : public QFrame {
    Q_OBJECT

public:
    enum class Contents { FiguresAndLines, FiguresOnly };

    // `editor` and `settings` are not owned (the settings paint the buttons' glyphs). With
    // FiguresOnly the editor is told to draw figures only as well.
    DrawingToolPanel(GraphicEditor* editor, const DrawingSettings* settings, Contents contents,
                     QWidget* parent);

    void applyCaptions(const TLanguage& language);
    // Enables or disables every tool; the straight-line box is unchecked, and disabled tools
    // leave the canvas selecting.
    void setToolsEnabled(bool on);
    int endKind() const { return m_endKind; }

private:
    QToolButton* addTool(const char* name, int tag, int x, int y, QButtonGroup* group);
    void createFigureTools(const DrawingSettings* settings, bool alone);
    void createLineTools(const DrawingSettings* settings);
    void onToolClicked(QAbstractButton* button);
    void onEndClicked(QAbstractButton* button);
    void onLineTypeClicked();
    void onToolFinished();

    GraphicEditor* m_editor;
    QButtonGroup* m_toolGroup = nullptr;
    QButtonGroup* m_endGroup = nullptr;
    QToolButton* m_spbHelp1 = nullptr;
    QToolButton* m_spbArrowArrow = nullptr;
    QCheckBox* m_chbLineType = nullptr;
    QLabel* m_lblLineType = nullptr;
    // Down while new lines bend (the Straight box unchecked).
    QToolButton* m_spbLineCurve = nullptr;
    int m_endKind = 0;
    int m_lineKind = -1;
};

} // namespace korvex
