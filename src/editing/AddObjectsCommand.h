#pragma once

#include "editing/DocumentCommand.h"
#include "editing/DrawingClipboard.h"

namespace korvex {

// Adds a group of figures and lines on top of the drawing (paste, duplicate). Numbered
// players get fresh numbers when the practise counts players, so no number is drawn twice;
// undo takes the group away and gives the numbers back. The added objects end selected
// (the first of them: the document selects one object).
class AddObjectsCommand : public DocumentCommand {
public:
    AddObjectsCommand(GraphicDocument& document, const DrawingClip& clip, QPoint offset,
                      bool numberPlayers, const char* textKey);

    void redo() override;
    void undo() override;

private:
    DrawingClip m_clip;
    NumberSnapshot m_numbersBefore;
    NumberSnapshot m_numbersAfter;
    int m_firstFigure = 0;
    int m_firstLine = 0;
};

} // namespace korvex
