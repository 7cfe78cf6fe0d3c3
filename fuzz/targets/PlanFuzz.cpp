// A training plan file.
#include "FuzzInstallation.h"

#include "storage/TrainingPlanFile.h"

#include <QBuffer>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation::instance();
    QByteArray bytes = fuzz::inputBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TrainingPlanData plan;
    QString error;
    // An ordinary plan keeps no pictures: reading is the whole of it.
    readPlan(&buffer, QStringLiteral("fuzz.pmp"), false, &plan, &error);
    return 0;
}
