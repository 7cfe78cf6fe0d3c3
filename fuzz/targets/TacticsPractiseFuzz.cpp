// A tactics practise file, read and painted frame by frame.
#include "FuzzInstallation.h"

#include "storage/TTacticsPractise.h"

#include <QBuffer>

using namespace korvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    QByteArray bytes = fuzz::inputBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TTacticsPractise practise(installation.settings(), installation.language());
    if (!practise.readTacticsFrom(&buffer, QStringLiteral("fuzz.tac")))
        return 0;
    for (int frame = 0; frame < practise.frameCount() && frame < 8; ++frame) {
        practise.SetFrame(frame);
        practise.RenderPicture();
    }
    return 0;
}
