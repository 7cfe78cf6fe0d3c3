#include "storage/PractiseGround.h"

#include "storage/CanvasTexts.h"
#include "storage/FitRule.h"

#include "core/JpegPicture.h"
#include "core/Paths.h"

#include <QPainter>

namespace korvex {

namespace {

// A rink is named by a plain file title; anything with a separator or ".." is refused so
// that a name read from a practise file never reaches outside the rink folder.
bool isPlainName(const QString& name) {
    return !isBlank(name) && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && name != QLatin1String("..") &&
           isSafeRelativePath(name);
}

} // namespace

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

QImage loadStandardGround(const QString& rinkFolder, const QString& groundName, int width,
                          int height, const QString& missingText, bool* found) {
    QImage ground(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    JpegPicture picture;
    const bool ok = isPlainName(groundName) &&
                    picture.loadFile(joinPath(rinkFolder, groundName + QStringLiteral(".jpg")));
    if (ok)
        drawFitted(ground, picture.image(), QColor::fromRgb(kStandardGroundBackground));
    else
        drawPlaceholderText(ground, missingText);
    if (found)
        *found = ok;
    return ground;
}

} // namespace korvex
