#pragma once

#include <QImage>
#include <QString>

namespace korvex {

// How a practise's ground is painted: a standard rink from the rink folder, or the
// practise's own picture fitted, stretched or centred.
enum GroundMode : quint8 {
    GroundStandard = 0,
    GroundFit = 1,
    GroundStretch = 2,
    GroundCentre = 3,
};

// Paints the background of a width x height practise bitmap: white with a black border,
// then by `mode` the standard ground at (0, 0) (mode 0) or the own picture fitted on
// white (1), stretched (2) or centred at natural size (3). A picture too large to centre
// is replaced by `centreErrorText` as placeholder text. Unknown modes paint only the
// white background.
void renderGround(QImage& bitmap, int mode, const QImage& standardGround, const QImage& ownPicture,
                  const QString& centreErrorText);

} // namespace korvex
