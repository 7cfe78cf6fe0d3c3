#include "editing/MoveFigureCommand.h"

#include "drawing/TFigures.h"
#include "editing/GraphicDocument.h"

namespace korvex {

namespace {
constexpr int kNudgeId = 1;
} // namespace

MoveFigureCommand::MoveFigureCommand(GraphicDocument& document, int figure, QPoint to, bool nudge)
    : DocumentCommand(document, "CmdMoveFigure"), m_figure(figure),
      m_from(document.figures().at(figure)->position()), m_to(to), m_nudge(nudge) {}

void MoveFigureCommand::redo() {
    m_document.figures().at(m_figure)->setPosition(m_to);
}

void MoveFigureCommand::undo() {
    m_document.figures().at(m_figure)->setPosition(m_from);
}

int MoveFigureCommand::id() const {
    return m_nudge ? kNudgeId : -1;
}

bool MoveFigureCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const MoveFigureCommand*>(other);
    if (next->m_figure != m_figure)
        return false;
    m_to = next->m_to;
    return true;
}

} // namespace korvex
