#include "turtle/drawingListPicture.h"

#include <QImage>

#include "turtle/tDrawingList.h"

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
}  // namespace

// The list is drawn twice, on white and on black: a pixel that kept both backgrounds was not
// drawn, whatever colours the list uses.
tTurtleShape::tView drawingListView(tDrawingList& list, tRealPoint at, long double heading)
{
    list.Place(at, 1, 1, heading);
    const tPixelRect bounds = list.Bounds();
    if (bounds.right < bounds.left || bounds.bottom < bounds.top) return {};
    const int width = static_cast<int>(bounds.right - bounds.left + 1);
    const int height = static_cast<int>(bounds.bottom - bounds.top + 1);
    list.Place({at.x - bounds.left, at.y - bounds.top}, 1, 1, heading);

    QImage onWhite(width, height, QImage::Format_RGB32);
    QImage onBlack(width, height, QImage::Format_RGB32);
    if (onWhite.isNull() || onBlack.isNull()) return {};
    onWhite.fill(kWhite);
    onBlack.fill(kBlack);
    list.Render(onWhite, 0xFFFFFF, nullptr);
    list.Render(onBlack, 0xFFFFFF, nullptr);

    tTurtleShape::tView view;
    view.picture = onBlack.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const auto* white = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        const auto* black = reinterpret_cast<const QRgb*>(onBlack.constScanLine(y));
        auto* shown = reinterpret_cast<QRgb*>(view.picture.scanLine(y));
        for (int x = 0; x < width; ++x)
            if (white[x] == kWhite && black[x] == kBlack) shown[x] = 0;
    }
    view.hotX = static_cast<int32_t>(roundPixel(at.x) - bounds.left);
    view.hotY = static_cast<int32_t>(roundPixel(at.y) - bounds.top);
    return view;
}
