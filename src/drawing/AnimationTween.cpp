#include "drawing/AnimationTween.h"

#include "drawing/TFiguresAnimation.h"

#include <algorithm>
#include <cmath>

namespace korvex {

AnimationTween::AnimationTween(const TFiguresAnimation& animation, int msPerFrame)
    : m_animation(animation), m_msPerFrame(std::max(1, msPerFrame)) {}

qint64 AnimationTween::durationMs() const {
    return qint64(std::max(0, m_animation.count() - 1)) * m_msPerFrame;
}

int AnimationTween::pictureCount() const {
    // Pictures at 0, 40, 80, ... ms before the end, then the end itself.
    const qint64 duration = durationMs();
    return int((duration + kPictureMs - 1) / kPictureMs) + 1;
}

AnimationTween::Moment AnimationTween::momentOfPicture(int picture) const {
    return momentAt(qint64(std::max(0, picture)) * kPictureMs);
}

AnimationTween::Moment AnimationTween::momentAt(qint64 ms) const {
    const int last = std::max(0, m_animation.count() - 1);
    if (ms <= 0)
        return {0, 0.0};
    if (ms >= durationMs())
        return {last, 0.0};
    const int frame = int(ms / m_msPerFrame);
    return {frame, double(ms % m_msPerFrame) / m_msPerFrame};
}

std::unique_ptr<TFigures> AnimationTween::figuresAt(Moment moment) const {
    const TFigures* from = m_animation.at(moment.frame);
    if (from == nullptr)
        return std::make_unique<TFigures>(m_animation.count() > 0 ? m_animation.at(0)->settings()
                                                                  : nullptr);
    auto figures = std::make_unique<TFigures>(from->settings());
    const TFigures* to = moment.fraction > 0.0 ? m_animation.at(moment.frame + 1) : nullptr;
    for (int i = 0; i < from->count(); ++i) {
        TFigure* figure = figures->add(std::make_unique<TFigure>(*from->at(i)));
        const TFigure* target = to != nullptr ? to->at(i) : nullptr;
        if (target == nullptr || target->kind() != figure->kind())
            continue;
        const QPoint a = figure->position();
        const QPoint b = target->position();
        figure->setPosition(QPoint(int(std::lround(a.x() + (b.x() - a.x()) * moment.fraction)),
                                   int(std::lround(a.y() + (b.y() - a.y()) * moment.fraction))));
    }
    return figures;
}

} // namespace korvex
