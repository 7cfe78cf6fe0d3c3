#include "editing/AddLineCommand.h"

#include "drawing/TLines.h"
#include "editing/GraphicDocument.h"

namespace korvex {

AddLineCommand::AddLineCommand(GraphicDocument& document, const TLine& line)
    : DocumentCommand(document, "CmdAddLine"), m_line(line) {}

void AddLineCommand::redo() {
    m_document.lines().add(std::make_unique<TLine>(m_line));
}

void AddLineCommand::undo() {
    m_document.clearSelection();
    m_document.lines().take(m_document.lines().count() - 1);
}

} // namespace korvex
