// A player roster in CSV as the import reads it.
#include "FuzzInstallation.h"

#include "storage/PlayerCsv.h"

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation::instance();
    if (qint64(size) > kMaxCsvBytes)
        return 0;
    parsePlayerCsv(fuzz::inputBytes(data, size), {QStringLiteral("Surname")});
    return 0;
}
