#include "editing/DeleteObjectCommand.h"

#include "drawing/TFigures.h"
#include "drawing/TLines.h"
#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"

namespace korvex {

DeleteObjectCommand::DeleteObjectCommand(GraphicDocument& document, int object)
    : DocumentCommand(document, "CmdDelete"), m_object(object),
      m_numbersBefore(NumberSnapshot::of(document)) {
    const int figureCount = document.figures().count();
    m_numbersAfter = m_numbersBefore;
    if (const TFigure* figure = document.figures().at(object)) {
        m_figure = *figure;
        switch (figure->kind()) {
        case FigureForward:
        case FigureStartForward:
            m_numbersAfter.forwards.releaseText(figure->text());
            break;
        case FigureDefender:
        case FigureStartDefender:
            m_numbersAfter.defenders.releaseText(figure->text());
            break;
        default:
            break;
        }
    } else if (const TLine* line = document.lines().at(object - figureCount)) {
        m_line = *line;
    }
}

void DeleteObjectCommand::redo() {
    m_document.clearSelection();
    if (m_figure)
        m_document.figures().take(m_object);
    else if (m_line)
        m_document.lines().take(m_object - m_document.figures().count());
    m_numbersAfter.restoreTo(m_document);
}

void DeleteObjectCommand::undo() {
    if (m_figure)
        m_document.figures().insert(m_object, std::make_unique<TFigure>(*m_figure));
    else if (m_line)
        m_document.lines().insert(m_object - m_document.figures().count(),
                                  std::make_unique<TLine>(*m_line));
    m_numbersBefore.restoreTo(m_document);
    m_document.select(m_object);
}

} // namespace korvex
