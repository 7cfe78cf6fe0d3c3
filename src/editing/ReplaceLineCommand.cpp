#include "editing/ReplaceLineCommand.h"

#include "drawing/TLines.h"
#include "editing/GraphicDocument.h"

namespace korvex {

ReplaceLineCommand::ReplaceLineCommand(GraphicDocument& document, int line, const TLine& after,
                                       const char* textKey)
    : DocumentCommand(document, textKey), m_line(line), m_before(*document.lines().at(line)),
      m_after(after) {}

void ReplaceLineCommand::put(const TLine& line) {
    TLines& lines = m_document.lines();
    lines.take(m_line);
    lines.insert(m_line, std::make_unique<TLine>(line));
}

void ReplaceLineCommand::redo() {
    put(m_after);
}

void ReplaceLineCommand::undo() {
    put(m_before);
}

} // namespace korvex
