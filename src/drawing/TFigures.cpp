#include "drawing/TFigures.h"

#include "drawing/DrawingStream.h"

#include <QPainter>

namespace korvex {

namespace {

// kind, two coordinates, variant, empty text
constexpr qint64 kFigureBytesCurrent = 1 + 8 + 8 + 1 + 4;
constexpr qint64 kFigureBytesOld = 1 + 4 + 4 + 1 + 4;

} // namespace

TFigures::TFigures(const DrawingSettings* settings) : m_settings(settings) {}

TFigures::List& TFigures::list() {
    if (!m_figures)
        m_figures = std::make_unique<List>();
    return *m_figures;
}

TFigure* TFigures::at(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return (*m_figures)[size_t(index)].get();
}

TFigure* TFigures::add(std::unique_ptr<TFigure> figure) {
    return insert(count(), std::move(figure));
}

TFigure* TFigures::insert(int index, std::unique_ptr<TFigure> figure) {
    if (!figure)
        return nullptr;
    index = std::clamp(index, 0, count());
    TFigure* raw = figure.get();
    list().insert(list().begin() + index, std::move(figure));
    return raw;
}

std::unique_ptr<TFigure> TFigures::take(int index) {
    if (index < 0 || index >= count())
        return nullptr;
    std::unique_ptr<TFigure> figure = std::move(list()[size_t(index)]);
    list().erase(list().begin() + index);
    return figure;
}

void TFigures::clear() {
    m_figures.reset();
}

bool TFigures::moveFigure(int index, int dx, int dy) {
    TFigure* figure = at(index);
    if (!figure)
        return false;
    figure->moveBy(dx, dy);
    return true;
}

int TFigures::indexAt(QPoint point) const {
    for (int i = 0; i < count(); ++i)
        if (at(i)->hitTest(point))
            return i;
    return -1;
}

void TFigures::draw(QImage& image, const QColor& textColour, int hidden) const {
    QPainter painter(&image);
    draw(painter, textColour, hidden);
}

void TFigures::draw(QPainter& painter, const QColor& textColour, int hidden) const {
    for (int i = 0; i < count(); ++i) {
        if (i == hidden)
            continue;
        at(i)->draw(painter, textColour);
    }
}

void TFigures::writeTo(BinaryWriter& out) const {
    out.writeInt32(count());
    for (int i = 0; i < count(); ++i)
        at(i)->writeTo(out);
}

bool TFigures::readFrom(qint32 version, BinaryReader& in) {
    clear();
    const DrawingLayout layout = drawingLayoutOf(version);
    if (layout == DrawingLayout::Unknown)
        return true;
    const qint32 n = in.readInt32();
    const qint64 minBytes = layout == DrawingLayout::Old ? kFigureBytesOld : kFigureBytesCurrent;
    if (!in.checkCount(n, minBytes, QStringLiteral("figures")))
        return false;
    if (n > 0)
        list().reserve(size_t(n));
    for (qint32 i = 0; i < n; ++i) {
        auto figure = std::make_unique<TFigure>(m_settings);
        if (!figure->readFrom(version, in))
            return false;
        list().push_back(std::move(figure));
    }
    return in.ok();
}

} // namespace korvex
