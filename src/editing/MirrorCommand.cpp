#include "editing/MirrorCommand.h"

#include "drawing/TFigures.h"
#include "drawing/TLines.h"
#include "editing/GraphicDocument.h"

namespace korvex {

int mirroredVariant(int variant, bool leftRight) {
    // An orientation at angle a becomes 180 - a left-right and -a top-bottom.
    return ((leftRight ? 4 : 8) - variant + 8) % 8;
}

TFigure mirroredFigure(const TFigure& figure, bool leftRight, QSize canvas) {
    TFigure mirrored = figure;
    const QPoint p = figure.position();
    mirrored.setPosition(leftRight ? QPoint(canvas.width() - 1 - p.x(), p.y())
                                   : QPoint(p.x(), canvas.height() - 1 - p.y()));
    if (figure.kind() == FigureNet || figure.kind() == FigureObstacle ||
        figure.kind() == FigureBigNet)
        mirrored.setVariant(mirroredVariant(figure.variant(), leftRight));
    return mirrored;
}

MirrorCommand::MirrorCommand(GraphicDocument& document, bool leftRight)
    : DocumentCommand(document, leftRight ? "CmdMirrorLeftRight" : "CmdMirrorTopBottom") {
    const QSize canvas = document.canvasSize();
    for (int i = 0; i < document.figures().count(); ++i) {
        const TFigure& figure = *document.figures().at(i);
        m_figuresBefore.push_back(figure);
        m_figuresAfter.push_back(mirroredFigure(figure, leftRight, canvas));
    }
    for (int i = 0; i < document.lines().count(); ++i) {
        TLine& line = *document.lines().at(i);
        // A line not drawn yet has no path to mirror: compute it first.
        line.ensureComputed();
        m_linesBefore.push_back(line);
        TLine mirrored = line;
        mirrored.mirror(leftRight, canvas);
        m_linesAfter.push_back(mirrored);
    }
}

void MirrorCommand::put(const std::vector<TFigure>& figures, const std::vector<TLine>& lines) {
    m_document.clearSelection();
    m_document.figures().clear();
    for (const TFigure& figure : figures)
        m_document.figures().add(std::make_unique<TFigure>(figure));
    m_document.lines().clear();
    for (const TLine& line : lines)
        m_document.lines().add(std::make_unique<TLine>(line));
}

void MirrorCommand::redo() {
    put(m_figuresAfter, m_linesAfter);
}

void MirrorCommand::undo() {
    put(m_figuresBefore, m_linesBefore);
}

} // namespace korvex
