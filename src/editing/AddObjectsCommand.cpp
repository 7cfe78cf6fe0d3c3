#include "editing/AddObjectsCommand.h"

#include "drawing/TFigures.h"
#include "drawing/TLines.h"
#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"

namespace korvex {

AddObjectsCommand::AddObjectsCommand(GraphicDocument& document, const DrawingClip& clip,
                                     QPoint offset, bool numberPlayers, const char* textKey)
    : DocumentCommand(document, textKey), m_clip(clip),
      m_numbersBefore(NumberSnapshot::of(document)) {
    TGraphicPractise& practise = document.practise();
    for (TFigure& figure : m_clip.figures) {
        figure.setPosition(document.clampToCanvas(figure.position() + offset));
        const bool forward = figure.kind() == FigureForward || figure.kind() == FigureStartForward;
        const bool defender =
            figure.kind() == FigureDefender || figure.kind() == FigureStartDefender;
        if (!numberPlayers || (!forward && !defender))
            continue;
        bool numeric = false;
        figure.text().toInt(&numeric);
        if (!numeric)
            continue;
        const int number =
            practise.numbers(forward ? TGraphicPractise::NumbersB : TGraphicPractise::NumbersA)
                .nextFree();
        figure.setText(number == PlayerNumbers::kNone ? QString() : QString::number(number));
    }
    for (TLine& line : m_clip.lines)
        line.moveBy(offset.x(), offset.y());
    m_numbersAfter = NumberSnapshot::of(document);
    m_numbersBefore.restoreTo(document);
    m_firstFigure = document.figures().count();
    m_firstLine = document.lines().count();
}

void AddObjectsCommand::redo() {
    for (const TFigure& figure : m_clip.figures)
        m_document.figures().add(std::make_unique<TFigure>(figure));
    for (const TLine& line : m_clip.lines)
        m_document.lines().add(std::make_unique<TLine>(line));
    m_numbersAfter.restoreTo(m_document);
    m_document.select(m_clip.figures.empty() ? m_document.figures().count() + m_firstLine
                                             : m_firstFigure);
}

void AddObjectsCommand::undo() {
    m_document.clearSelection();
    for (size_t i = 0; i < m_clip.lines.size(); ++i)
        m_document.lines().take(m_document.lines().count() - 1);
    for (size_t i = 0; i < m_clip.figures.size(); ++i)
        m_document.figures().take(m_document.figures().count() - 1);
    m_numbersBefore.restoreTo(m_document);
}

} // namespace korvex
