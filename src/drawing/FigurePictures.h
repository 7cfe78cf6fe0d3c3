#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace korvex {

// Figure kind codes (the tool button's Tag minus 7).
enum FigureKind : quint8 {
    FigureForward = 0,
    FigureDefender = 1,
    FigureGoalie = 2,
    FigureFree = 3,
    FigureCoach = 4,
    FigureNet = 5,
    FigureCone = 6,
    FigurePuck = 7,
    FigurePucks = 8,
    FigureBall = 9,
    FigureObstacle = 10,
    FigureText = 11,
    FigureBigNet = 12,
    FigureStartForward = 13,
    FigureStartDefender = 14,
    FigureStartFree = 15,
};
inline constexpr int kFigureKindCount = 16;
inline constexpr int kFigureVariantCount = 8;
// The colour that stands for "transparent" in the picture files.
inline constexpr QRgb kFigureTransparent = 0xFFFF00FF;

// The picture file name of a figure kind ("forwardDraw.bmp", "goalDraw3.bmp", ...), or an
// empty string for kinds without a picture (text, big net) and for unknown codes. Nets
// have one set per size layout.
QString figurePictureFileName(int kind, int variant, bool largeLayout);

// Every picture file a complete installation needs (both size layouts, all variants).
QStringList allFigurePictureFileNames();

// Loads a figure picture and turns its magenta pixels transparent. Pictures are cached by
// path for the run. A missing or unreadable file gives a null image and a message naming it.
QImage loadFigurePicture(const QString& path, QString* error);
// The same picture as the cache holds it: the pointer stays valid for the whole run, so a
// figure can keep it instead of a picture of its own. Null with `error` set as above.
const QImage* cachedFigurePicture(const QString& path, QString* error);

} // namespace korvex
