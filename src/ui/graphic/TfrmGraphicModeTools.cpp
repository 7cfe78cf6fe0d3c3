// The tool panel of the graphic editor: which tool, line kind and end mark the canvas uses.
#include "ui/graphic/TfrmGraphicMode.h"

#include "ui/graphic/GraphicEditor.h"

#include "drawing/TLine.h"
#include "editing/GraphicDocument.h"
#include "editing/ReplaceLineCommand.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolButton>

namespace korvex {

namespace {
constexpr int kFirstFigureTag = 7;

// Passes (dashed) and shots (double) always end in an arrow.
bool forcesArrow(int lineKind) {
    return lineKind == 1 || lineKind == 2;
}
} // namespace

void TfrmGraphicMode::onToolClicked(QAbstractButton* button) {
    const int tag = button->property("Tag").toInt();
    if (tag < 0) {
        m_editor->setSelectTool(); // the hidden select tool
        return;
    }
    if (tag >= kFirstFigureTag) {
        m_lineKind = -1;
        m_editor->setFigureTool(tag - kFirstFigureTag);
        return;
    }
    m_lineKind = tag;
    if (forcesArrow(tag)) {
        m_spbArrowArrow->setChecked(true);
        m_endKind = 0;
    }
    m_editor->setEndKind(m_endKind);
    m_editor->setLineTool(tag);
}

void TfrmGraphicMode::onEndClicked(QAbstractButton* button) {
    if (!m_spbHelp1->isChecked() && m_lineKind >= 0 && forcesArrow(m_lineKind)) {
        m_spbArrowArrow->setChecked(true);
        m_endKind = 0;
    } else {
        m_endKind = button->property("Tag").toInt();
    }
    m_editor->setEndKind(m_endKind);
}

void TfrmGraphicMode::onLineTypeClicked() {
    const bool straight = m_chbLineType->isChecked();
    m_editor->setStraight(straight);
    // With a line selected the box turns that line straight or curved.
    const int line = m_document->selectedLineIndex();
    if (line < 0 || !m_editor->isEditing())
        return;
    TLine changed = *m_document->selectedLine();
    if (changed.isCurved() == !straight)
        return;
    changed.setCurved(!straight);
    m_document->push(new ReplaceLineCommand(*m_document, line, changed, "CmdLineCurve"));
}

void TfrmGraphicMode::onToolFinished() {
    m_spbHelp1->setChecked(true);
    m_spbArrowArrow->setChecked(true);
    m_endKind = 0;
    m_lineKind = -1;
    m_editor->setEndKind(0);
}

void TfrmGraphicMode::showHint(const QString& hint) {
    if (auto* main = qobject_cast<QMainWindow*>(window()))
        main->statusBar()->showMessage(hint);
}

} // namespace korvex
