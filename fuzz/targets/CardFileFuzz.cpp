// A team file of the kind TCardPractise, read whole and its grid rows built.
#include "FuzzInstallation.h"

#include "storage/TCardPractise.h"

#include <QBuffer>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation::instance();
    QByteArray bytes = fuzz::inputBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TCardPractise records;
    if (records.read(&buffer, QStringLiteral("fuzz.cmp"), true))
        records.gridRows();
    return 0;
}
