#include "turtle/turtleOrder.h"

#include <algorithm>

std::vector<tLogoTurtleParams*> orderedTurtles(const std::vector<tLogoTurtleParams*>& present,
                                               const tTurtleOrderRequest& request)
{
    auto named = [&](tLogoTurtleParams* t) {
        return std::find(request.named.begin(), request.named.end(), t) != request.named.end();
    };
    size_t low = 0, high = present.size();  // the span of the sub-list, high exclusive
    if (!request.restSpan.empty()) {
        low = present.size();
        high = 0;
        for (size_t i = 0; i < present.size(); ++i)
            if (std::find(request.restSpan.begin(), request.restSpan.end(), present[i]) != request.restSpan.end()) {
                low = std::min(low, i);
                high = std::max(high, i + 1);
            }
    }
    std::vector<tLogoTurtleParams*> before, inside, after;
    for (size_t i = 0; i < present.size(); ++i) {
        if (named(present[i])) continue;
        (i < low ? before : i < high ? inside : after).push_back(present[i]);
    }
    std::vector<tLogoTurtleParams*> order = before;
    auto place = [&](tLogoTurtleParams* t) {
        if (std::find(order.begin(), order.end(), t) == order.end()) order.push_back(t);
    };
    for (size_t i = 0; i <= request.named.size(); ++i) {
        if (request.hasRest && i == request.rest)
            for (tLogoTurtleParams* t : inside) place(t);
        if (i < request.named.size()) place(request.named[i]);
    }
    if (!request.hasRest)
        for (tLogoTurtleParams* t : inside) place(t);
    for (tLogoTurtleParams* t : after) place(t);
    // Named turtles that have left the surface meanwhile stay out.
    std::erase_if(order, [&](tLogoTurtleParams* t) { return std::find(present.begin(), present.end(), t) == present.end(); });
    return order;
}
