#include "storage/AnimationPictures.h"

#include "storage/TTacticsPractise.h"

#include "drawing/PractiseRenderer.h"

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
    // The practise's scene (ground and lines) with the figures of this moment.
    const std::unique_ptr<TFigures> figures = m_tween.figuresAt(moment);
    PractiseScene scene = m_practise.scene();
    scene.figures = figures.get();
    return renderPractise(scene, QSize(m_practise.pictureWidth(), m_practise.pictureHeight()));
}

} // namespace korvex
