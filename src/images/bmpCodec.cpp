#include "images/bmpCodec.h"

#include <array>

#include "language/tStream.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;
constexpr uint32_t kRgb = 0, kBitFields = 3;
// Larger sides than this are taken for damage, not for a picture.
constexpr int64_t kMaxSide = 1 << 15;

[[noreturn]] void damaged() { throw eStreamError("Bitmap image is not valid"); }

class tReader {
public:
    explicit tReader(std::span<const uint8_t> bytes) : bytes(bytes) {}

    void Need(int64_t offset, int64_t count) const
    {
        if (offset < 0 || count < 0 || offset + count > static_cast<int64_t>(bytes.size())) damaged();
    }
    uint32_t U16(int64_t offset) const
    {
        Need(offset, 2);
        return bytes[offset] | bytes[offset + 1] << 8;
    }
    uint32_t U32(int64_t offset) const
    {
        Need(offset, 4);
        return uint32_t(bytes[offset]) | uint32_t(bytes[offset + 1]) << 8 | uint32_t(bytes[offset + 2]) << 16 |
               uint32_t(bytes[offset + 3]) << 24;
    }
    int32_t I32(int64_t offset) const { return static_cast<int32_t>(U32(offset)); }
    uint8_t At(int64_t offset) const { return bytes[static_cast<size_t>(offset)]; }

private:
    std::span<const uint8_t> bytes;
};

// A channel given by a bit mask, scaled to 0..255.
struct tChannel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t maximum = 0;

    explicit tChannel(uint32_t bits = 0) : mask(bits)
    {
        if (!mask) return;
        while (!((mask >> shift) & 1)) ++shift;
        maximum = mask >> shift;
    }
    uint32_t Of(uint32_t pixel) const
    {
        return maximum ? ((pixel & mask) >> shift) * 255 / maximum : 0;
    }
};

struct tLayout {
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kRgb;
    int64_t paletteStart = 0;
    int paletteEntrySize = 4;
    int64_t paletteCount = 0;
    std::array<tChannel, 3> channels;  // red, green, blue for 16 and 32 bits
};

tLayout readLayout(const tReader& in)
{
    if (in.U16(0) != ('B' | 'M' << 8)) damaged();
    const uint32_t headerSize = in.U32(kFileHeaderSize);
    tLayout layout;
    int64_t colourUsed = 0;
    if (headerSize == kCoreHeaderSize) {
        layout.width = in.U16(18);
        layout.height = in.U16(20);
        layout.bits = static_cast<int>(in.U16(24));
        layout.paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize) {
        layout.width = in.I32(18);
        const int32_t height = in.I32(22);
        layout.topDown = height < 0;
        layout.height = height < 0 ? -int64_t(height) : height;
        layout.bits = static_cast<int>(in.U16(28));
        layout.compression = in.U32(30);
        colourUsed = in.U32(46);
    } else {
        damaged();
    }
    layout.paletteStart = kFileHeaderSize + headerSize;
    if (layout.width < 0 || layout.width > kMaxSide || layout.height > kMaxSide) damaged();

    switch (layout.bits) {
    case 1: case 4: case 8:
        if (layout.compression != kRgb) damaged();
        layout.paletteCount = colourUsed ? colourUsed : int64_t(1) << layout.bits;
        if (layout.paletteCount > (int64_t(1) << layout.bits)) damaged();
        in.Need(layout.paletteStart, layout.paletteCount * layout.paletteEntrySize);
        break;
    case 16: case 32: {
        std::array<uint32_t, 3> masks = layout.bits == 16 ? std::array<uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                                          : std::array<uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
        if (layout.compression == kBitFields) {
            // The masks follow a Windows 3 header and are inside the later ones, at the same place.
            for (int i = 0; i < 3; ++i) masks[i] = in.U32(kFileHeaderSize + kInfoHeaderSize + 4 * i);
        } else if (layout.compression != kRgb) {
            damaged();
        }
        for (int i = 0; i < 3; ++i) layout.channels[i] = tChannel(masks[i]);
        break;
    }
    case 24:
        if (layout.compression != kRgb) damaged();
        break;
    default:
        damaged();
    }
    return layout;
}

}  // namespace

QImage readBmp(std::span<const uint8_t> file)
{
    const tReader in(file);
    const tLayout layout = readLayout(in);
    if (layout.width == 0 || layout.height == 0) return {};

    const int64_t stride = (layout.width * layout.bits + 31) / 32 * 4;
    const int64_t dataStart = in.U32(10);
    in.Need(dataStart, stride * layout.height);

    std::vector<QRgb> palette(static_cast<size_t>(layout.paletteCount));
    for (int64_t i = 0; i < layout.paletteCount; ++i) {
        const int64_t at = layout.paletteStart + i * layout.paletteEntrySize;
        palette[static_cast<size_t>(i)] = qRgb(in.At(at + 2), in.At(at + 1), in.At(at));
    }

    QImage picture(static_cast<int>(layout.width), static_cast<int>(layout.height), QImage::Format_RGB32);
    if (picture.isNull()) damaged();
    for (int64_t row = 0; row < layout.height; ++row) {
        const int64_t line = dataStart + row * stride;
        const int64_t y = layout.topDown ? row : layout.height - 1 - row;
        auto* target = reinterpret_cast<QRgb*>(picture.scanLine(static_cast<int>(y)));
        for (int64_t x = 0; x < layout.width; ++x) {
            QRgb colour = 0;
            switch (layout.bits) {
            case 1: case 4: case 8: {
                const int64_t bit = x * layout.bits;
                const int shift = 8 - layout.bits - static_cast<int>(bit % 8);
                const uint32_t index = (in.At(line + bit / 8) >> shift) & ((1u << layout.bits) - 1);
                colour = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
                break;
            }
            case 16:
            case 32: {
                const uint32_t pixel = layout.bits == 16 ? in.U16(line + 2 * x) : in.U32(line + 4 * x);
                colour = qRgb(layout.channels[0].Of(pixel), layout.channels[1].Of(pixel), layout.channels[2].Of(pixel));
                break;
            }
            default: {
                const int64_t at = line + 3 * x;
                colour = qRgb(in.At(at + 2), in.At(at + 1), in.At(at));
            }
            }
            target[x] = colour;
        }
    }
    return picture;
}

namespace {

void put16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// File and Windows 3 headers of a bottom-up bitmap; the pixel rows follow the palette.
std::vector<uint8_t> headers(int width, int height, int bits, uint32_t paletteCount)
{
    const uint32_t stride = (uint32_t(width) * bits + 31) / 32 * 4;
    const uint32_t dataStart = kFileHeaderSize + kInfoHeaderSize + 4 * paletteCount;
    const uint32_t dataSize = stride * uint32_t(height);
    std::vector<uint8_t> out;
    out.reserve(dataStart + dataSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, dataStart + dataSize);
    put32(out, 0);
    put32(out, dataStart);
    put32(out, kInfoHeaderSize);
    put32(out, uint32_t(width));
    put32(out, uint32_t(height));
    put16(out, 1);
    put16(out, uint32_t(bits));
    put32(out, kRgb);
    put32(out, dataSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, paletteCount);
    put32(out, 0);
    return out;
}

void padRow(std::vector<uint8_t>& out, size_t rowStart)
{
    while ((out.size() - rowStart) % 4) out.push_back(0);
}

}  // namespace

std::vector<uint8_t> writeBmp(const QImage& picture)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<uint8_t> out = headers(source.width(), source.height(), 24, 0);
    for (int y = source.height() - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            out.push_back(uint8_t(qBlue(line[x])));
            out.push_back(uint8_t(qGreen(line[x])));
            out.push_back(uint8_t(qRed(line[x])));
        }
        padRow(out, rowStart);
    }
    return out;
}

std::vector<uint8_t> writeMaskBmp(const QImage& mask)
{
    std::vector<uint8_t> out = headers(mask.width(), mask.height(), 1, 2);
    put32(out, 0x000000);
    put32(out, 0xFFFFFF);
    for (int y = mask.height() - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        uint8_t byte = 0;
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.pixelIndex(x, y) == 1) byte |= uint8_t(0x80 >> (x % 8));
            if (x % 8 == 7 || x == mask.width() - 1) {
                out.push_back(byte);
                byte = 0;
            }
        }
        padRow(out, rowStart);
    }
    return out;
}
