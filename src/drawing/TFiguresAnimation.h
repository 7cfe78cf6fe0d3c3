#pragma once

#include "drawing/TFigures.h"

#include <deque>
#include <memory>

namespace korvex {

// The frames of a tactics animation, each a figure list, owned. The frames are held by
// value, so an empty frame costs only its list's two pointers; adding or taking the last
// frame leaves every other frame where it is, taking any other frame moves them.
class TFiguresAnimation {
public:
    // `settings` is not owned and must outlive the animation.
    explicit TFiguresAnimation(const DrawingSettings* settings);

    int count() const { return int(m_frames.size()); }
    TFigures* at(int index);
    const TFigures* at(int index) const;
    // Appends the figures of `frame` as a new last frame and returns that frame.
    TFigures* add(std::unique_ptr<TFigures> frame);
    // Removes the frame at `index` and returns it (null for a bad index).
    std::unique_ptr<TFigures> take(int index);
    void clear() { m_frames.clear(); }

    // int32 frame count, then one figure list per frame.
    void writeTo(BinaryWriter& out) const;
    // Clears, then reads every frame with the same version; an unknown version reads
    // nothing and returns true. Frames read before a failure stay.
    bool readFrom(qint32 version, BinaryReader& in);

private:
    const DrawingSettings* m_settings;
    std::deque<TFigures> m_frames;
};

} // namespace korvex
