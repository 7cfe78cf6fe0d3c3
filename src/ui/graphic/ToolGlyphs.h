#pragma once

#include <QIcon>

namespace korvex {

struct DrawingSettings;

// Pictures of the editor's tool buttons, painted by the drawing code itself so that each
// button shows exactly what its tool draws: a short sample of a line kind, an end mark,
// or the figure's own picture.
QIcon lineKindGlyph(int lineKind, const DrawingSettings* settings);
QIcon endKindGlyph(int endKind, const DrawingSettings* settings);
QIcon figureGlyph(int figureKind, const DrawingSettings* settings);
// A skating line bent through three points: the picture of the curved-line switch.
QIcon curvedLineGlyph(const DrawingSettings* settings);

} // namespace korvex
