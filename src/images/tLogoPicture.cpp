#include "images/tLogoPicture.h"

bool tLogoPicture::IsTransparent(int x, int y) const
{
    if (!HasMask() || !mask.valid(x, y)) return false;
    return mask.pixelIndex(x, y) == 1;
}

QImage tLogoPicture::Composed() const
{
    if (!HasImage()) return {};
    QImage composed = colour.convertToFormat(QImage::Format_ARGB32);
    if (!HasMask()) return composed;
    for (int y = 0; y < composed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(composed.scanLine(y));
        for (int x = 0; x < composed.width(); ++x)
            if (IsTransparent(x, y)) line[x] = 0;
    }
    return composed;
}

QImage opaqueMask(int width, int height)
{
    QImage mask(width, height, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(0);
    return mask;
}

QImage maskFromBitmap(const QImage& bitmap)
{
    QImage mask = opaqueMask(bitmap.width(), bitmap.height());
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            if (qGray(bitmap.pixel(x, y)) >= 128) mask.setPixel(x, y, 1);
    return mask;
}
