#pragma once

#include "editing/DocumentCommand.h"

#include "drawing/TLine.h"

namespace korvex {

// Adds a finished line on top of the other lines.
class AddLineCommand : public DocumentCommand {
public:
    AddLineCommand(GraphicDocument& document, const TLine& line);

    void redo() override;
    void undo() override;

private:
    TLine m_line;
};

} // namespace korvex
