#include "turtle/thinLine.h"

#include <QImage>

#include <algorithm>
#include <utility>

namespace {

// Floor division for a positive divisor.
int64_t floorDiv(__int128 numerator, int64_t divisor, int64_t& remainder)
{
    __int128 quotient = numerator / divisor;
    __int128 rest = numerator % divisor;
    if (rest < 0) {
        rest += divisor;
        --quotient;
    }
    remainder = static_cast<int64_t>(rest);
    return static_cast<int64_t>(quotient);
}

}  // namespace

void drawThinLine(QImage& picture, tPixel from, tPixel to, uint32_t colour, tRasterMode mode, const tPixelRect& clip)
{
    const int64_t left = std::max<int64_t>(clip.left, 0);
    const int64_t top = std::max<int64_t>(clip.top, 0);
    const int64_t right = std::min<int64_t>(clip.right, picture.width() - 1);
    const int64_t bottom = std::min<int64_t>(clip.bottom, picture.height() - 1);
    if (left > right || top > bottom) return;

    uint8_t* bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    const uint32_t copied = 0xFF000000u | (colour & 0xFFFFFFu);
    const uint32_t flipped = colour & 0xFFFFFFu;
    const tPixel end = to;
    auto plot = [&](int64_t x, int64_t y) {
        if (x < left || x > right || y < top || y > bottom) return;
        if (mode == tRasterMode::kXor && x == end.x && y == end.y) return;
        auto* pixel = reinterpret_cast<uint32_t*>(bits + y * stride) + x;
        *pixel = mode == tRasterMode::kXor ? (*pixel ^ flipped) : copied;
    };

    const bool xMajor = (from.x > to.x ? from.x - to.x : to.x - from.x) >= (from.y > to.y ? from.y - to.y : to.y - from.y);
    auto major = [&](const tPixel& p) { return xMajor ? p.x : p.y; };
    auto minor = [&](const tPixel& p) { return xMajor ? p.y : p.x; };
    if (major(from) > major(to)) std::swap(from, to);
    const int64_t run = major(to) - major(from);
    if (run == 0) {
        plot(from.x, from.y);
        return;
    }
    const int64_t rise = minor(to) - minor(from);
    const int64_t first = std::max(major(from), xMajor ? left : top);
    const int64_t last = std::min(major(to), xMajor ? right : bottom);
    if (first > last) return;

    // minor(t) = minor(from) + floor((2 (t - start) rise + run) / (2 run)), stepped exactly.
    const int64_t span = 2 * run;
    int64_t remainder = 0;
    int64_t offset = floorDiv(static_cast<__int128>(2) * (first - major(from)) * rise + run, span, remainder);
    const int64_t step = 2 * rise;
    for (int64_t t = first; t <= last; ++t) {
        const int64_t m = minor(from) + offset;
        if (xMajor)
            plot(t, m);
        else
            plot(m, t);
        remainder += step;
        if (remainder >= span) {
            remainder -= span;
            ++offset;
        } else if (remainder < 0) {
            remainder += span;
            --offset;
        }
    }
}
