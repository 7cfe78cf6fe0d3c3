#include "drawing/TFiguresAnimation.h"

#include "drawing/DrawingStream.h"

namespace korvex {

TFiguresAnimation::TFiguresAnimation(const DrawingSettings* settings) : m_settings(settings) {}

TFigures* TFiguresAnimation::at(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    return &m_frames[size_t(index)];
}

const TFigures* TFiguresAnimation::at(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return &m_frames[size_t(index)];
}

TFigures* TFiguresAnimation::add(std::unique_ptr<TFigures> frame) {
    if (!frame)
        return nullptr;
    m_frames.push_back(std::move(*frame));
    return &m_frames.back();
}

std::unique_ptr<TFigures> TFiguresAnimation::take(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    auto frame = std::make_unique<TFigures>(std::move(m_frames[size_t(index)]));
    m_frames.erase(m_frames.begin() + index);
    return frame;
}

void TFiguresAnimation::writeTo(BinaryWriter& out) const {
    out.writeInt32(count());
    for (const TFigures& frame : m_frames)
        frame.writeTo(out);
}

bool TFiguresAnimation::readFrom(qint32 version, BinaryReader& in) {
    clear();
    if (drawingLayoutOf(version) == DrawingLayout::Unknown)
        return true;
    const qint32 n = in.readInt32();
    if (!in.checkCount(n, 4, QStringLiteral("animation frames")))
        return false;
    for (qint32 i = 0; i < n; ++i) {
        if (!m_frames.emplace_back(m_settings).readFrom(version, in))
            return false;
    }
    return in.ok();
}

} // namespace korvex
