#include "turtle/turtlePrimitives.h"

#include <algorithm>
#include <vector>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "turtle/tLogoTurtleParams.h"
#include "turtle/tgrScreen.h"
#include "turtle/turtleAccess.h"

// Where a turtle stands among its page's turtles: "tofront" draws it last (on top), "toback"
// first (beneath all).

namespace {

void restack(bool onTop)
{
    tLogoTurtleParams& turtle = currentTurtle();
    turtle.screen->Reorder([&](const std::vector<tLogoTurtleParams*>& present) {
        std::vector<tLogoTurtleParams*> order;
        order.reserve(present.size());
        std::copy_if(present.begin(), present.end(), std::back_inserter(order),
                     [&](tLogoTurtleParams* other) { return other != &turtle; });
        if (order.size() == present.size()) return present;  // not on this list
        order.insert(onTop ? order.end() : order.begin(), &turtle);
        return order;
    });
}

tlogoobject* tofront(tPrimitiveCall&)
{
    restack(true);
    return nullptr;
}

tlogoobject* toback(tPrimitiveCall&)
{
    restack(false);
    return nullptr;
}

constexpr tPrimitiveRow kStackingRows[] = {
    {"tofront", 0, kFixedInputs, &tofront},
    {"toback", 0, kFixedInputs, &toback},
};

}  // namespace

void registerTurtleStackingPrimitives(tLogoTab& table) { registerPrimitives(table, kStackingRows); }
