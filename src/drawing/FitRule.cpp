#include "drawing/FitRule.h"

#include <QPainter>

#include <cmath>

namespace korvex {

QRect fitRect(QSize source, int width, int height) {
    if (source.width() <= 0 || source.height() <= 0 || width <= 0 || height <= 0)
        return {};
    const double sw = source.width();
    const double sh = source.height();
    if (sw / width >= sh / height) {
        const int h = static_cast<int>(std::nearbyint(width / sw * sh));
        return QRect(0, (height - h) / 2, width, h);
    }
    const int w = static_cast<int>(std::nearbyint(height / sh * sw));
    return QRect((width - w) / 2, 0, w, height);
}

void drawFitted(QImage& canvas, const QImage& picture, QColor background) {
    canvas.fill(background);
    const QRect target = fitRect(picture.size(), canvas.width(), canvas.height());
    if (target.isEmpty())
        return;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}

QImage fittedPicture(const QImage& picture, int width, int height, QColor background) {
    QImage canvas(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    drawFitted(canvas, picture, background);
    return canvas;
}

} // namespace korvex
