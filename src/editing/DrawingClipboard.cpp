#include "editing/DrawingClipboard.h"

#include "drawing/TFigures.h"
#include "drawing/TLines.h"

#include <QBuffer>

namespace korvex {

namespace {
const QByteArray kMagic("KVXD");
// A current-layout version: lines are written with their stored paths.
constexpr qint32 kClipVersion = 141;
} // namespace

QString drawingClipMimeType() {
    return QStringLiteral("application/x-korvex-drawing");
}

QByteArray encodeDrawingClip(const DrawingClip& clip) {
    QByteArray bytes;
    BinaryWriter out(&bytes);
    out.writeBytes(kMagic);
    out.writeInt32(kClipVersion);
    out.writeInt32(qint32(clip.figures.size()));
    for (const TFigure& figure : clip.figures)
        figure.writeTo(out);
    out.writeInt32(qint32(clip.lines.size()));
    for (TLine line : clip.lines)
        line.writeTo(out);
    return out.ok() ? bytes : QByteArray();
}

bool decodeDrawingClip(const QByteArray& bytes, const DrawingSettings* settings, DrawingClip* clip,
                       QString* error) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer, QStringLiteral("clipboard"));
    *clip = DrawingClip();
    if (in.readBytes(kMagic.size()) != kMagic || in.readInt32() != kClipVersion) {
        *error = QStringLiteral("The clipboard does not hold a drawing.");
        return false;
    }
    // The list readers check every count against the bytes that remain.
    TFigures figures(settings);
    TLines lines(settings);
    if (figures.readFrom(kClipVersion, in) && lines.readFrom(kClipVersion, in)) {
        for (int i = 0; i < figures.count(); ++i)
            clip->figures.push_back(*figures.at(i));
        for (int i = 0; i < lines.count(); ++i)
            clip->lines.push_back(*lines.at(i));
    }
    if (!in.ok() || !in.atEnd()) {
        *error = in.ok() ? QStringLiteral("The clipboard drawing has trailing bytes.")
                         : in.errorString();
        *clip = DrawingClip();
        return false;
    }
    return true;
}

} // namespace korvex
