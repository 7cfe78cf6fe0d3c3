#pragma once

#include "drawing/TLine.h"

#include <memory>
#include <vector>

namespace korvex {

// The lines of a drawing, owned, in drawing order. Edits go through add / insert / take /
// move / recolour so an undo stack can record and revert them.
class TLines {
public:
    // `settings` is not owned and must outlive the list.
    explicit TLines(const DrawingSettings* settings);

    const DrawingSettings* settings() const { return m_settings; }
    int count() const { return int(m_lines.size()); }
    TLine* at(int index) const;

    TLine* add(std::unique_ptr<TLine> line);
    // Inserts at `index` (clamped to 0..count).
    TLine* insert(int index, std::unique_ptr<TLine> line);
    // Removes the line at `index` and returns it (null for a bad index).
    std::unique_ptr<TLine> take(int index);
    void clear();
    bool moveLine(int index, int dx, int dy);
    bool recolourLine(int index, quint32 colour);

    // Index of the first line in list order whose raster passes near `point`, or -1.
    int indexAt(QPoint point) const;

    // Draws every line in list order except `hidden` (recomputing dirty ones).
    void draw(QImage& image, int hidden = -1);

    // int32 count, then the line records (always the current layout).
    void writeTo(BinaryWriter& out);
    // Clears the list, then reads; an unknown version reads nothing and returns true. On a
    // failure the lines read so far stay in the list and the reader holds the error.
    bool readFrom(qint32 version, BinaryReader& in);

private:
    const DrawingSettings* m_settings;
    std::vector<std::unique_ptr<TLine>> m_lines;
};

} // namespace korvex
