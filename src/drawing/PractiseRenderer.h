#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace korvex {

class TFigures;
class TLines;

// Everything the renderer paints for one practise: the ground, then the lines, then the
// figures. The pictures are implicitly shared, so a scene is cheap to build per paint.
struct PractiseScene {
    int groundMode = 0;
    // The standard rink already fitted to the canvas (ground mode 0); null paints white.
    QImage standardGround;
    // The practise's own ground picture (ground modes 1..3).
    QImage ownPicture;
    // Shown when the own picture is too large to centre.
    QString centreErrorText;
    // Lines are not const: a line whose geometry is out of date is recomputed first.
    TLines* lines = nullptr;
    const TFigures* figures = nullptr;
    // Objects the caller paints itself (the editor's drag preview); -1 paints every one.
    int hiddenFigure = -1;
    int hiddenLine = -1;
};

// The one painter of a practise. Lines are rasterised pixel by pixel in canvas
// coordinates, so a practise is always rendered at its canvas size first; the painter
// overload scales that picture into any target rectangle (thumbnails, print, export).
void renderPractise(QImage& canvas, const PractiseScene& scene);
QImage renderPractise(const PractiseScene& scene, QSize canvasSize);
void renderPractise(QPainter& painter, const QRectF& target, const PractiseScene& scene,
                    QSize canvasSize);

} // namespace korvex
