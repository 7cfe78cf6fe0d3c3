#pragma once

#include "editing/DocumentCommand.h"

#include "drawing/TFigure.h"
#include "drawing/TLine.h"

#include <vector>

namespace korvex {

// Mirrors the whole drill left-right or top-bottom: figures, lines with their curves and
// stored paths, and nets and obstacles turned to match. The drawing before is kept whole,
// so undo is exact whatever rounding the mirror did.
class MirrorCommand : public DocumentCommand {
public:
    MirrorCommand(GraphicDocument& document, bool leftRight);

    void redo() override;
    void undo() override;

private:
    void put(const std::vector<TFigure>& figures, const std::vector<TLine>& lines);

    std::vector<TFigure> m_figuresBefore;
    std::vector<TLine> m_linesBefore;
    std::vector<TFigure> m_figuresAfter;
    std::vector<TLine> m_linesAfter;
};

// The orientation (0..7, steps of 45 degrees clockwise) of a net or obstacle mirrored
// left-right or top-bottom.
int mirroredVariant(int variant, bool leftRight);

// `figure` mirrored on a canvas of `canvas` size: its position, and the orientation of a net
// or obstacle.
TFigure mirroredFigure(const TFigure& figure, bool leftRight, QSize canvas);

} // namespace korvex
