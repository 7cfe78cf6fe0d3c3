#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

namespace korvex {

// Where a picture of size `source` lands when it is fitted into a width x height box,
// keeping its aspect: the side that is relatively larger fills the box, the other is
// scaled to match (rounded to the nearest integer, ties to even) and centred.
QRect fitRect(QSize source, int width, int height);

// Fills `canvas` with `background` and draws `picture` fitted into it.
void drawFitted(QImage& canvas, const QImage& picture, QColor background);

// A width x height picture of `picture` fitted on `background`.
QImage fittedPicture(const QImage& picture, int width, int height, QColor background);

} // namespace korvex
