#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace korvex {

class TFigure;
class TLine;
struct DrawingSettings;

// Figures and lines on their way between practises (copy and paste): the program's own
// clipboard format, the same figure and line records the practise files use.
//   "KVXD" (4 bytes), int32 layout version, int32 figure count, figure records,
//   int32 line count, line records.
struct DrawingClip {
    std::vector<TFigure> figures;
    std::vector<TLine> lines;

    bool isEmpty() const { return figures.empty() && lines.empty(); }
};

// The MIME type under which the clip is put on the system clipboard.
QString drawingClipMimeType();
QByteArray encodeDrawingClip(const DrawingClip& clip);
// Reads a clip; false (with `error` set) for anything that is not a whole, valid clip.
bool decodeDrawingClip(const QByteArray& bytes, const DrawingSettings* settings, DrawingClip* clip,
                       QString* error);

} // namespace korvex
