#pragma once

#include "editing/DocumentCommand.h"

namespace korvex {

// Gives a line another colour (0x00BBGGRR).
class RecolourLineCommand : public DocumentCommand {
public:
    RecolourLineCommand(GraphicDocument& document, int line, quint32 colour);

    void redo() override;
    void undo() override;

private:
    int m_line;
    quint32 m_before;
    quint32 m_after;
};

} // namespace korvex
