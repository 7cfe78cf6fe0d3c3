#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace korvex::explorer {

// Where the explorer puts the controls of its grid: four columns of 229 x 144 panels, 240
// pixels apart, rows 150 pixels apart below the 50 pixels of the selection boxes.
constexpr int kColumns = 4;
constexpr int kPictureWidth = 225;
constexpr int kPictureHeight = 140;
constexpr int kPictureInset = 2;

// The panel of the item at zero-based position `index`.
QRect panelRect(int index);
// The top-left corner of the label of row `row` (shown beside the row's first panel).
QPoint rowLabelPosition(int row);
// The spacer panel that closes a grid of `count` items.
QRect spacerRect(int count);

// What the grid shows for the practise whose files begin with `stem`: a null image when the
// practise has no picture (an empty frame is shown), its thumbnail {stem}Small.jpg, or the
// dark-grey placeholder when the thumbnail is missing or does not decode, so one damaged
// practise does not take the grid down with it.
QImage thumbnailOf(const QString& stem);

} // namespace korvex::explorer
