#include "editing/ToggleStartCommand.h"

#include "drawing/TFigures.h"
#include "editing/GraphicDocument.h"

namespace korvex {

ToggleStartCommand::ToggleStartCommand(GraphicDocument& document, int figure)
    : DocumentCommand(document, "CmdToggleStart"), m_figure(figure) {}

void ToggleStartCommand::redo() {
    m_document.figures().at(m_figure)->toggleStartKind();
}

void ToggleStartCommand::undo() {
    m_document.figures().at(m_figure)->toggleStartKind();
}

} // namespace korvex
