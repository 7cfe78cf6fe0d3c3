// The JPEG decoder with the program's limits on size, memory and scans.
#include "FuzzInstallation.h"

#include "core/Jpeg.h"

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation::instance();
    QImage image;
    QString error;
    decodeJpeg(fuzz::inputBytes(data, size), &image, &error);
    return 0;
}
