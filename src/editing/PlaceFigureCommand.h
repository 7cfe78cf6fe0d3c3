#pragma once

#include "editing/DocumentCommand.h"

#include "drawing/TFigure.h"

namespace korvex {

// Places a new figure on top of the others. A numbered player takes the next free number
// of its set when the practise counts players; undo gives the number back.
class PlaceFigureCommand : public DocumentCommand {
public:
    PlaceFigureCommand(GraphicDocument& document, const TFigure& figure, bool numberPlayer);

    void redo() override;
    void undo() override;

private:
    TFigure m_figure;
    NumberSnapshot m_numbersBefore;
    NumberSnapshot m_numbersAfter;
};

} // namespace korvex
