#include "storage/PractiseGround.h"

#include "drawing/CanvasTexts.h"
#include "drawing/FitRule.h"

#include "core/JpegPicture.h"
#include "core/Paths.h"

#include <QPainter>

namespace korvex {

QImage loadStandardGround(const QString& rinkFolder, const QString& groundName, int width,
                          int height, const QString& missingText, bool* found) {
    QImage ground(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    JpegPicture picture;
    // A rink is named by a plain file title, so a name read from a practise file never
    // reaches outside the rink folder.
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
