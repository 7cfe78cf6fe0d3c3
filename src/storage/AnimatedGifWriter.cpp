#include "storage/AnimatedGifWriter.h"

#include <QIODevice>
#include <QRect>

#include <gif_lib.h>
#include <libimagequant.h>

#include <algorithm>
#include <vector>

namespace korvex {

namespace {

int writeToDevice(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    const qint64 written = device->write(reinterpret_cast<const char*>(bytes), length);
    return written == length ? length : 0;
}

// A picture as the tightly packed RGBA bytes libimagequant reads.
QImage rgbaOf(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGBA8888);
}

} // namespace

struct AnimatedGifWriter::State {
    GifFileType* gif = nullptr;
    liq_attr* attr = nullptr;
    liq_result* palette = nullptr;
    // The colours on screen after the last picture, 0xRRGGBB per pixel.
    std::vector<quint32> shown;

    ~State() {
        if (gif != nullptr)
            EGifCloseFile(gif, nullptr);
        if (palette != nullptr)
            liq_result_destroy(palette);
        if (attr != nullptr)
            liq_attr_destroy(attr);
    }
};

AnimatedGifWriter::AnimatedGifWriter() = default;
AnimatedGifWriter::~AnimatedGifWriter() = default;

bool AnimatedGifWriter::fail(const QString& message) {
    m_error = message;
    m_state.reset();
    return false;
}

bool AnimatedGifWriter::failGif(const char* what, int code) {
    return fail(QStringLiteral("the animation could not be written (%1: %2)")
                    .arg(QString::fromLatin1(what), QString::fromLatin1(GifErrorString(code))));
}

bool AnimatedGifWriter::begin(QIODevice* device, QSize size, const QList<QImage>& palettePictures) {
    m_error.clear();
    m_size = size;
    if (size.isEmpty() || size.width() > 65535 || size.height() > 65535 ||
        palettePictures.isEmpty())
        return fail(QStringLiteral("the animation has no pictures to write"));
    m_state = std::make_unique<State>();

    m_state->attr = liq_attr_create();
    liq_histogram* histogram = liq_histogram_create(m_state->attr);
    bool added = true;
    for (const QImage& picture : palettePictures) {
        const QImage rgba = rgbaOf(picture);
        if (rgba.size() != size) {
            added = false;
            break;
        }
        liq_image* image =
            liq_image_create_rgba(m_state->attr, rgba.constBits(), rgba.width(), rgba.height(), 0);
        added =
            image != nullptr && liq_histogram_add_image(histogram, m_state->attr, image) == LIQ_OK;
        if (image != nullptr)
            liq_image_destroy(image);
        if (!added)
            break;
    }
    const bool quantized =
        added && liq_histogram_quantize(histogram, m_state->attr, &m_state->palette) == LIQ_OK;
    liq_histogram_destroy(histogram);
    if (!quantized)
        return fail(QStringLiteral("no palette could be made for the animation"));
    liq_set_dithering_level(m_state->palette, 0.0f);

    int code = 0;
    m_state->gif = EGifOpen(device, writeToDevice, &code);
    if (m_state->gif == nullptr)
        return failGif("open", code);
    EGifSetGifVersion(m_state->gif, true);
    // The colours travel with each picture (local maps), so no global map is written.
    if (EGifPutScreenDesc(m_state->gif, size.width(), size.height(), 8, 0, nullptr) != GIF_OK)
        return failGif("screen", m_state->gif->Error);
    // NETSCAPE2.0 application block: loop count 0 plays for ever.
    const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const GifByteType loop[] = {1, 0, 0};
    if (EGifPutExtensionLeader(m_state->gif, APPLICATION_EXT_FUNC_CODE) != GIF_OK ||
        EGifPutExtensionBlock(m_state->gif, sizeof application, application) != GIF_OK ||
        EGifPutExtensionBlock(m_state->gif, sizeof loop, loop) != GIF_OK ||
        EGifPutExtensionTrailer(m_state->gif) != GIF_OK)
        return failGif("loop", m_state->gif->Error);
    return true;
}

bool AnimatedGifWriter::add(const QImage& picture, int delayMs) {
    if (!m_state)
        return fail(m_error.isEmpty() ? QStringLiteral("the animation was not started") : m_error);
    const QImage rgba = rgbaOf(picture);
    if (rgba.size() != m_size)
        return fail(QStringLiteral("a picture of the animation has the wrong size"));
    liq_image* image =
        liq_image_create_rgba(m_state->attr, rgba.constBits(), rgba.width(), rgba.height(), 0);
    if (image == nullptr)
        return fail(QStringLiteral("a picture of the animation could not be read"));
    std::vector<GifByteType> pixels(size_t(rgba.width()) * size_t(rgba.height()));
    const liq_error remapped =
        liq_write_remapped_image(m_state->palette, image, pixels.data(), pixels.size());
    liq_image_destroy(image);
    if (remapped != LIQ_OK)
        return fail(
            QStringLiteral("a picture of the animation could not be mapped to its colours"));

    // The palette as it stands after mapping, padded to the power of two GIF needs.
    const liq_palette* palette = liq_get_palette(m_state->palette);
    int mapSize = 2;
    while (mapSize < int(palette->count))
        mapSize *= 2;
    std::vector<GifColorType> colours(size_t(mapSize), GifColorType{0, 0, 0});
    for (unsigned i = 0; i < palette->count; ++i)
        colours[i] = {palette->entries[i].r, palette->entries[i].g, palette->entries[i].b};
    ColorMapObject* map = GifMakeMapObject(mapSize, colours.data());
    if (map == nullptr)
        return fail(QStringLiteral("out of memory while writing the animation"));

    // Only the rectangle whose shown colours changed since the last picture is written; the
    // rest of the last picture stays on screen (disposal "do not dispose").
    const int w = m_size.width();
    const int h = m_size.height();
    std::vector<quint32> shown(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        const GifColorType& c = colours[pixels[i]];
        shown[i] = quint32(c.Red) << 16 | quint32(c.Green) << 8 | c.Blue;
    }
    QRect changed(0, 0, w, h);
    if (m_state->shown.size() == shown.size()) {
        int left = w, top = h, right = -1, bottom = -1;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const size_t i = size_t(y) * size_t(w) + size_t(x);
                if (shown[i] == m_state->shown[i])
                    continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        // An unchanged picture still takes its time: one pixel stands for it.
        changed = right < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
    }
    m_state->shown = std::move(shown);

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = std::max(2, (delayMs + 5) / 10);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t extensionLength = EGifGCBToExtension(&control, extension);
    bool ok = EGifPutExtension(m_state->gif, GRAPHICS_EXT_FUNC_CODE, int(extensionLength),
                               extension) == GIF_OK &&
              EGifPutImageDesc(m_state->gif, changed.x(), changed.y(), changed.width(),
                               changed.height(), false, map) == GIF_OK;
    GifFreeMapObject(map);
    for (int y = changed.top(); ok && y <= changed.bottom(); ++y)
        ok = EGifPutLine(m_state->gif, pixels.data() + size_t(y) * size_t(w) + size_t(changed.x()),
                         changed.width()) == GIF_OK;
    if (!ok)
        return failGif("picture", m_state->gif->Error);
    return true;
}

bool AnimatedGifWriter::finish() {
    if (!m_state)
        return fail(m_error.isEmpty() ? QStringLiteral("the animation was not started") : m_error);
    int code = 0;
    const int closed = EGifCloseFile(m_state->gif, &code);
    m_state->gif = nullptr;
    m_state.reset();
    if (closed != GIF_OK)
        return failGif("close", code);
    return true;
}

} // namespace korvex
