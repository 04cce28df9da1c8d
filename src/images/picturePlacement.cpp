#include "images/picturePlacement.h"

#include <QPainter>

#include <optional>
#include <utility>
#include <vector>

#include "language/Language.h"
#include "turtle/rangeRectangles.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

namespace {

enum class tKey { kStyle, kRect, kARect, kPos, kAPos, kSize, kScale };

constexpr const char* kKeyWords[] = {"style_putpicture", "rect_putpicture", "arect_putpicture", "pos_putpicture",
                                     "apos_putpicture",  "size_putpicture", "scale_putpicture"};
constexpr const char* kStyleWords[] = {"upperleft_putpicture", "center_putpicture", "tile_putpicture",
                                       "stretch_putpicture"};

// The position of the value's word among the parameter words; -1 when it is none of them.
template <size_t N>
int wordIndex(tlogoobject* value, const char* const (&keys)[N])
{
    if (!value->IsWord()) return -1;
    for (size_t k = 0; k < N; ++k)
        if (isWord("param", keys[k], value->WordView())) return static_cast<int>(k);
    return -1;
}

// "scale" is taken and changes nothing, but it must be a number or a pair of numbers.
void checkScale(tlogoobject* value)
{
    if (!value->IsList()) {
        if (!value->IsNumber()) throw eLogoException(erExpectNumber, value);
        return;
    }
    int count = 0;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) {
        if (!element->IsNumber()) throw eLogoException(erExpectNumber, value);
        ++count;
    }
    if (count != 2) throw eLogoException(erExpectNumber, value);
}

}  // namespace

tPutPlacement readPutParameters(tgrScreen& screen, tlogoobject* parameters)
{
    if (!parameters->IsList()) throw eLogoException(erExpectList, parameters);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(parameters))) parts.push_back(element);

    std::optional<tPutStyle> style;
    bool placed = false;
    // Surface pixels; an extent of 0 reaches the picture's edge.
    long double left = 0, top = 0, width = 0, height = 0;
    for (size_t i = 0; i < parts.size(); i += 2) {
        const int key = wordIndex(parts[i], kKeyWords);
        if (key < 0 || i + 1 == parts.size()) throw eLogoException(erExpectWord, parts[i]);
        tlogoobject* value = parts[i + 1];
        switch (static_cast<tKey>(key)) {
        case tKey::kStyle: {
            const int chosen = wordIndex(value, kStyleWords);
            if (chosen < 0) throw eLogoException(erExpectWord, value);
            style = static_cast<tPutStyle>(chosen);
            continue;
        }
        case tKey::kRect:
        case tKey::kARect: {
            const std::optional<tRealRect> r = static_cast<tKey>(key) == tKey::kRect ? readRectangle(screen, value)
                                                                                    : readSurfaceRectangle(screen, value);
            if (r) {
                left = r->left;
                top = r->top;
                width = r->right - r->left;
                height = r->bottom - r->top;
            }
            break;
        }
        case tKey::kPos:
        case tKey::kAPos: {
            const tRealPoint given = pointOf(value);
            const tRealPoint corner = static_cast<tKey>(key) == tKey::kPos ? screen.ToSurface(given.x, given.y) : given;
            left = corner.x;
            top = corner.y;
            break;
        }
        case tKey::kSize: {
            const tRealPoint size = pointOf(value);
            width = size.x;
            height = size.y;
            break;
        }
        case tKey::kScale: checkScale(value); break;
        }
        placed = true;
    }

    long double right = width == 0 ? screen.Width() : left + width;
    long double bottom = height == 0 ? screen.Height() : top + height;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    tPutPlacement placement;
    placement.style = style ? *style : placed ? tPutStyle::kUpperLeft : tPutStyle::kCentre;
    placement.target = QRect(QPoint(static_cast<int>(roundPixel(left)), static_cast<int>(roundPixel(top))),
                             QPoint(static_cast<int>(roundPixel(right)) - 1, static_cast<int>(roundPixel(bottom)) - 1));
    placement.clipToTarget = placement.target != QRect(0, 0, screen.Width(), screen.Height());
    return placement;
}

void putPicture(QImage& page, const tLogoPicture& picture, const tPutPlacement& placement)
{
    const QImage shown = picture.Composed();
    if (shown.isNull()) return;
    const QRect& target = placement.target;
    QPainter painter(&page);
    if (placement.clipToTarget) painter.setClipRect(target);
    switch (placement.style) {
    case tPutStyle::kUpperLeft: painter.drawImage(target.topLeft(), shown); break;
    case tPutStyle::kCentre:
        painter.drawImage(QPoint(target.left() + (target.width() - shown.width()) / 2,
                                 target.top() + (target.height() - shown.height()) / 2),
                          shown);
        break;
    case tPutStyle::kTile:
        for (int y = target.top(); y <= target.bottom(); y += shown.height())
            for (int x = target.left(); x <= target.right(); x += shown.width()) painter.drawImage(QPoint(x, y), shown);
        break;
    case tPutStyle::kStretch:
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, shown);
        break;
    }
}
