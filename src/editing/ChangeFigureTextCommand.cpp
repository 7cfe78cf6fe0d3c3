#include "editing/ChangeFigureTextCommand.h"

#include "drawing/TFigures.h"
#include "editing/GraphicDocument.h"

namespace korvex {

ChangeFigureTextCommand::ChangeFigureTextCommand(GraphicDocument& document, int figure,
                                                 const QString& text)
    : DocumentCommand(document, "CmdChangeText"), m_figure(figure),
      m_before(document.figures().at(figure)->text()), m_after(text) {}

void ChangeFigureTextCommand::redo() {
    m_document.figures().at(m_figure)->setText(m_after);
}

void ChangeFigureTextCommand::undo() {
    m_document.figures().at(m_figure)->setText(m_before);
}

} // namespace korvex
