#include "ui/explorer/ExplorerGrid.h"

#include "core/JpegPicture.h"

#include <QFileInfo>

namespace korvex::explorer {

namespace {

constexpr int kColumnPitch = 240;
constexpr int kRowPitch = 150;
constexpr int kLeft = 6;
constexpr int kTop = 50;

} // namespace

QRect panelRect(int index) {
    const int column = index % kColumns;
    const int row = index / kColumns;
    return QRect(column * kColumnPitch + kLeft, row * kRowPitch + kTop,
                 kPictureWidth + 2 * kPictureInset, kPictureHeight + 2 * kPictureInset);
}

QPoint rowLabelPosition(int row) {
    return QPoint(kColumns * kColumnPitch + 20, row * kRowPitch + kTop + 20);
}

QRect spacerRect(int count) {
    return QRect(kLeft, (count / kColumns) * kRowPitch + 200, kPictureWidth + 2 * kPictureInset,
                 10);
}

QImage thumbnailOf(const QString& stem) {
    if (!QFileInfo::exists(stem + QStringLiteral(".jpg")))
        return QImage();
    JpegPicture thumbnail;
    if (!thumbnail.loadFile(stem + QStringLiteral("Small.jpg")))
        return JpegPicture::placeholderImage();
    return thumbnail.image();
}

} // namespace korvex::explorer
