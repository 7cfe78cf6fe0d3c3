#pragma once

#include <QImage>
#include <QString>

namespace korvex::figures {

// Draws the figure picture with the given file name (as listed by
// allFigurePictureFileNames) on a transparent canvas. Returns a null image for an unknown
// name.
QImage drawFigureArt(const QString& fileName);

// Flattens an antialiased picture for the picture files: pixels that are mostly transparent
// become magenta (the transparent colour), the others are blended over white ice.
QImage flattenOnMagenta(const QImage& art);

} // namespace korvex::figures
