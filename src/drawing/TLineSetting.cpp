#include "drawing/TLineSetting.h"

namespace korvex {

LineTints tintsOf(quint32 colour) {
    switch (colour) {
    case kColourBlack:
        return {0x808080, 0xC0C0C0};
    case kColourRed:
        return {0x8080FF, 0xC0C0FF};
    case kColourGreen:
        return {0x80FF80, 0xC0FFC0};
    case kColourBlue:
        return {0xFF8080, 0xFFC0C0};
    case kColourPurple:
        return {0xFF80FF, 0xFFC0FF};
    case kColourOrange:
        return {0x00C0FF, 0x80FFFF};
    default:
        return {0x000000, 0x000000};
    }
}

void TLineSetting::writeTo(BinaryWriter& out) const {
    out.writeInt32(reservedA);
    out.writeInt32(colour);
    out.writeByte(endKind);
    out.writeByte(lineKind);
    out.writeInt32(reservedB);
    out.writeBool(curved);
}

void TLineSetting::readCurrent(BinaryReader& in) {
    reservedA = in.readInt32();
    colour = in.readInt32();
    endKind = in.readByte();
    lineKind = in.readByte();
    reservedB = in.readInt32();
    curved = in.readByte() != 0;
}

void TLineSetting::readOld(BinaryReader& in) {
    reservedA = in.readInt32();
    colour = in.readInt32();
    endKind = in.readByte();
    lineKind = in.readByte();
    in.skip(2);
    reservedB = in.readInt32();
    pointCount = in.readInt32();
    curved = in.readByte() != 0;
    in.skip(3);
}

} // namespace korvex
