#pragma once

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "drawing/DrawingStream.h"
#include "drawing/TLineSetting.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QSize>

#include <vector>

namespace korvex {

struct DrawingSettings;

// One line of a drawing: a few control points and a style. Before drawing, the centre line
// is sampled into the path (float points), rounded into the raster (pixels, consecutive
// duplicates removed) and trimmed at the end to make room for the end mark. Changing the
// control points or the kind of line or end marks the line dirty; the next draw (or an
// explicit recompute) rebuilds path and raster. A line read from a current-layout stream
// keeps its stored path and is drawn from it as stored.
class TLine {
public:
    // `settings` is not owned and must outlive the line.
    explicit TLine(const DrawingSettings* settings);

    // Control points.
    void addPoint(QPoint point);
    // Replaces control point i; an index outside the list changes nothing and returns false.
    bool setPoint(int index, QPoint point);
    const std::vector<QPoint>& controlPoints() const { return m_controlPoints; }
    int controlPointCount() const { return int(m_controlPoints.size()); }

    // Style. A line with 2 control points or fewer is never curved.
    void setCurved(bool curved);
    bool isCurved() const { return m_setting.curved; }
    // The colour only changes the pixels; the kinds change the trimming and mark dirty.
    void setColour(quint32 colour) { m_setting.colour = qint32(colour); }
    quint32 colour() const { return quint32(m_setting.colour); }
    void setLineKind(quint8 kind);
    void setEndKind(quint8 kind);
    const TLineSetting& setting() const { return m_setting; }
    // Replaces the whole style (keeping the rule for curved) and marks dirty.
    void setSetting(const TLineSetting& setting);

    // Moves control points, path and raster together; the path stays as computed or stored.
    void moveBy(int dx, int dy);

    // Mirrors the line on a canvas of `canvas` size, left-right or top-bottom: control
    // points, path and raster together, so a stored path stays as stored, mirrored.
    void mirror(bool leftRight, QSize canvas);

    // Geometry.
    bool isDirty() const { return m_dirty; }
    void recompute();
    void ensureComputed() {
        if (m_dirty)
            recompute();
    }
    const std::vector<QPointF>& path() const { return m_path; }
    const std::vector<QPoint>& raster() const { return m_raster; }
    int pathLastIndex() const { return int(m_path.size()) - 1; }
    int rasterLastIndex() const { return int(m_raster.size()) - 1; }

    // True when a raster point with an even index lies within 3 pixels of `point` in both
    // x and y. Uses the raster as it is (draw or recompute first).
    bool hitTest(QPoint point) const;

    // Paints the line onto `image`, recomputing first when dirty. A line without a path
    // (a stored line with no path points) paints nothing.
    void draw(QImage& image);

    // Always the current layout. A dirty line is recomputed first so that the stored path
    // matches its control points.
    void writeTo(BinaryWriter& out);
    // Reads one line record of `version`'s layout. An unknown version reads nothing and
    // returns true. On failure the reader holds the error.
    bool readFrom(qint32 version, BinaryReader& in);

private:
    void rebuildRasterFromPath();

    const DrawingSettings* m_settings;
    bool m_dirty = true;
    std::vector<QPointF> m_path;
    std::vector<QPoint> m_raster;
    std::vector<QPoint> m_controlPoints;
    // The control points as the file held them (see writeKeptPoint); empty when not read.
    std::vector<QPointF> m_fileFractions;
    TLineSetting m_setting;
};

} // namespace korvex
