#pragma once

#include <QImage>
#include <QString>

namespace korvex::rinks {

// The rink pictures shipped in the playground folder.
enum class RinkKind {
    FullRink, // both zones, centre line, blue lines, five face-off circles
    HalfRink, // the neutral half and one end zone with its net
    IceSheet, // boards only, for drills that need free ice
};

// File title of a rink kind ("Rink", "HalfRink", "IceSheet").
QString rinkTitle(RinkKind kind);

// Paints a rink of `kind` at width x height (675 x 420 or 450 x 280). The markings follow
// the proportions of a real rink (measured in feet); lengths along the rink and across it
// are scaled separately so that the ice fills the picture, and circles use the mean scale
// so that they stay round.
QImage paintRink(RinkKind kind, int width, int height);

} // namespace korvex::rinks
