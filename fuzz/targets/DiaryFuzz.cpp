// A team file of the kind TDiary, read whole and its grid rows built.
#include "FuzzInstallation.h"

#include "storage/TDiary.h"

#include <QBuffer>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation::instance();
    QByteArray bytes = fuzz::inputBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TDiary records;
    if (records.read(&buffer, QStringLiteral("fuzz.dmp"), true))
        records.gridRows();
    return 0;
}
