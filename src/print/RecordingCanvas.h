#pragma once

#include "print/PageCanvas.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QSize>

namespace korvex {

// A page canvas that records what is printed instead of painting it, for tests. Text is
// measured with the real fonts as on an A4 page at 300 dpi, so lines wrap as they would
// on paper.
class RecordingCanvas : public PageCanvas {
public:
    struct Text {
        int page;
        double x;
        double y;
        double points;
        bool bold;
        QString text;
    };
    struct Line {
        int page;
        double x1, y1, x2, y2;
    };
    struct Image {
        int page;
        QRectF box;
        QSize size;
    };

    RecordingCanvas();

    void setFont(double points, bool bold) override;
    double textWidth(const QString& text) const override;
    void drawText(double x, double y, const QString& text) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawImage(const QRectF& box, const QImage& image) override;
    void newPage() override;

    int pageCount() const { return m_pageIndex + 1; }
    QList<Text> texts;
    QList<Line> lines;
    QList<Image> images;

    // The first recorded text equal to `text`, or null.
    const Text* find(const QString& text) const;
    // Every recorded text of one page, in printing order.
    QStringList textsOfPage(int page) const;

private:
    QImage m_device; // a tiny picture with the resolution of the measured page
    QFont m_font;
    double m_unitX;
};

} // namespace korvex
