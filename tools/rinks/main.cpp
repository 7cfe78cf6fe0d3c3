// korvex-rink-pictures: draws the rink pictures shipped in the playground folder.
// Usage: korvex-rink-pictures FOLDER
// Writes {name}.jpg at 675 x 420 and its 225 x 140 thumbnail {name}Small.jpg for every
// rink, the names the shipped settings select.
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "rinks/RinkPainter.h"
#include "storage/Thumbnail.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace korvex;

namespace {

// Rinks are shipped in the large picture size; the chooser accepts both sizes and the
// practise fits the picture to the canvas of the small layout.
constexpr int kWidth = 675;
constexpr int kHeight = 420;
// Sharper than the encoder default: thin red lines blur badly at 75.
constexpr int kQuality = 92;

bool write(const QString& path, const QImage& image, QTextStream& err) {
    QString error;
    if (saveBytes(path, encodeJpeg(image, kQuality), &error))
        return true;
    err << "korvex-rink-pictures: " << error << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: korvex-rink-pictures FOLDER\n";
        return 2;
    }
    const QString folder = args.at(1);
    if (!QDir().mkpath(folder)) {
        err << "korvex-rink-pictures: cannot create " << folder << '\n';
        return 1;
    }
    for (rinks::RinkKind kind :
         {rinks::RinkKind::FullRink, rinks::RinkKind::HalfRink, rinks::RinkKind::IceSheet}) {
        const QString base = joinPath(folder, rinks::rinkTitle(kind));
        const QImage picture = rinks::paintRink(kind, kWidth, kHeight);
        if (!write(base + QStringLiteral(".jpg"), picture, err))
            return 1;
        if (!write(base + QStringLiteral("Small.jpg"), boxFilterThumbnail(picture), err))
            return 1;
    }
    return 0;
}
