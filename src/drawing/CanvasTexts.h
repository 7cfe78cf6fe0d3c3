#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <functional>

namespace korvex {

// Looks a text up in the language table by key.
using TextLookup = std::function<QString(const QString& key)>;

// Fonts of the drawn cards, in pixel sizes of a 96-dpi canvas (so a 12 pt font is
// 16 pixels high whatever the screen), so every picture renders the same on every machine.
QFont canvasFont(int points, bool bold = false);

// The title card shown on an empty practise canvas: light grey with a black border, the
// program's name, version, copyright, home page and authors centred line by line.
void drawTitleCard(QImage& canvas, const TextLookup& text, const QString& versionText);

// The title card of `size` as drawTitleCard paints it, drawn once and kept: asked again with
// the same size, version and texts (the language), the kept picture is handed out (shared,
// not copied). Safe from any thread.
QImage titleCard(QSize size, const TextLookup& text, const QString& versionText);

// A white canvas with a black border and `text` centred on it; shown where a picture
// cannot be (a missing rink, a picture too large to centre).
void drawPlaceholderText(QImage& canvas, const QString& text);

// Fills the canvas white and draws a one-pixel black border around it.
void fillWhiteWithBorder(QImage& canvas);

} // namespace korvex
