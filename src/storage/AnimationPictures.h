#pragma once

#include "drawing/AnimationTween.h"

#include <QImage>

namespace korvex {

class TTacticsPractise;

// The pictures of a tactics practise's playback, painted by the practise's renderer: one
// per frame, or with `smooth` 25 a second with every figure moving between its frames.
class AnimationPictures {
public:
    // The practise must outlive this object and keep its frames while it is used.
    AnimationPictures(TTacticsPractise& practise, int msPerFrame, bool smooth);

    bool smooth() const { return m_smooth; }
    int count() const;
    // The frame picture `index` shows (during a move: the frame it leaves).
    int frameOf(int index) const;
    // How long picture `index` stands before the next one.
    int delayMs(int index) const;
    QImage render(int index) const;
    // Frame `frame` as it is stored, without moving anything.
    QImage renderFrame(int frame) const;

private:
    QImage renderMoment(AnimationTween::Moment moment) const;

    TTacticsPractise& m_practise;
    AnimationTween m_tween;
    bool m_smooth;
};

} // namespace korvex
