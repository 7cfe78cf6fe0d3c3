#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>

#include <vector>

namespace korvex::icon {

// The program icon is drawn on a 256 x 256 grid as a list of shapes, back to front. The
// same list gives the pixel pictures of every size and the scalable SVG picture, so the two
// can never drift apart.
constexpr int kGrid = 256;

struct IconShape {
    QPainterPath path;
    QColor fill;         // invalid: not filled
    QColor stroke;       // invalid: no outline
    qreal strokeWidth;   // in grid units
    int minimumSize = 0; // pictures smaller than this leave the shape out (too fine)
};

const std::vector<IconShape>& iconShapes();

// The icon as a transparent size x size picture.
QImage paintIcon(int size);

// The icon as an SVG document (UTF-8) whose view box is the grid.
QByteArray iconSvg();

} // namespace korvex::icon
