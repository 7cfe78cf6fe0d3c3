// korvex-program-icon: draws the program icon for the desktop's icon theme and the window.
//
// Usage: korvex-program-icon THEME_FOLDER WINDOW_PICTURE
//
// Writes THEME_FOLDER/hicolor/NxN/apps/<id>.png for the theme's usual sizes,
// THEME_FOLDER/hicolor/scalable/apps/<id>.svg, and the 256 px picture as WINDOW_PICTURE.
#include "ProgramIcon.h"
#include "core/SafeSave.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

const QString kIconName = QStringLiteral("org.example.korvex.Korvex");
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool write(const QString& path, const QByteArray& bytes) {
    QString error = QStringLiteral("the picture could not be encoded as PNG");
    if (!bytes.isEmpty() && QDir().mkpath(QFileInfo(path).absolutePath()) &&
        korvex::saveBytes(path, bytes, &error))
        return true;
    QTextStream(stderr) << "cannot write " << path << ": " << error << '\n';
    return false;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // An empty result (the encoder failed) is refused by write().
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: korvex-program-icon THEME_FOLDER WINDOW_PICTURE\n";
        return 2;
    }
    const QDir theme(args.at(1));
    for (const int size : kSizes) {
        const QString path =
            theme.filePath(QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(kIconName));
        if (!write(path, png(korvex::icon::paintIcon(size))))
            return 1;
    }
    if (!write(theme.filePath(QStringLiteral("hicolor/scalable/apps/%1.svg").arg(kIconName)),
               korvex::icon::iconSvg()))
        return 1;
    return write(args.at(2), png(korvex::icon::paintIcon(256))) ? 0 : 1;
}
