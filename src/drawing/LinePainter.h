#pragma once

#include "drawing/PixelCanvas.h"
#include "drawing/TLineSetting.h"

#include <QPoint>
#include <QPointF>

#include <array>
#include <vector>

namespace korvex {

// Paints one line pixel by pixel: its body by line kind and its end mark, in the line
// colour and the two tints that soften the edges. The 9 x 9 ring stamp (its cells, their
// directions from the centre and shades) is one table built once; a painter only picks the
// three colours of its line.
class LinePainter {
public:
    LinePainter(QImage& image, quint32 colour);

    // Paints the body of `lineKind` from the path and raster.
    void paintBody(int lineKind, const std::vector<QPointF>& path,
                   const std::vector<QPoint>& raster);
    // Paints the end mark at `end` (the last control point); `lastPath` is the last point of
    // the trimmed path.
    void paintEnd(int lineKind, int endKind, QPointF lastPath, QPoint end);

    // The lower steps, public for tests of the pixel rules.
    void smoothedPixel(const std::vector<QPoint>& points, size_t k);
    void pixelLine(QPoint a, QPoint b);
    static std::vector<QPoint> pixelLinePoints(QPoint a, QPoint b);
    void halfRing(QPointF centre, QPointF previous, QPointF next, bool side);

    // Ring stamp cell at offset (dx, dy), -4..4; 0xFFFFFF marks an empty cell.
    quint32 ringCell(int dx, int dy) const;

private:
    // A non-empty cell of the ring stamp; shade 0 is the line colour, 1 the mid tint,
    // 2 the light tint.
    struct Cell {
        int dx;
        int dy;
        double angle;
        int shade;
    };
    static const std::vector<Cell>& ring();

    void put(QPoint p, quint32 colour) { m_canvas.set(p.x(), p.y(), colour); }
    void solid(const std::vector<QPointF>& path, const std::vector<QPoint>& raster);
    void dash(const std::vector<QPoint>& raster);
    void doubleSolid(const std::vector<QPointF>& path);
    void twiddle(const std::vector<QPointF>& path, bool semicircle);
    void crosswise(const std::vector<QPointF>& path);

    PixelCanvas m_canvas;
    quint32 m_colour;
    LineTints m_tints;
    std::array<quint32, 3> m_shades; // colour, mid and light tint, by Cell::shade
    std::vector<QPoint> m_scratch;
};

} // namespace korvex
