#include "drawing/GroundPainter.h"

#include "drawing/CanvasTexts.h"
#include "drawing/FitRule.h"

#include <QPainter>

namespace korvex {

void renderGround(QImage& bitmap, int mode, const QImage& standardGround, const QImage& ownPicture,
                  const QString& centreErrorText) {
    if (bitmap.isNull())
        return;
    fillWhiteWithBorder(bitmap);
    const int w = bitmap.width();
    const int h = bitmap.height();
    switch (mode) {
    case GroundStandard:
        if (!standardGround.isNull()) {
            QPainter painter(&bitmap);
            painter.drawImage(QPoint(0, 0), standardGround);
        }
        break;
    case GroundFit:
        if (!ownPicture.isNull()) {
            QImage fitted(w, h, QImage::Format_RGB32);
            drawFitted(fitted, ownPicture, Qt::white);
            QPainter painter(&bitmap);
            painter.drawImage(QPoint(0, 0), fitted);
        }
        break;
    case GroundStretch:
        if (!ownPicture.isNull()) {
            QPainter painter(&bitmap);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(0, 0, w, h), ownPicture);
        }
        break;
    case GroundCentre:
        if (ownPicture.isNull())
            break;
        if (ownPicture.width() <= w && ownPicture.height() <= h) {
            QPainter painter(&bitmap);
            painter.drawImage(
                QPoint(w / 2 - ownPicture.width() / 2, h / 2 - ownPicture.height() / 2),
                ownPicture);
        } else {
            drawPlaceholderText(bitmap, centreErrorText);
        }
        break;
    default:
        break;
    }
}

} // namespace korvex
