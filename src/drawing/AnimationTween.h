#pragma once

#include "drawing/TFigures.h"

#include <memory>

namespace korvex {

class TFiguresAnimation;

// Smooth playback of a tactics animation: 25 pictures a second, every figure moving along a
// straight path from its place in one frame to its place in the next. Frames are copies of
// each other, so a figure is matched by its index in the list; a figure whose index holds
// another kind of figure in the next frame (one was deleted before it), or none at all,
// stays where it is and the next frame's figures take over at the frame boundary.
class AnimationTween {
public:
    static constexpr int kPicturesPerSecond = 25;
    static constexpr int kPictureMs = 1000 / kPicturesPerSecond;

    // Where a picture lies in the animation: in frame `frame`, `fraction` (0 <= f < 1) of the
    // way to the next one.
    struct Moment {
        int frame = 0;
        double fraction = 0.0;
    };

    // `animation` is not owned and must outlive the tween; `msPerFrame` below 1 counts as 1.
    AnimationTween(const TFiguresAnimation& animation, int msPerFrame);

    int msPerFrame() const { return m_msPerFrame; }
    // The playing time from frame 0 to the last frame.
    qint64 durationMs() const;
    // The pictures of a whole playback: one every kPictureMs from frame 0, the last one
    // showing the last frame exactly. At least one picture, also for a single frame.
    int pictureCount() const;
    Moment momentOfPicture(int picture) const;
    Moment momentAt(qint64 ms) const;
    // The figures to show at `moment`: copies of that frame's figures, moved along their
    // paths. An empty list for an animation without frames.
    std::unique_ptr<TFigures> figuresAt(Moment moment) const;

private:
    const TFiguresAnimation& m_animation;
    int m_msPerFrame;
};

} // namespace korvex
