// korvex-figure-pictures: draws every figure picture of the drawing tools as a 24-bit BMP
// with magenta as the transparent colour.
//   korvex-figure-pictures OUTDIR [--sheet SHEET.png]
// The optional sheet shows every picture enlarged on ice, for looking them over.
#include "FigureArt.h"

#include "core/Paths.h"
#include "core/SafeSave.h"
#include "drawing/FigurePictures.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

using namespace korvex;

namespace {

bool writeBmp(const QString& path, const QImage& image, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) {
        *error = QStringLiteral("cannot encode %1").arg(path);
        return false;
    }
    return saveBytes(path, bytes, error);
}

QImage contactSheet(const QStringList& names, const QList<QImage>& pictures) {
    const int cell = 96;
    const int columns = 8;
    const int rows = int((names.size() + columns - 1) / columns);
    QImage sheet(columns * cell, rows * cell, QImage::Format_RGB32);
    sheet.fill(QColor(245, 248, 255));
    QPainter p(&sheet);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    p.setFont(font);
    for (int i = 0; i < names.size(); ++i) {
        const int x = (i % columns) * cell;
        const int y = (i / columns) * cell;
        QImage keyed = pictures[i].convertToFormat(QImage::Format_ARGB32);
        for (int py = 0; py < keyed.height(); ++py) {
            QRgb* line = reinterpret_cast<QRgb*>(keyed.scanLine(py));
            for (int px = 0; px < keyed.width(); ++px)
                if ((line[px] | 0xFF000000u) == 0xFFFF00FF)
                    line[px] = 0;
        }
        const QImage big = keyed.scaled(keyed.size() * 3);
        p.drawImage(x + (cell - big.width()) / 2, y + 4, big);
        // Actual size in the corner, with a number over players.
        p.drawImage(x + 4, y + cell - keyed.height() - 14, keyed);
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + cell - 13, cell, 12), Qt::AlignCenter, names[i]);
        p.setPen(QColor(200, 200, 200));
        p.drawRect(x, y, cell - 1, cell - 1);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.size() == 2 || args.size() > 3 ||
        (args.size() == 3 && args[1] != QStringLiteral("--sheet"))) {
        err << "usage: korvex-figure-pictures OUTDIR [--sheet SHEET.png]\n";
        return 2;
    }
    const QString folder = args[0];
    if (!QDir().mkpath(folder)) {
        err << "cannot create " << folder << '\n';
        return 1;
    }
    const QStringList names = allFigurePictureFileNames();
    QList<QImage> pictures;
    for (const QString& name : names) {
        const QImage art = figures::drawFigureArt(name);
        if (art.isNull()) {
            err << "no drawing for " << name << '\n';
            return 1;
        }
        const QImage flat = figures::flattenOnMagenta(art);
        QString error;
        if (!writeBmp(joinPath(folder, name), flat, &error)) {
            err << error << '\n';
            return 1;
        }
        pictures.append(flat);
    }
    if (args.size() == 3) {
        QString error;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        contactSheet(names, pictures).save(&buffer, "PNG");
        if (!saveBytes(args[2], png, &error)) {
            err << error << '\n';
            return 1;
        }
    }
    return 0;
}
