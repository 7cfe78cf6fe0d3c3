#pragma once

#include <QString>

class QIODevice;

namespace korvex {

class TTacticsPractise;

// Writes the playback of a tactics practise as an animated GIF that loops for ever: one
// picture per frame, shown `msPerFrame` each, or with `smooth` 25 pictures a second with the
// figures moving between frames. The last frame stands at least a second before the loop
// starts again. False with `error` set on a failure.
bool writeAnimationGif(TTacticsPractise& practise, QIODevice* device, int msPerFrame, bool smooth,
                       QString* error);
// The same into `file`, written atomically: a failure leaves an existing file as it was.
bool saveAnimationGif(TTacticsPractise& practise, const QString& file, int msPerFrame, bool smooth,
                      QString* error);

} // namespace korvex
