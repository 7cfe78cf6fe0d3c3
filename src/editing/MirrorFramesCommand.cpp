#include "editing/MirrorFramesCommand.h"

#include "drawing/TFiguresAnimation.h"
#include "editing/GraphicDocument.h"
#include "editing/MirrorCommand.h"

namespace korvex {

MirrorFramesCommand::MirrorFramesCommand(GraphicDocument& document, TFiguresAnimation& animation,
                                         bool leftRight)
    : DocumentCommand(document, leftRight ? "CmdMirrorLeftRight" : "CmdMirrorTopBottom"),
      m_animation(animation) {
    const QSize canvas = document.canvasSize();
    for (int f = 0; f < animation.count(); ++f) {
        const TFigures& figures = *animation.at(f);
        Frame before;
        Frame after;
        for (int i = 0; i < figures.count(); ++i) {
            before.push_back(*figures.at(i));
            after.push_back(mirroredFigure(*figures.at(i), leftRight, canvas));
        }
        m_before.push_back(std::move(before));
        m_after.push_back(std::move(after));
    }
}

void MirrorFramesCommand::put(const std::vector<Frame>& frames) {
    m_document.clearSelection();
    // The frame lists stay the same objects: the document (and the practise) point at one.
    const int count = qMin(m_animation.count(), int(frames.size()));
    for (int f = 0; f < count; ++f) {
        TFigures& figures = *m_animation.at(f);
        figures.clear();
        for (const TFigure& figure : frames[size_t(f)])
            figures.add(std::make_unique<TFigure>(figure));
    }
}

void MirrorFramesCommand::redo() {
    put(m_after);
}

void MirrorFramesCommand::undo() {
    put(m_before);
}

} // namespace korvex
