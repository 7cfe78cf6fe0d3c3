#pragma once

#include "editing/DocumentCommand.h"

#include "drawing/TFigure.h"

#include <vector>

namespace korvex {

class TFiguresAnimation;

// Mirrors every frame of an animation left-right or top-bottom, so the whole play runs on
// the other side (mirroring one frame would make its figures jump across the rink during
// playback). The document edits one frame; the command changes all of them in place, and
// keeps every frame's figures whole, so undo is exact.
class MirrorFramesCommand : public DocumentCommand {
public:
    // `animation` is not owned and must outlive the command; the document's figures are one
    // of its frames.
    MirrorFramesCommand(GraphicDocument& document, TFiguresAnimation& animation, bool leftRight);

    void redo() override;
    void undo() override;

private:
    using Frame = std::vector<TFigure>;
    void put(const std::vector<Frame>& frames);

    TFiguresAnimation& m_animation;
    std::vector<Frame> m_before;
    std::vector<Frame> m_after;
};

} // namespace korvex
