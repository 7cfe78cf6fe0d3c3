#pragma once

#include "drawing/TFigure.h"

#include <memory>
#include <vector>

namespace korvex {

// The figures of a drawing, owned, in drawing order (later figures lie over earlier ones).
// Edits go through add / insert / take / move so an undo stack can record and revert them:
// take() hands the removed figure back and insert() puts it back at its index.
class TFigures {
public:
    // `settings` is not owned and must outlive the list.
    explicit TFigures(const DrawingSettings* settings);

    const DrawingSettings* settings() const { return m_settings; }
    int count() const { return m_figures ? int(m_figures->size()) : 0; }
    TFigure* at(int index) const;

    // Appends a figure and returns it.
    TFigure* add(std::unique_ptr<TFigure> figure);
    // Inserts at `index` (clamped to 0..count).
    TFigure* insert(int index, std::unique_ptr<TFigure> figure);
    // Removes the figure at `index` and returns it (null for a bad index).
    std::unique_ptr<TFigure> take(int index);
    void clear();
    // Moves figure `index` by (dx, dy); false for a bad index.
    bool moveFigure(int index, int dx, int dy);

    // Index of the first figure in list order whose box holds `point`, or -1.
    int indexAt(QPoint point) const;

    // Draws every figure in list order except `hidden` (the one an editor is dragging).
    void draw(QImage& image, const QColor& textColour = Qt::black, int hidden = -1) const;
    void draw(QPainter& painter, const QColor& textColour = Qt::black, int hidden = -1) const;

    // int32 count, then the figure records (always the current layout).
    void writeTo(BinaryWriter& out) const;
    // Clears the list, then reads; an unknown version reads nothing and returns true. On a
    // failure the figures read so far stay in the list and the reader holds the error.
    bool readFrom(qint32 version, BinaryReader& in);

private:
    using List = std::vector<std::unique_ptr<TFigure>>;
    // The list, made when the first figure comes.
    List& list();

    const DrawingSettings* m_settings;
    // Held behind a pointer: a tactics animation may have a great many frames, and an empty
    // frame then costs a pointer instead of a whole vector.
    std::unique_ptr<List> m_figures;
};

} // namespace korvex
