#pragma once

#include "print/PageCanvas.h"

#include <QFont>

class QPagedPaintDevice;
class QPainter;

namespace korvex {

// A page canvas on a painter that paints on a paged device (a printer or a PDF writer).
// One horizontal unit is round(device width / 20.8) device pixels and one vertical unit
// round(device height / 29.8); a position (x, y) lands on (round(x * X), round(y * Y)).
class PainterCanvas : public PageCanvas {
public:
    // `painter` must be active on `device`.
    PainterCanvas(QPainter& painter, QPagedPaintDevice& device);

    void setFont(double points, bool bold) override;
    double textWidth(const QString& text) const override;
    void drawText(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawImage(const QRectF& box, const QImage& image) override;
    void newPage() override;

private:
    int deviceX(double x) const;
    int deviceY(double y) const;

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    int m_unitX;
    int m_unitY;
    QFont m_font;
};

} // namespace korvex
