// korvex-button-pictures: draws the glyphs of the main window's tool buttons.
//
// Usage: korvex-button-pictures OUTPUT_FOLDER
//
// Every glyph is a 20 x 20 bitmap. Its bottom-left pixel holds the transparent colour (a pure
// magenta that no glyph uses); the window masks that colour out when it loads the glyph.
#include "ButtonPictures.h"
#include "core/SafeSave.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: korvex-button-pictures OUTPUT_FOLDER\n";
        return 2;
    }
    const QString folder = args.at(1);
    if (!QDir().mkpath(folder)) {
        err << "cannot create the folder " << folder << '\n';
        return 1;
    }
    for (const korvex::buttons::Glyph& glyph : korvex::buttons::glyphs()) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        korvex::buttons::drawGlyph(glyph).save(&buffer, "BMP");
        const QString path = QDir(folder).filePath(QLatin1String(glyph.fileName));
        QString error;
        if (!korvex::saveBytes(path, bytes, &error)) {
            err << "cannot write " << path << ": " << error << '\n';
            return 1;
        }
    }
    return 0;
}
