// Drawing streams: the first four bytes are the format version, then a line list, a figure
// list and an animation, each read as far as it goes. What was read is drawn, because the
// sampling of a line read from a file is where a hostile file costs memory and time.
#include "FuzzInstallation.h"

#include "core/BinaryReader.h"
#include "drawing/DrawingSettings.h"
#include "drawing/TFigures.h"
#include "drawing/TFiguresAnimation.h"
#include "drawing/TLines.h"

#include <QBuffer>
#include <QImage>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    QByteArray bytes = fuzz::inputBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(&buffer, QStringLiteral("drawing"));
    const qint32 version = in.readInt32();
    const DrawingSettings settings = DrawingSettings::large(installation.root());
    TLines lines(&settings);
    TFigures figures(&settings);
    TFiguresAnimation animation(&settings);
    lines.readFrom(version, in);
    figures.readFrom(version, in);
    animation.readFrom(version, in);
    // One canvas for the whole run: what it shows does not matter, and a fresh 1 MB picture
    // per input costs the fuzzer more than the drawing itself.
    static QImage image(settings.canvasWidth, settings.canvasHeight, QImage::Format_RGB32);
    lines.draw(image);
    figures.draw(image);
    return 0;
}
