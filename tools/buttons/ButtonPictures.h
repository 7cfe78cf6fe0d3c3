#pragma once

#include <QImage>
#include <QRgb>

#include <vector>

namespace korvex::buttons {

// The transparent colour of every glyph (its bottom-left pixel).
constexpr QRgb kTransparent = 0xFFFF00FF;
constexpr int kGlyphSize = 20;

struct Glyph {
    const char* fileName;
    void (*draw)(class QPainter& painter); // draws on an 80 x 80 canvas
};

const std::vector<Glyph>& glyphs();

// Draws the glyph at four times its size, scales it down smoothly and puts it on the
// transparent colour: pixels that are mostly covered become opaque over a light button
// face, the rest become the transparent colour (no pink fringes after masking).
QImage drawGlyph(const Glyph& glyph);

} // namespace korvex::buttons
