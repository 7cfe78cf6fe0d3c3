// A text practise file, its pictures decoded as the view shows them.
#include "FuzzInstallation.h"

#include "core/Jpeg.h"
#include "storage/TextPractiseFile.h"

#include <QBuffer>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation::instance();
    QByteArray bytes = fuzz::inputBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TextPractiseData practise;
    QString error;
    if (!readTextPractise(&buffer, QStringLiteral("fuzz.tmp"), &practise, &error))
        return 0;
    for (const QByteArray& picture : practise.pictures) {
        QImage image;
        decodeJpeg(picture, &image, &error);
    }
    return 0;
}
