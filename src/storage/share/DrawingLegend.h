#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace korvex {

struct DrawingSettings;
class TFigures;
class TLanguage;
class TLines;

// What a legend under a drawing explains: one kind of line, one end mark or one kind of
// figure. Free texts explain themselves and have no entry.
struct LegendEntry {
    enum Group { Line, End, Figure };
    Group group;
    int code; // LineKind, EndKind or FigureKind

    bool operator==(const LegendEntry&) const = default;
};

// The entries for exactly what the drawing uses: the line kinds of `lines`, the end marks
// they end with, and the figure kinds of every list in `figures` (the frames of an
// animation, or one drawing's figures), lines first, each group in code order.
QList<LegendEntry> legendEntries(const TLines* lines, const QList<const TFigures*>& figures);

// The entry drawn by the drawing's own painters: a short black line of the kind, a short
// line ending in the mark, or the figure's picture. Figure pictures come from the
// installation in `settings`; a picture that cannot be loaded gives a null image.
QImage legendPicture(const LegendEntry& entry, const DrawingSettings& settings);

// The meaning of the entry in the coach's language.
QString legendText(const LegendEntry& entry, const TLanguage& language);

// The legend as a list for a shared page, or the empty text when there is nothing to
// explain.
QString legendHtml(const QList<LegendEntry>& entries, const DrawingSettings& settings,
                   const TLanguage& language);

} // namespace korvex
