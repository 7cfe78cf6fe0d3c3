#pragma once

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"

#include <QtGlobal>

namespace korvex {

// Line kinds (the code is the tool button's Tag).
enum LineKind : quint8 {
    LineSolid = 0,
    LineDash = 1,
    LineDoubleSolid = 2,
    LineTwiddle = 3,
    LineSemicircle = 4,
    LineCrosswise = 5,
    LineCrosswiseSolid = 6,
};

// End kinds; any value of 4 or more draws no end mark.
enum EndKind : quint8 {
    EndArrow = 0,
    EndCross = 1,
    EndDoubleCross = 2,
    EndArc = 3,
    EndNone = 4,
};

// The six line colours (0x00BBGGRR).
inline constexpr quint32 kColourBlack = 0x000000;
inline constexpr quint32 kColourRed = 0x0000FF;
inline constexpr quint32 kColourGreen = 0x00C000;
inline constexpr quint32 kColourBlue = 0xFF0000;
inline constexpr quint32 kColourPurple = 0x800080;
inline constexpr quint32 kColourOrange = 0x0080FF;

// The two lighter tints of a line colour that soften its edges. A colour that is not one of
// the six line colours has black tints.
struct LineTints {
    quint32 mid = 0;
    quint32 light = 0;
};
LineTints tintsOf(quint32 colour);

// The style of one line. The reserved fields are stored and read back and have no other
// effect; pointCount is only filled when reading the old layout.
class TLineSetting {
public:
    qint32 reservedA = 15;
    qint32 colour = 0;
    quint8 endKind = EndArrow;
    quint8 lineKind = LineSolid;
    qint32 reservedB = 1;
    qint32 pointCount = 0;
    bool curved = true;

    // Current layout, 15 bytes: reservedA, colour, end kind, line kind, reservedB, curved.
    void writeTo(BinaryWriter& out) const;
    void readCurrent(BinaryReader& in);
    // Old layout, one 24-byte block with padding; fills pointCount.
    void readOld(BinaryReader& in);

    bool operator==(const TLineSetting&) const = default;
};

} // namespace korvex
