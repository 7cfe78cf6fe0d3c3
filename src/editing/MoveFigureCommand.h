#pragma once

#include "editing/DocumentCommand.h"

#include <QPoint>

namespace korvex {

// Moves one figure to a new position (the end of a drag, or a nudge with the arrow keys).
// Nudges of the same figure in a row merge into one step.
class MoveFigureCommand : public DocumentCommand {
public:
    MoveFigureCommand(GraphicDocument& document, int figure, QPoint to, bool nudge = false);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    int m_figure;
    QPoint m_from;
    QPoint m_to;
    bool m_nudge;
};

} // namespace korvex
