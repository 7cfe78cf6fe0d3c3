#include "core/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace korvex {

namespace {

// At most this many pixels (a 16-megapixel photo; 64 MB as an RGB32 image), besides the
// kJpegMaxSide limit of each side.
constexpr qint64 kJpegMaxPixels = qint64(4096) * 4096;
// The most memory the decoder itself may take (the whole-picture coefficient buffer of a
// progressive picture lives there).
constexpr long kJpegMaxDecoderMemory = 64L * 1024 * 1024;
// Progressive pictures with more scans than this are refused: real ones have about ten,
// and each scan costs a pass over the whole picture.
constexpr int kJpegMaxScans = 100;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr, int) {} // warnings (such as premature end) are not printed

// Stops a progressive decode whose scans run past the limit: each scan is a pass over the
// whole picture, so a small file of a thousand scans would take seconds of work.
void onProgress(j_common_ptr info) {
    if (!info->is_decompressor)
        return;
    auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
    if (decoder->progressive_mode && decoder->input_scan_number > kJpegMaxScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(manager->message, sizeof manager->message,
                      "the picture has more than %d scans", kJpegMaxScans);
        std::longjmp(manager->jump, 1);
    }
}

} // namespace

bool decodeJpeg(const QByteArray& bytes, QImage* image, QString* error) {
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("the picture is empty");
        return false;
    }
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.emit_message = onMessage;
    // Objects with non-trivial destructors must not live across setjmp/longjmp.
    QImage* result = image;
    if (setjmp(manager.jump)) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error = QStringLiteral("corrupt JPEG picture: %1")
                         .arg(QString::fromLatin1(manager.message));
        *result = QImage();
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kJpegMaxDecoderMemory;
    jpeg_progress_mgr progress{};
    progress.progress_monitor = onProgress;
    info.progress = &progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const qint64 pixels = qint64(info.image_width) * info.image_height;
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > kJpegMaxSide ||
        info.image_height > kJpegMaxSide || pixels > kJpegMaxPixels) {
        const unsigned w = info.image_width, h = info.image_height;
        jpeg_destroy_decompress(&info);
        if (error)
            *error = QStringLiteral("the picture claims a size of %1 x %2 pixels; at most %3 "
                                    "a side and %4 megapixels are read")
                         .arg(w)
                         .arg(h)
                         .arg(kJpegMaxSide)
                         .arg(kJpegMaxPixels / 1000000);
        *result = QImage();
        return false;
    }
    info.out_color_space = JCS_EXT_BGRX; // matches QImage::Format_RGB32 on little-endian
    jpeg_start_decompress(&info);
    *result = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                     QImage::Format_RGB32);
    if (result->isNull()) {
        jpeg_destroy_decompress(&info);
        if (error)
            *error = QStringLiteral("there is not enough memory for the picture");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

QByteArray encodeJpeg(const QImage& image, int quality) {
    if (image.isNull())
        return {};
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.emit_message = onMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(manager.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(source.width());
    info.image_height = static_cast<JDIMENSION>(source.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(source.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace korvex
