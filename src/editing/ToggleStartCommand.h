#pragma once

#include "editing/DocumentCommand.h"

namespace korvex {

// Switches a player between its plain and its starting kind (the switch is its own inverse).
class ToggleStartCommand : public DocumentCommand {
public:
    ToggleStartCommand(GraphicDocument& document, int figure);

    void redo() override;
    void undo() override;

private:
    int m_figure;
};

} // namespace korvex
