#include "storage/PractiseGround.h"

#include "drawing/CanvasTexts.h"
#include "storage/RinkPictureCache.h"

#include "core/Paths.h"

namespace korvex {

QImage loadStandardGround(const QString& rinkFolder, const QString& groundName, int width,
                          int height, const QString& missingText, bool* found) {
    const QSize size(qMax(width, 1), qMax(height, 1));
    QImage ground;
    // A rink is named by a plain file title, so a name read from a practise file never
    // reaches outside the rink folder.
    if (isPlainName(groundName))
        ground = RinkPictureCache::shared().fitted(
            joinPath(rinkFolder, groundName + QStringLiteral(".jpg")), size,
            kStandardGroundBackground);
    const bool ok = !ground.isNull();
    if (!ok) {
        ground = QImage(size, QImage::Format_RGB32);
        drawPlaceholderText(ground, missingText);
    }
    if (found)
        *found = ok;
    return ground;
}

} // namespace korvex
