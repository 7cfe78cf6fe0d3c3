#include "editing/PlaceFigureCommand.h"

#include "drawing/TFigures.h"
#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"

namespace korvex {

PlaceFigureCommand::PlaceFigureCommand(GraphicDocument& document, const TFigure& figure,
                                       bool numberPlayer)
    : DocumentCommand(document, "CmdPlaceFigure"), m_figure(figure),
      m_numbersBefore(NumberSnapshot::of(document)) {
    const bool forward = figure.kind() == FigureForward;
    if (numberPlayer && (forward || figure.kind() == FigureDefender)) {
        PlayerNumbers& set = document.practise().numbers(forward ? TGraphicPractise::NumbersB
                                                                 : TGraphicPractise::NumbersA);
        const int number = set.nextFree();
        if (number != PlayerNumbers::kNone)
            m_figure.setText(QString::number(number));
    }
    m_numbersAfter = NumberSnapshot::of(document);
    m_numbersBefore.restoreTo(document);
}

void PlaceFigureCommand::redo() {
    m_document.figures().add(std::make_unique<TFigure>(m_figure));
    m_numbersAfter.restoreTo(m_document);
    m_document.clearSelection();
}

void PlaceFigureCommand::undo() {
    m_document.clearSelection();
    m_document.figures().take(m_document.figures().count() - 1);
    m_numbersBefore.restoreTo(m_document);
}

} // namespace korvex
