#include "editing/TurnFigureCommand.h"

#include "drawing/TFigures.h"
#include "editing/GraphicDocument.h"

namespace korvex {

TurnFigureCommand::TurnFigureCommand(GraphicDocument& document, int figure)
    : DocumentCommand(document, "CmdTurnFigure"), m_figure(figure),
      m_before(document.figures().at(figure)->variant()) {}

void TurnFigureCommand::redo() {
    m_document.figures().at(m_figure)->setVariant(m_before + 1);
}

void TurnFigureCommand::undo() {
    m_document.figures().at(m_figure)->setVariant(m_before);
}

} // namespace korvex
