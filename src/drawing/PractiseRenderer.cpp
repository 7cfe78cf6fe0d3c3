#include "drawing/PractiseRenderer.h"

#include "drawing/GroundPainter.h"
#include "drawing/TFigures.h"
#include "drawing/TLines.h"

#include <QPainter>

namespace korvex {

void renderPractise(QImage& canvas, const PractiseScene& scene) {
    renderGround(canvas, scene.groundMode, scene.standardGround, scene.ownPicture,
                 scene.centreErrorText);
    if (scene.lines)
        scene.lines->draw(canvas, scene.hiddenLine);
    if (scene.figures)
        scene.figures->draw(canvas, Qt::black, scene.hiddenFigure);
}

QImage renderPractise(const PractiseScene& scene, QSize canvasSize) {
    QImage canvas(canvasSize, QImage::Format_RGB32);
    renderPractise(canvas, scene);
    return canvas;
}

void renderPractise(QPainter& painter, const QRectF& target, const PractiseScene& scene,
                    QSize canvasSize) {
    const QImage picture = renderPractise(scene, canvasSize);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    painter.restore();
}

} // namespace korvex
