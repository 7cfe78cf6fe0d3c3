#pragma once

#include <QDir>
#include <QString>
#include <QtGlobal>

namespace korvex {

// Which format versions the practise readers accept, and in which layout.

// Graphic practises 130..141: the full layout with ground mode and own picture.
constexpr bool isGraphicFullLayout(qint32 v) {
    return v >= 130 && v <= 141;
}
// Graphic practises 100..123 and 999: the older layout without ground mode and picture.
constexpr bool isGraphicOlderLayout(qint32 v) {
    return (v >= 100 && v <= 123) || v == 999;
}
constexpr bool isGraphicVersionAccepted(qint32 v) {
    return isGraphicFullLayout(v) || isGraphicOlderLayout(v);
}
// Tactics practises: 100..141 and 999.
constexpr bool isTacticsVersionAccepted(qint32 v) {
    return (v >= 100 && v <= 141) || v == 999;
}
// A practise read from these versions stays marked modified so it gets saved in the
// current layout.
constexpr bool needsRewrite(qint32 v) {
    return (v >= 100 && v <= 104) || v == 999;
}

// Why a file of a version this program does not read is not rewritten.
inline QString versionNotReadText(const QString& path, qint32 version) {
    return QStringLiteral("%1: format version %2 is not read by this program; the file is kept "
                          "as it is")
        .arg(QDir::toNativeSeparators(path))
        .arg(version);
}

} // namespace korvex
