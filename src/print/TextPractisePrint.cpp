#include "print/TextPractisePrint.h"

#include "core/FileHelpers.h"
#include "core/Jpeg.h"
#include "print/PageLayout.h"

#include <QImage>
#include <QRectF>

namespace korvex {

namespace {

constexpr double kPictureX = 1.0;
constexpr double kPictureWidth = 9.0;
constexpr double kPictureHeight = 6.75;
constexpr double kPicturePitch = 7.0;
constexpr double kFirstPictureY = 1.0;
// The lowest a picture box may end; a fifth picture would run off the page.
constexpr double kPicturesBottom = 28.8;
constexpr double kTextX = 10.5;
constexpr double kTextTop = 1.7;
constexpr double kTextMaxHeight = 27.9;

// The picture centred on a white 4:3 bitmap at its own resolution, so that stretching it
// into the 4:3 box keeps its proportions and its detail.
QImage paddedToFourByThree(const QImage& picture) {
    int width = picture.width();
    int height = picture.height();
    if (width * 3 > height * 4)
        height = qRound(width * 0.75);
    else
        width = qRound(height * 4.0 / 3.0);
    return fitPicture(picture, width, height).convertToFormat(QImage::Format_RGB888);
}

} // namespace

bool printTextPractise(PageLayout& layout, const QString& name, const QStringList& text,
                       const QList<QByteArray>& pictures, QString& error) {
    QList<QImage> images;
    for (int i = 0; i < pictures.size(); ++i) {
        if (kFirstPictureY + i * kPicturePitch + kPictureHeight > kPicturesBottom)
            break;
        QImage image;
        QString decodeError;
        if (!decodeJpeg(pictures[i], &image, &decodeError)) {
            error = QStringLiteral("%1: picture %2 cannot be read: %3")
                        .arg(name)
                        .arg(i + 1)
                        .arg(decodeError);
            return false;
        }
        images.append(paddedToFourByThree(image));
    }
    PageCanvas& canvas = layout.canvas();
    canvas.setFont(10, true);
    canvas.drawText(kTextX, 1.0, name);
    canvas.setFont(9, false);
    double y = kFirstPictureY;
    for (const QImage& image : images) {
        canvas.drawImage(QRectF(kPictureX, y, kPictureWidth, kPictureHeight), image);
        y += kPicturePitch;
    }
    // Beside the picture column while a line's offset from the text top is below y + 0.25,
    // at full width after that (below four lines when there is no picture).
    layout.WrapText(text, kTextTop, y + 0.25, kTextX, kTextMaxHeight, PageLayout::kNoLineLimit);
    return true;
}

} // namespace korvex
