#include "turtle/pagePrimitives.h"

#include <mutex>
#include <optional>
#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/floodFill.h"
#include "turtle/penDrawing.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

// The page's own drawing commands, in surface pixels with the page's line settings.

namespace {

struct tCorners {
    tRealPoint first;
    tRealPoint second;
};

// One corner: a list of two numbers; erExpectList when it is no list, erExpectPoint when it
// holds more.
tRealPoint cornerOf(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList, value);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) parts.push_back(element);
    if (parts.size() != 2) throw eLogoException(erExpectPoint, value);
    return {parts[0]->AsReal(), parts[1]->AsReal()};
}

// [[x1 y1] [x2 y2]] or [x y w h]; none for the empty list; erExpectRect for another length.
std::optional<tCorners> cornersOf(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList, value);
    std::vector<tlogoobject*> parts;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) parts.push_back(element);
    if (parts.empty()) return std::nullopt;
    if (parts.size() == 2) return tCorners{cornerOf(parts[0]), cornerOf(parts[1])};
    if (parts.size() != 4) throw eLogoException(erExpectRect, value);
    const tRealPoint corner{parts[0]->AsReal(), parts[1]->AsReal()};
    return tCorners{corner, {corner.x + parts[2]->AsReal(), corner.y + parts[3]->AsReal()}};
}

tPen linePen(const tgrScreen& screen) { return {screen.lineColour, screen.lineWidth, screen.linePattern}; }

tlogoobject* bgline(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const std::optional<tCorners> line = cornersOf(call[0]);
    if (!line) return nullptr;
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    drawPenSegment(screen, line->first, line->second, linePen(screen), tPenState::kDown, nullptr);
    return nullptr;
}

tlogoobject* bgfill(tPrimitiveCall& call)
{
    tgrScreen& screen = currentScreen();
    const tRealPoint at = cornerOf(call[0]);
    std::lock_guard<std::mutex> hold(screen.pictureLock);
    floodFill(screen.picture, {roundPixel(at.x), roundPixel(at.y)}, screen.lineColour,
              {0, 0, screen.Width() - 1, screen.Height() - 1});
    return nullptr;
}

constexpr tPrimitiveRow kPageDrawingRows[] = {
    {"bgline", 1, kFixedInputs, &bgline},
    {"bgfill", 1, kFixedInputs, &bgfill},
};

}  // namespace

void registerPageDrawingPrimitives(tLogoTab& table) { registerPrimitives(table, kPageDrawingRows); }
