#include "storage/AnimationGif.h"

#include "storage/AnimatedGifWriter.h"
#include "storage/AnimationPictures.h"
#include "storage/TTacticsPractise.h"

#include "core/SafeSave.h"

#include <algorithm>

namespace korvex {

namespace {

constexpr int kLastFrameMs = 1000;

} // namespace

bool writeAnimationGif(TTacticsPractise& practise, QIODevice* device, int msPerFrame, bool smooth,
                       QString* error) {
    const AnimationPictures pictures(practise, msPerFrame, smooth);
    // Moving figures show no colour their frames lack, so the frames give the palette.
    QList<QImage> frames;
    for (int frame = 0; frame < practise.frameCount(); ++frame)
        frames.append(pictures.renderFrame(frame));
    AnimatedGifWriter writer;
    const QSize size(practise.pictureWidth(), practise.pictureHeight());
    bool ok = writer.begin(device, size, frames);
    const int last = pictures.count() - 1;
    for (int index = 0; ok && index <= last; ++index) {
        const QImage picture = smooth ? pictures.render(index) : frames.at(pictures.frameOf(index));
        const int delay =
            index == last ? std::max(kLastFrameMs, msPerFrame) : pictures.delayMs(index);
        ok = writer.add(picture, delay);
    }
    ok = ok && writer.finish();
    if (!ok && error != nullptr)
        *error = writer.errorString();
    return ok;
}

bool saveAnimationGif(TTacticsPractise& practise, const QString& file, int msPerFrame, bool smooth,
                      QString* error) {
    return saveWith(
        file,
        [&](QIODevice* device, QString* message) {
            return writeAnimationGif(practise, device, msPerFrame, smooth, message);
        },
        error);
}

} // namespace korvex
