#pragma once

#include "drawing/GroundPainter.h"

#include <QImage>
#include <QString>

namespace korvex {

// The standard rink `groundName` from `rinkFolder`, fitted to width x height on dark grey
// (through the shared RinkPictureCache, so a rink is decoded once while its file stays).
// When the picture is missing or unreadable, or the name would lead out of the rink folder,
// the result is a placeholder card with `missingText` and `found` is false.
QImage loadStandardGround(const QString& rinkFolder, const QString& groundName, int width,
                          int height, const QString& missingText, bool* found = nullptr);

// The colour of the area around a fitted standard rink.
constexpr QRgb kStandardGroundBackground = 0x505050;

} // namespace korvex
