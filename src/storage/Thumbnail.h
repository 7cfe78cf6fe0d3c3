#pragma once

#include <QImage>

namespace korvex {

constexpr int kThumbnailWidth = 225;
constexpr int kThumbnailHeight = 140;

// Reduces a practise or rink picture to its 225 x 140 thumbnail: a picture of the small
// layout (width 450 or height 280) by the mean of each 2 x 2 block, one of the large
// layout (width 675 or height 420) by the mean of each 3 x 3 block, each colour channel
// on its own; the result is then cut to 225 x 140 from the top-left (padded with white
// where the reduced picture is smaller).
QImage boxFilterThumbnail(const QImage& picture);

// The per-channel mean of every factor x factor block (factor 1 to 16; a larger one gives
// a white picture), rounded down.
// Incomplete blocks at the right and bottom edge are dropped.
QImage boxFilter(const QImage& picture, int factor);

} // namespace korvex
