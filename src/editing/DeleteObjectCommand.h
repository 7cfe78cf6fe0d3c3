#pragma once

#include "editing/DocumentCommand.h"

#include "drawing/TFigure.h"
#include "drawing/TLine.h"

#include <optional>

namespace korvex {

// Deletes one figure or line. A numbered player gives its number back to its set; undo
// puts the object back at its place in the drawing order and takes the number again.
class DeleteObjectCommand : public DocumentCommand {
public:
    // `object` numbers figures first, then lines, as the document's selection does.
    DeleteObjectCommand(GraphicDocument& document, int object);

    void redo() override;
    void undo() override;

private:
    int m_object;
    std::optional<TFigure> m_figure;
    std::optional<TLine> m_line;
    NumberSnapshot m_numbersBefore;
    NumberSnapshot m_numbersAfter;
};

} // namespace korvex
