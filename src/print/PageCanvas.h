#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QImage;

namespace korvex {

// A printed page seen in page units: whatever the paper and resolution, the page is 20.8
// units wide and 29.8 units high. Printouts are written against this interface only, so the
// same code prints on paper, into a PDF file and onto the recording canvas of the tests.
class PageCanvas {
public:
    static constexpr double kPageWidth = 20.8;
    static constexpr double kPageHeight = 29.8;

    virtual ~PageCanvas() = default;

    // The typeface is the canvas default (Arial); only size and weight change.
    virtual void setFont(double points, bool bold) = 0;
    double fontPoints() const { return m_points; }
    bool fontBold() const { return m_bold; }

    // The width of `text` in the current font, in horizontal page units.
    virtual double textWidth(const QString& text) const = 0;
    // Prints `text` with its top-left corner at (x, y).
    virtual void drawText(double x, double y, const QString& text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    // Stretches `image` into `box` (page units).
    virtual void drawImage(const QRectF& box, const QImage& image) = 0;
    // Ends the current page and begins the next one.
    virtual void newPage() = 0;
    // The zero-based index of the page being printed.
    int pageIndex() const { return m_pageIndex; }

protected:
    double m_points = 10;
    bool m_bold = false;
    int m_pageIndex = 0;
};

// The body of a print job: prints everything onto the canvas. It returns false with an
// error text when something it needs (a practise picture) is missing or unreadable; the
// job is then ended with what was printed so far and the error is reported.
using PrintBody = std::function<bool(PageCanvas& canvas, QString& error)>;

} // namespace korvex
