#include "storage/AnimationPictures.h"

#include "storage/TTacticsPractise.h"

#include <utility>

namespace korvex {

AnimationPictures::AnimationPictures(TTacticsPractise& practise, int msPerFrame, bool smooth)
    : m_practise(practise), m_tween(practise.animation(), msPerFrame), m_smooth(smooth) {}

int AnimationPictures::count() const {
    return m_smooth ? m_tween.pictureCount() : m_practise.frameCount();
}

int AnimationPictures::frameOf(int index) const {
    return m_smooth ? m_tween.momentOfPicture(index).frame : index;
}

int AnimationPictures::delayMs(int index) const {
    if (!m_smooth)
        return m_tween.msPerFrame();
    // The picture before the last may stand shorter: the last frame comes on time.
    const qint64 next =
        std::min(qint64(index + 1) * AnimationTween::kPictureMs, m_tween.durationMs());
    return int(std::max<qint64>(next - qint64(index) * AnimationTween::kPictureMs, 0));
}

QImage AnimationPictures::render(int index) const {
    return m_smooth ? renderMoment(m_tween.momentOfPicture(index)) : renderFrame(index);
}

QImage AnimationPictures::renderFrame(int frame) const {
    return renderMoment({frame, 0.0});
}

QImage AnimationPictures::renderMoment(AnimationTween::Moment moment) const {
    // The practise paints the figures of its current frame; the figures of this moment stand
    // in for them while it paints, and the frame gets its own figures back at once.
    std::unique_ptr<TFigures> moved = m_tween.figuresAt(moment);
    TFigures& current = m_practise.figures();
    std::swap(current, *moved);
    const QImage picture = m_practise.RenderPicture();
    std::swap(current, *moved);
    return picture;
}

} // namespace korvex
