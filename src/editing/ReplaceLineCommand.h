#pragma once

#include "editing/DocumentCommand.h"

#include "drawing/TLine.h"

namespace korvex {

// Replaces one line by an edited copy of it: a control point moved, straight made curved or
// back, the whole line nudged. The line before the edit is kept whole, path included, so
// undo gives back exactly the stored geometry (a recomputed path could differ from a
// stored one in the last bits).
class ReplaceLineCommand : public DocumentCommand {
public:
    ReplaceLineCommand(GraphicDocument& document, int line, const TLine& after,
                       const char* textKey);

    void redo() override;
    void undo() override;

private:
    void put(const TLine& line);

    int m_line;
    TLine m_before;
    TLine m_after;
};

} // namespace korvex
