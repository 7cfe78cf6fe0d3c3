#include "drawing/DrawingStream.h"

#include "drawing/DrawingSettings.h"

#include <cmath>

namespace korvex {

namespace {

// No sensible drawing reaches this far outside its canvas; anything beyond is corrupt.
constexpr double kCoordinateLimit = 100000.0;

double checkedCoordinate(BinaryReader& in, double pixels) {
    if (!std::isfinite(pixels) || std::fabs(pixels) > kCoordinateLimit) {
        in.fail(QStringLiteral("a drawing coordinate is out of range"));
        return 0.0;
    }
    return pixels;
}

} // namespace

DrawingLayout drawingLayoutOf(qint32 version) {
    if ((version >= 100 && version <= 104) || version == 999)
        return DrawingLayout::Old;
    if (version >= 105 && version <= 141)
        return DrawingLayout::Current;
    return DrawingLayout::Unknown;
}

QPoint readOldPoint(BinaryReader& in, const DrawingSettings& settings) {
    const qint32 x = in.readInt32();
    const qint32 y = in.readInt32();
    const double px = checkedCoordinate(in, double(x) / kOldCanvasWidth * settings.canvasWidth);
    const double py = checkedCoordinate(in, double(y) / kOldCanvasHeight * settings.canvasHeight);
    return QPoint(roundToInt(px), roundToInt(py));
}

QPointF readCurrentPointF(BinaryReader& in, const DrawingSettings& settings) {
    const double fx = in.readDouble();
    const double fy = in.readDouble();
    const double px = checkedCoordinate(in, fx * settings.canvasWidth);
    const double py = checkedCoordinate(in, fy * settings.canvasHeight);
    return QPointF(px, py);
}

QPoint readCurrentPoint(BinaryReader& in, const DrawingSettings& settings) {
    const QPointF p = readCurrentPointF(in, settings);
    return QPoint(roundToInt(p.x()), roundToInt(p.y()));
}

void writeCurrentPoint(BinaryWriter& out, const DrawingSettings& settings, QPointF point) {
    out.writeDouble(point.x() / settings.canvasWidth);
    out.writeDouble(point.y() / settings.canvasHeight);
}

} // namespace korvex
