#include "drawing/TLine.h"

#include "drawing/DrawingSettings.h"
#include "drawing/DrawingStream.h"
#include "drawing/LineGeometry.h"
#include "drawing/LinePainter.h"

#include <cstdlib>

namespace korvex {

namespace {

constexpr qint64 kPointBytesCurrent = 16; // f64 x, f64 y
constexpr qint64 kPointBytesOld = 8;      // int32 x, int32 y

} // namespace

TLine::TLine(const DrawingSettings* settings) : m_settings(settings) {}

void TLine::addPoint(QPoint point) {
    m_controlPoints.push_back(point);
    m_dirty = true;
}

bool TLine::setPoint(int index, QPoint point) {
    if (index < 0 || index >= controlPointCount())
        return false;
    m_controlPoints[size_t(index)] = point;
    m_dirty = true;
    return true;
}

void TLine::setCurved(bool curved) {
    m_dirty = true;
    m_setting.curved = curved && m_controlPoints.size() > 2;
}

void TLine::setLineKind(quint8 kind) {
    m_setting.lineKind = kind;
    m_dirty = true;
}

void TLine::setEndKind(quint8 kind) {
    m_setting.endKind = kind;
    m_dirty = true;
}

void TLine::setSetting(const TLineSetting& setting) {
    m_setting = setting;
    m_setting.curved = setting.curved && m_controlPoints.size() > 2;
    m_dirty = true;
}

void TLine::moveBy(int dx, int dy) {
    const QPoint offset(dx, dy);
    for (QPoint& p : m_controlPoints)
        p += offset;
    for (QPointF& p : m_path)
        p += QPointF(offset);
    for (QPoint& p : m_raster)
        p += offset;
}

void TLine::mirror(bool leftRight, QSize canvas) {
    const int w = canvas.width() - 1;
    const int h = canvas.height() - 1;
    auto flip = [&](QPoint p) {
        return leftRight ? QPoint(w - p.x(), p.y()) : QPoint(p.x(), h - p.y());
    };
    for (QPoint& p : m_controlPoints)
        p = flip(p);
    for (QPointF& p : m_path)
        p = leftRight ? QPointF(w - p.x(), p.y()) : QPointF(p.x(), h - p.y());
    for (QPoint& p : m_raster)
        p = flip(p);
}

void TLine::recompute() {
    // A curve needs more than two control points; a stored flag on a shorter line is ignored.
    if (m_setting.curved && m_controlPoints.size() > 2)
        m_path = linegeometry::curvedPath(m_controlPoints);
    else
        m_path = linegeometry::straightPath(m_controlPoints);
    m_raster = linegeometry::rasterOf(m_path);
    const double length = linegeometry::trimLength(m_setting.lineKind, m_setting.endKind);
    linegeometry::trim(m_path, length);
    linegeometry::trim(m_raster, length);
    m_dirty = false;
}

bool TLine::hitTest(QPoint point) const {
    for (size_t k = 0; k < m_raster.size(); k += 2) {
        const QPoint d = m_raster[k] - point;
        if (std::abs(d.x()) <= 3 && std::abs(d.y()) <= 3)
            return true;
    }
    return false;
}

void TLine::draw(QImage& image) {
    ensureComputed();
    if (m_path.empty() || m_controlPoints.empty())
        return;
    LinePainter painter(image, quint32(m_setting.colour));
    painter.paintBody(m_setting.lineKind, m_path, m_raster);
    painter.paintEnd(m_setting.lineKind, m_setting.endKind, m_path.back(), m_controlPoints.back());
}

void TLine::rebuildRasterFromPath() {
    m_raster = linegeometry::rasterOf(m_path);
}

void TLine::writeTo(BinaryWriter& out) {
    ensureComputed();
    m_setting.writeTo(out);
    out.writeInt32(qint32(m_controlPoints.size()));
    for (size_t i = 0; i < m_controlPoints.size(); ++i)
        writeKeptPoint(out, *m_settings, m_controlPoints[i],
                       i < m_fileFractions.size() ? m_fileFractions[i] : kNoFraction);
    out.writeInt32(qint32(m_path.size()));
    writeCurrentPoints(out, *m_settings, m_path);
}

bool TLine::readFrom(qint32 version, BinaryReader& in) {
    const DrawingLayout layout = drawingLayoutOf(version);
    if (layout == DrawingLayout::Unknown)
        return true;
    m_controlPoints.clear();
    m_fileFractions.clear();
    m_path.clear();
    m_raster.clear();
    m_dirty = true;

    if (layout == DrawingLayout::Old) {
        m_setting.readOld(in);
        const qint32 count = m_setting.pointCount;
        if (!in.checkCount(count, kPointBytesOld, QStringLiteral("line points")))
            return false;
        m_controlPoints.reserve(size_t(count));
        for (qint32 i = 0; i < count && in.ok(); ++i)
            m_controlPoints.push_back(readOldPoint(in, *m_settings));
        return in.ok(); // stays dirty: the path is computed at the first drawing
    }

    m_setting.readCurrent(in);
    const qint32 count = in.readInt32();
    if (!in.checkCount(count, kPointBytesCurrent, QStringLiteral("line control points")))
        return false;
    m_controlPoints.reserve(size_t(count));
    m_fileFractions.reserve(size_t(count));
    for (qint32 i = 0; i < count && in.ok(); ++i) {
        QPointF fraction;
        m_controlPoints.push_back(readCurrentPoint(in, *m_settings, &fraction));
        m_fileFractions.push_back(fraction);
    }
    const qint32 pathCount = in.readInt32();
    if (!in.checkCount(pathCount, kPointBytesCurrent, QStringLiteral("line path points")))
        return false;
    m_path.reserve(size_t(pathCount));
    for (qint32 i = 0; i < pathCount && in.ok(); ++i)
        m_path.push_back(readCurrentPointF(in, *m_settings));
    if (!in.ok())
        return false;
    rebuildRasterFromPath();
    m_dirty = false;
    return true;
}

} // namespace korvex
