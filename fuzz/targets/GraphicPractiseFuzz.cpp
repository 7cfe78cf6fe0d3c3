// A graphic practise data file, read and painted as the editor and the thumbnails do.
#include "FuzzInstallation.h"

#include "storage/TGraphicPractise.h"

#include <QBuffer>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    QByteArray bytes = fuzz::inputBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TGraphicPractise practise(installation.settings(), installation.language());
    if (practise.readFrom(&buffer, QStringLiteral("fuzz.gmp")))
        practise.RenderPicture();
    return 0;
}
