#include "print/PlanPictures.h"

#include "core/BinaryReader.h"
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/StreamRecords.h"
#include "storage/ItemKinds.h"
#include "storage/ItemNames.h"
#include "storage/TTrainingPlan.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <cmath>

namespace korvex {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool decodeFrom(const QByteArray& bytes, const QString& file, QImage* picture, QString* error) {
    QString reason;
    if (decodeJpeg(bytes, picture, &reason))
        return true;
    *error = QStringLiteral("%1: the picture cannot be read: %2").arg(native(file), reason);
    return false;
}

// The first picture stored in the text practise file `path`: version, text, picture
// count, then the pictures. Versions this program does not read and files without
// pictures give none.
bool textPractisePicture(const QString& path, QImage* picture, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read: %2").arg(native(path), file.errorString());
        return false;
    }
    BinaryReader in(&file, native(path));
    if (!isAcceptedVersion(in.readInt32()))
        return true;
    readStreamStrings(in);
    const qint32 count = in.readInt32();
    const qint64 size = count >= 1 ? in.readInt64() : 0;
    const QByteArray bytes = size != 0 ? in.readBytes(size) : QByteArray();
    if (!in.ok()) {
        *error = in.errorString();
        return false;
    }
    if (bytes.isEmpty())
        return true;
    return decodeFrom(bytes, path, picture, error);
}

} // namespace

bool loadPlanPicture(const TTrainingPlan& plan, int index, const QString& appDir, QImage* picture,
                     QString* error) {
    *picture = QImage();
    if (plan.archiveMode()) {
        if (index < plan.items.size())
            *picture = plan.items[index].picture.image();
        return true;
    }
    if (index >= plan.paths.size())
        return true;
    const QString stored = plan.paths[index];
    const QString path = joinPath(appDir, storedToPath(stored));
    if (!isSafeRelativePath(stored)) {
        *error = QStringLiteral("%1: the practise lies outside the installation").arg(stored);
        return false;
    }
    if (!sameExtension(extractExtension(stored), dataExtension(ItemKind::GraphicPractise)))
        return textPractisePicture(path, picture, error);
    const QString jpeg = pathWithoutExtension(path) + QStringLiteral(".jpg");
    QFile file(jpeg);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: the practise picture cannot be read: %2")
                     .arg(native(jpeg), file.errorString());
        return false;
    }
    return decodeFrom(file.readAll(), jpeg, picture, error);
}

QImage padTo4by3(const QImage& picture) {
    if (picture.isNull())
        return picture;
    const int w = picture.width();
    const int h = picture.height();
    const QSize size = double(w) / h > 4.0 / 3.0 ? QSize(w, int(std::lround(w / (4.0 / 3.0))))
                                                 : QSize(int(std::lround(4.0 / 3.0 * h)), h);
    QImage padded(size, QImage::Format_RGB888);
    padded.fill(Qt::white);
    QPainter painter(&padded);
    painter.drawImage(0, 0, picture);
    painter.end();
    return padded;
}

} // namespace korvex
