#pragma once

#include <QString>

namespace korvex {

class SharePage;
class TLanguage;
class TTacticsPractise;

// A tactics practise on a shared page: the player (the ground once, one picture per
// distinct figure, every frame's figure positions, the player script), the legend of the
// figures of all frames, the description, and for print every frame rendered as a picture.
// The practise's current frame is 0 afterwards.
void addTacticsPractise(SharePage& page, TTacticsPractise& practise, const TLanguage& language,
                        const QString& name);

} // namespace korvex
