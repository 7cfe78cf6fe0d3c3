// An archived training plan, its practise pictures decoded.
#include "FuzzInstallation.h"

#include "core/Jpeg.h"
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
    if (!readPlan(&buffer, QStringLiteral("fuzz.pamp"), true, &plan, &error))
        return 0;
    for (const PlanArchiveItem& item : plan.archived) {
        QImage image;
        if (!item.picture.isEmpty())
            decodeJpeg(item.picture, &image, &error);
    }
    return 0;
}
