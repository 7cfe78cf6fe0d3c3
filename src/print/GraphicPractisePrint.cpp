#include "print/GraphicPractisePrint.h"

#include "print/PageLayout.h"

#include <QImage>

namespace korvex {

void printGraphicPractise(PageLayout& layout, const QImage& picture, const QString& name,
                          const QStringList& description) {
    PageCanvas& canvas = layout.canvas();
    // The picture keeps the rink's proportion of 8 x 4.96 units (0.62 of the width).
    canvas.drawImage(QRectF(QPointF(1, 1), QPointF(9, 9 * 0.62)),
                     picture.convertToFormat(QImage::Format_RGB888));
    canvas.setFont(10, true);
    canvas.drawText(10.5, 1, name);
    canvas.setFont(9, false);
    layout.WrapText(description, 1.7, 5.83, 10.5, 27.9, PageLayout::kNoLineLimit);
}

} // namespace korvex
