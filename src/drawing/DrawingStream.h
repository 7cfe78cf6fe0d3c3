#pragma once

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"

#include <QPoint>
#include <QPointF>

#include <cmath>
#include <vector>

namespace korvex {

struct DrawingSettings;

// The two stream layouts of drawings. Versions 100..104 and 999 store int32 pixels of a
// 450 x 280 canvas; versions 105..141 store f64 fractions of the canvas width and height.
// Any other version is unknown: readers read nothing and leave the stream where it is.
enum class DrawingLayout { Old, Current, Unknown };

DrawingLayout drawingLayoutOf(qint32 version);

// Width and height of the canvas the old layout was drawn on.
inline constexpr int kOldCanvasWidth = 450;
inline constexpr int kOldCanvasHeight = 280;

// Rounds to the nearest integer, ties to the even neighbour (337.5 -> 338, 338.5 -> 338).
// (The default floating-point rounding mode is to nearest, ties to even; nothing in the
// program changes it.)
inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}
inline int roundToInt(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Reading positions into the current canvas. Every coordinate read from a stream is checked:
// a value that is not finite or lies more than a few canvas sizes away fails the reader
// instead of reaching integer conversion or the pixel loops.
QPoint readOldPoint(BinaryReader& in, const DrawingSettings& settings);
QPoint readCurrentPoint(BinaryReader& in, const DrawingSettings& settings);
// As above, and hands back the fraction of the canvas the file held, for writeKeptPoint.
QPoint readCurrentPoint(BinaryReader& in, const DrawingSettings& settings, QPointF* fraction);
// A current-layout point scaled to pixels and kept as floats (line paths).
QPointF readCurrentPointF(BinaryReader& in, const DrawingSettings& settings);

// Marks a point that was not read from a current-layout stream.
inline constexpr QPointF kNoFraction{-1.0, -1.0};

void writeCurrentPoint(BinaryWriter& out, const DrawingSettings& settings, QPointF point);
// writeCurrentPoint for every point of `points`, in one run.
void writeCurrentPoints(BinaryWriter& out, const DrawingSettings& settings,
                        const std::vector<QPointF>& points);
// Writes `point`. While it is still the pixel that `fraction` was read as, the fraction
// itself is written: pixels on the small canvas are coarser than the stored fractions, so a
// drawing opened and saved at the small size would otherwise move by a pixel at the large.
void writeKeptPoint(BinaryWriter& out, const DrawingSettings& settings, QPoint point,
                    QPointF fraction);

} // namespace korvex
