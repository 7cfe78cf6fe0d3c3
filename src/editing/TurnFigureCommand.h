#pragma once

#include "editing/DocumentCommand.h"

namespace korvex {

// Turns a net or an obstacle to its next orientation (eight steps of 45 degrees).
class TurnFigureCommand : public DocumentCommand {
public:
    TurnFigureCommand(GraphicDocument& document, int figure);

    void redo() override;
    void undo() override;

private:
    int m_figure;
    int m_before;
};

} // namespace korvex
