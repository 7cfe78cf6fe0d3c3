#include "editing/RecolourLineCommand.h"

#include "drawing/TLines.h"
#include "editing/GraphicDocument.h"

namespace korvex {

RecolourLineCommand::RecolourLineCommand(GraphicDocument& document, int line, quint32 colour)
    : DocumentCommand(document, "CmdRecolourLine"), m_line(line),
      m_before(document.lines().at(line)->colour()), m_after(colour) {}

void RecolourLineCommand::redo() {
    m_document.lines().recolourLine(m_line, m_after);
}

void RecolourLineCommand::undo() {
    m_document.lines().recolourLine(m_line, m_before);
}

} // namespace korvex
