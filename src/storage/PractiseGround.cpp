#include "storage/PractiseGround.h"

#include "drawing/CanvasTexts.h"
#include "storage/RinkPictureCache.h"

#include "core/Paths.h"

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

QImage loadStandardGround(const QString& rinkFolder, const QString& groundName, int width,
                          int height, const QString& missingText, bool* found) {
    const QSize size(qMax(width, 1), qMax(height, 1));
    QImage ground;
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
