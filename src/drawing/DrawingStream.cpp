#include "drawing/DrawingStream.h"

#include "drawing/DrawingSettings.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace korvex {

namespace {

// No drawing reaches further from the canvas origin than this many canvas sizes: figures
// and line points are placed with the mouse on the canvas or dragged a little beyond its
// edge. Anything further is corrupt, and would make a line that costs gigabytes to sample.
constexpr double kCanvasSizesLimit = 4.0;

double checkedCoordinate(BinaryReader& in, double pixels, const DrawingSettings& settings) {
    const double limit = kCanvasSizesLimit * std::max(settings.canvasWidth, settings.canvasHeight);
    if (!std::isfinite(pixels) || std::fabs(pixels) > limit) {
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
    const double px =
        checkedCoordinate(in, double(x) / kOldCanvasWidth * settings.canvasWidth, settings);
    const double py =
        checkedCoordinate(in, double(y) / kOldCanvasHeight * settings.canvasHeight, settings);
    return QPoint(roundToInt(px), roundToInt(py));
}

QPointF readCurrentPointF(BinaryReader& in, const DrawingSettings& settings) {
    const double fx = in.readDouble();
    const double fy = in.readDouble();
    const double px = checkedCoordinate(in, fx * settings.canvasWidth, settings);
    const double py = checkedCoordinate(in, fy * settings.canvasHeight, settings);
    return QPointF(px, py);
}

QPoint readCurrentPoint(BinaryReader& in, const DrawingSettings& settings) {
    QPointF fraction;
    return readCurrentPoint(in, settings, &fraction);
}

QPoint readCurrentPoint(BinaryReader& in, const DrawingSettings& settings, QPointF* fraction) {
    const double fx = in.readDouble();
    const double fy = in.readDouble();
    const double px = checkedCoordinate(in, fx * settings.canvasWidth, settings);
    const double py = checkedCoordinate(in, fy * settings.canvasHeight, settings);
    *fraction = in.ok() ? QPointF(fx, fy) : kNoFraction;
    return QPoint(roundToInt(px), roundToInt(py));
}

void writeCurrentPoint(BinaryWriter& out, const DrawingSettings& settings, QPointF point) {
    out.writeDouble(point.x() / settings.canvasWidth);
    out.writeDouble(point.y() / settings.canvasHeight);
}

void writeCurrentPoints(BinaryWriter& out, const DrawingSettings& settings,
                        const std::vector<QPointF>& points) {
    char* raw = out.appendRoom(qsizetype(points.size()) * 16);
    if (!raw)
        return;
    // The same divisions as writeCurrentPoint, stored straight into the array.
    const auto put = [&raw](double value) {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        qToLittleEndian(bits, raw);
        raw += 8;
    };
    for (const QPointF& point : points) {
        put(point.x() / settings.canvasWidth);
        put(point.y() / settings.canvasHeight);
    }
}

void writeKeptPoint(BinaryWriter& out, const DrawingSettings& settings, QPoint point,
                    QPointF fraction) {
    const bool unmoved = fraction != kNoFraction &&
                         roundToInt(fraction.x() * settings.canvasWidth) == point.x() &&
                         roundToInt(fraction.y() * settings.canvasHeight) == point.y();
    if (!unmoved) {
        writeCurrentPoint(out, settings, QPointF(point));
        return;
    }
    out.writeDouble(fraction.x());
    out.writeDouble(fraction.y());
}

} // namespace korvex
