#include "images/jpegCodec.h"

#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <jpeglib.h>

#include <memory>
#include <string>
#include <vector>

#include "language/tStream.h"

namespace {

constexpr int kQuality = 90;
// Pictures larger than this are refused rather than allocated.
constexpr JDIMENSION kMaxSide = 1 << 15;
constexpr uint64_t kMaxPixels = uint64_t(1) << 26;

// libjpeg reports errors through a callback that must not return: it jumps back to the call.
struct tErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

void jumpBack(j_common_ptr info)
{
    auto* error = reinterpret_cast<tErrorJump*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->back, 1);
}

void quiet(j_common_ptr, int) {}

}  // namespace

// The whole state of one libjpeg call lives on the heap behind a pointer set before setjmp, so
// that the jump back skips no destructor and finds every value as it was left.
struct tJpegRead {
    jpeg_decompress_struct info{};
    tErrorJump error{};
    std::vector<JSAMPLE> pixels;
};

struct tJpegWrite {
    jpeg_compress_struct info{};
    tErrorJump error{};
    std::vector<JSAMPLE> pixels;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
};

QImage readJpeg(std::span<const uint8_t> file)
{
    const auto state = std::make_unique<tJpegRead>();
    jpeg_decompress_struct& info = state->info;
    state->info.err = jpeg_std_error(&state->error.manager);
    state->error.manager.error_exit = jumpBack;
    state->error.manager.emit_message = quiet;
    if (setjmp(state->error.back)) {
        jpeg_destroy_decompress(&info);
        throw eStreamError(std::string("JPEG: ") + state->error.message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width > kMaxSide || info.output_height > kMaxSide ||
        uint64_t(info.output_width) * info.output_height > kMaxPixels || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        throw eStreamError("JPEG: picture too large");
    }
    const size_t rowSize = size_t(info.output_width) * 3;
    state->pixels.resize(rowSize * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {state->pixels.data() + rowSize * info.output_scanline};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    const int width = static_cast<int>(info.output_width), height = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);

    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull()) throw eStreamError("JPEG: picture too large");
    for (int y = 0; y < height; ++y) {
        const JSAMPLE* row = state->pixels.data() + rowSize * y;
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
    }
    return picture;
}

std::vector<uint8_t> writeJpeg(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const auto state = std::make_unique<tJpegWrite>();
    const size_t rowSize = size_t(source.width()) * 3;
    state->pixels.resize(rowSize * source.height());
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        JSAMPLE* row = state->pixels.data() + rowSize * y;
        for (int x = 0; x < source.width(); ++x) {
            row[3 * x] = static_cast<JSAMPLE>(qRed(line[x]));
            row[3 * x + 1] = static_cast<JSAMPLE>(qGreen(line[x]));
            row[3 * x + 2] = static_cast<JSAMPLE>(qBlue(line[x]));
        }
    }
    jpeg_compress_struct& info = state->info;
    info.err = jpeg_std_error(&state->error.manager);
    state->error.manager.error_exit = jumpBack;
    if (setjmp(state->error.back)) {
        jpeg_destroy_compress(&info);
        std::free(state->buffer);
        throw eStreamError(std::string("JPEG: ") + state->error.message);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &state->buffer, &state->size);
    info.image_width = static_cast<JDIMENSION>(source.width());
    info.image_height = static_cast<JDIMENSION>(source.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kQuality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {state->pixels.data() + rowSize * info.next_scanline};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> file(state->buffer, state->buffer + state->size);
    std::free(state->buffer);
    return file;
}
