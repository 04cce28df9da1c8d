#include "images/gifCodec.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "language/tStream.h"

namespace {

// Frames larger than this are taken for damage rather than allocated.
constexpr int64_t kMaxPixels = int64_t(1) << 24;
constexpr int kPaletteSize = 256;
constexpr int kTransparentIndex = 255;

[[noreturn]] void gifFailed(int error)
{
    const char* text = GifErrorString(error);  // may be null
    throw eStreamError(std::string("GIF: ") + (text ? text : "error"));
}

struct tReadSource {
    std::span<const uint8_t> bytes;
    size_t position = 0;
};

int readBytes(GifFileType* gif, GifByteType* buffer, int count)
{
    auto* source = static_cast<tReadSource*>(gif->UserData);
    const size_t n = std::min(static_cast<size_t>(std::max(count, 0)), source->bytes.size() - source->position);
    if (n > 0) std::memcpy(buffer, source->bytes.data() + source->position, n);
    source->position += n;
    return static_cast<int>(n);
}

struct tGifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

// The rows of an interlaced frame in the order they are stored.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass]) rows.push_back(y);
    return rows;
}

tLogoPicture readFrame(GifFileType* gif, const GraphicsControlBlock& control)
{
    const GifImageDesc& desc = gif->Image;
    if (desc.Width <= 0 || desc.Height <= 0 || int64_t(desc.Width) * desc.Height > kMaxPixels) gifFailed(D_GIF_ERR_DATA_TOO_BIG);
    const ColorMapObject* colours = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    tLogoPicture picture;
    picture.colour = QImage(desc.Width, desc.Height, QImage::Format_RGB32);
    picture.colour.fill(qRgb(0, 0, 0));
    const bool transparent = control.TransparentColor != NO_TRANSPARENT_COLOR;
    if (transparent) picture.mask = opaqueMask(desc.Width, desc.Height);
    std::vector<GifByteType> row(static_cast<size_t>(desc.Width));
    for (int y : rowOrder(desc.Height, desc.Interlace)) {
        if (DGifGetLine(gif, row.data(), desc.Width) == GIF_ERROR) gifFailed(gif->Error);
        auto* line = reinterpret_cast<QRgb*>(picture.colour.scanLine(y));
        for (int x = 0; x < desc.Width; ++x) {
            if (transparent && row[x] == control.TransparentColor) {
                picture.mask.setPixel(x, y, 1);
            } else if (colours && row[x] < colours->ColorCount) {
                const GifColorType& c = colours->Colors[row[x]];
                line[x] = qRgb(c.Red, c.Green, c.Blue);
            }
        }
    }
    picture.hotX = desc.Left;
    picture.hotY = desc.Top;
    picture.delay = control.DelayTime * 10;
    return picture;
}

}  // namespace

tLogoImage* readGif(std::span<const uint8_t> file)
{
    tReadSource source{file};
    int error = 0;
    std::unique_ptr<GifFileType, tGifCloser> gif(DGifOpen(&source, readBytes, &error));
    if (!gif) gifFailed(error);
    std::vector<tLogoPicture> pictures;
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    for (GifRecordType type = UNDEFINED_RECORD_TYPE; type != TERMINATE_RECORD_TYPE;) {
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) gifFailed(gif->Error);
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR) gifFailed(gif->Error);
            pictures.push_back(readFrame(gif.get(), control));
            control = {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        } else if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR) gifFailed(gif->Error);
            while (block) {
                if (code == GRAPHICS_EXT_FUNC_CODE && block[0] >= 4) DGifExtensionToGCB(block[0], block + 1, &control);
                if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR) gifFailed(gif->Error);
            }
        }
    }
    auto* image = new tLogoImage;
    image->frames.push_back(makeFrame(std::move(pictures)));
    return image;
}

namespace {

int writeBytes(GifFileType* gif, const GifByteType* bytes, int count)
{
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + count);
    return count;
}

struct tGifWriteCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct tMapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The picture's pixels as palette indices: its own colours when there are at most 255 of them,
// else a 6 x 7 x 6 colour cube; index 255 is white and marks transparent pixels.
std::vector<GifByteType> indexedPixels(const tLogoPicture& picture, ColorMapObject& palette)
{
    const QImage source = picture.colour.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> exact;
    for (int y = 0; y < source.height() && exact.size() <= kTransparentIndex; ++y)
        for (int x = 0; x < source.width() && exact.size() <= kTransparentIndex; ++x)
            if (!picture.IsTransparent(x, y)) exact.emplace(source.pixel(x, y) & 0xFFFFFF, 0);
    const bool fits = exact.size() <= kTransparentIndex;
    for (int i = 0; i < kPaletteSize; ++i) palette.Colors[i] = {0, 0, 0};
    if (fits) {
        int next = 0;
        for (auto& [colour, index] : exact) {
            index = next;
            palette.Colors[next++] = {GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))};
        }
    } else {
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 7; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.Colors[(r * 7 + g) * 6 + b] = {GifByteType(r * 51), GifByteType(g * 255 / 6), GifByteType(b * 51)};
    }
    palette.Colors[kTransparentIndex] = {255, 255, 255};
    std::vector<GifByteType> pixels(static_cast<size_t>(source.width()) * source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            GifByteType& index = pixels[static_cast<size_t>(y) * source.width() + x];
            const QRgb colour = source.pixel(x, y) & 0xFFFFFF;
            if (picture.IsTransparent(x, y))
                index = kTransparentIndex;
            else if (fits)
                index = static_cast<GifByteType>(exact.at(colour));
            else
                index = static_cast<GifByteType>(((qRed(colour) * 5 + 127) / 255 * 7 + (qGreen(colour) * 6 + 127) / 255) * 6 +
                                                 (qBlue(colour) * 5 + 127) / 255);
        }
    return pixels;
}

void check(GifFileType* gif, int result)
{
    if (result == GIF_ERROR) gifFailed(gif->Error);
}

}  // namespace

std::vector<uint8_t> writeGif(const std::vector<tLogoPicture>& pictures, bool loop)
{
    std::vector<uint8_t> out;
    int error = 0;
    std::unique_ptr<GifFileType, tGifWriteCloser> gif(EGifOpen(&out, writeBytes, &error));
    if (!gif) gifFailed(error);
    int width = 1, height = 1;
    for (const tLogoPicture& picture : pictures) {
        width = std::max(width, std::max(picture.hotX, 0) + picture.Width());
        height = std::max(height, std::max(picture.hotY, 0) + picture.Height());
    }
    EGifSetGifVersion(gif.get(), true);
    check(gif.get(), EGifPutScreenDesc(gif.get(), width, height, 8, 0, nullptr));
    if (loop && pictures.size() > 1) {
        const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const GifByteType repeatAlways[] = {1, 0, 0};
        check(gif.get(), EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE));
        check(gif.get(), EGifPutExtensionBlock(gif.get(), sizeof application, application));
        check(gif.get(), EGifPutExtensionBlock(gif.get(), sizeof repeatAlways, repeatAlways));
        check(gif.get(), EGifPutExtensionTrailer(gif.get()));
    }
    for (const tLogoPicture& picture : pictures) {
        if (!picture.HasImage()) continue;
        std::unique_ptr<ColorMapObject, tMapFreer> palette(GifMakeMapObject(kPaletteSize, nullptr));
        if (!palette) gifFailed(E_GIF_ERR_NOT_ENOUGH_MEM);
        std::vector<GifByteType> pixels = indexedPixels(picture, *palette);
        GraphicsControlBlock control{DISPOSE_BACKGROUND, false, std::max(picture.delay, 0) / 10,
                                     picture.HasMask() ? kTransparentIndex : NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        check(gif.get(), EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension));
        check(gif.get(), EGifPutImageDesc(gif.get(), std::max(picture.hotX, 0), std::max(picture.hotY, 0), picture.Width(),
                                          picture.Height(), false, palette.get()));
        for (int y = 0; y < picture.Height(); ++y)
            check(gif.get(), EGifPutLine(gif.get(), pixels.data() + static_cast<size_t>(y) * picture.Width(), picture.Width()));
    }
    int closeError = 0;
    if (EGifCloseFile(gif.release(), &closeError) == GIF_ERROR) gifFailed(closeError);
    return out;
}
