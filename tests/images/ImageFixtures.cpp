#include "ImageFixtures.h"

tLogoPicture patternPicture(int width, int height, int seed, bool withMask)
{
    tLogoPicture picture;
    picture.colour = QImage(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.colour.setPixel(x, y, qRgb(x * 37 + seed, y * 53 + seed, seed * 11));
    if (withMask) {
        picture.mask = opaqueMask(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((x + y + seed) % 3 == 0) {
                    picture.mask.setPixel(x, y, 1);
                    picture.colour.setPixel(x, y, qRgb(0, 0, 0));
                }
    }
    picture.hotX = seed % 7 - 2;
    picture.hotY = seed % 5;
    picture.delay = seed * 10;
    return picture;
}

tLogoRef<tLogoImage> patternImage(const std::vector<int>& picturesPerFrame, bool withMasks)
{
    tLogoRef<tLogoImage> image(new tLogoImage);
    int seed = 1;
    for (int count : picturesPerFrame) {
        std::vector<tLogoPicture> pictures;
        for (int i = 0; i < count; ++i, ++seed) pictures.push_back(patternPicture(3 + seed % 4, 2 + seed % 3, seed, withMasks));
        image->frames.push_back(makeFrame(std::move(pictures)));
    }
    return image;
}

namespace {

bool sameMask(const tLogoPicture& a, const tLogoPicture& b)
{
    if (a.HasMask() != b.HasMask()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.IsTransparent(x, y) != b.IsTransparent(x, y)) return false;
    return true;
}

}  // namespace

bool sameImage(const tLogoImage& a, const tLogoImage& b)
{
    if (a.style != b.style || a.zeroAngle != b.zeroAngle || a.loop != b.loop || a.Count() != b.Count()) return false;
    for (int f = 0; f < a.Count(); ++f) {
        const tLogoFrame& fa = *a.frames[f];
        const tLogoFrame& fb = *b.frames[f];
        if (fa.Count() != fb.Count()) return false;
        for (int p = 0; p < fa.Count(); ++p) {
            const tLogoPicture& pa = fa.pictures[p];
            const tLogoPicture& pb = fb.pictures[p];
            if (pa.hotX != pb.hotX || pa.hotY != pb.hotY || pa.delay != pb.delay) return false;
            if (pa.colour.convertToFormat(QImage::Format_RGB32) != pb.colour.convertToFormat(QImage::Format_RGB32))
                return false;
            if (!sameMask(pa, pb)) return false;
        }
    }
    return true;
}
