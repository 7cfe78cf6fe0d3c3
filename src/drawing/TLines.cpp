#include "drawing/TLines.h"

#include "drawing/DrawingStream.h"

namespace korvex {

namespace {

// setting, control point count, path point count
constexpr qint64 kLineBytesCurrent = 15 + 4 + 4;
constexpr qint64 kLineBytesOld = 24;

} // namespace

TLines::TLines(const DrawingSettings* settings) : m_settings(settings) {}

TLine* TLines::at(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return m_lines[size_t(index)].get();
}

TLine* TLines::add(std::unique_ptr<TLine> line) {
    return insert(count(), std::move(line));
}

TLine* TLines::insert(int index, std::unique_ptr<TLine> line) {
    if (!line)
        return nullptr;
    index = std::clamp(index, 0, count());
    TLine* raw = line.get();
    m_lines.insert(m_lines.begin() + index, std::move(line));
    return raw;
}

std::unique_ptr<TLine> TLines::take(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    std::unique_ptr<TLine> line = std::move(m_lines[size_t(index)]);
    m_lines.erase(m_lines.begin() + index);
    return line;
}

void TLines::clear() {
    m_lines.clear();
}

bool TLines::moveLine(int index, int dx, int dy) {
    TLine* line = at(index);
    if (!line)
        return false;
    line->moveBy(dx, dy);
    return true;
}

bool TLines::recolourLine(int index, quint32 colour) {
    TLine* line = at(index);
    if (!line)
        return false;
    line->setColour(colour);
    return true;
}

int TLines::indexAt(QPoint point) const {
    for (int i = 0; i < count(); ++i)
        if (m_lines[size_t(i)]->hitTest(point))
            return i;
    return -1;
}

void TLines::draw(QImage& image, int hidden) {
    for (int i = 0; i < count(); ++i) {
        if (i == hidden)
            continue;
        m_lines[size_t(i)]->draw(image);
    }
}

void TLines::writeTo(BinaryWriter& out) {
    out.writeInt32(count());
    for (const auto& line : m_lines)
        line->writeTo(out);
}

bool TLines::readFrom(qint32 version, BinaryReader& in) {
    clear();
    const DrawingLayout layout = drawingLayoutOf(version);
    if (layout == DrawingLayout::Unknown)
        return true;
    const qint32 n = in.readInt32();
    const qint64 minBytes = layout == DrawingLayout::Old ? kLineBytesOld : kLineBytesCurrent;
    if (!in.checkCount(n, minBytes, QStringLiteral("lines")))
        return false;
    m_lines.reserve(size_t(n));
    for (qint32 i = 0; i < n; ++i) {
        auto line = std::make_unique<TLine>(m_settings);
        if (!line->readFrom(version, in))
            return false;
        m_lines.push_back(std::move(line));
    }
    return in.ok();
}

} // namespace korvex
