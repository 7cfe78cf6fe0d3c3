#pragma once

#include <QString>

namespace korvex {

// The animation player of a shared tactics page, plain inline JavaScript. It reads the
// frames from the JSON block with id "tp-data" ({w, h, ground, sprites, frames}, each
// frame a list of [sprite, x, y] per figure) and drives the controls of the player
// section: play / pause, step, speed and smooth or frame by frame. Smooth playback moves
// each figure on a straight path from its place in one frame to its place in the next,
// figures matched by their index. A page opened with "#autoplay" starts playing by
// itself (used to check the page in a browser).
QString tacticsPlayerScript();

} // namespace korvex
