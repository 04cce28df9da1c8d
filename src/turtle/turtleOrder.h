#pragma once

#include <cstddef>
#include <vector>

class tLogoTurtleParams;

// The drawing order "reorder" asks for, from the present one. A single turtle goes first
// (beneath the others). A list gives the order from the first: `named` in the order given, and
// where `rest` stands (its index into `named`, the place of the one sub-list) the turtles not
// named: all of them, or, when `restSpan` names some, those whose present places lie from the
// first to the last of those; the unnamed ones before that span go first of all, those after
// it last. Without a sub-list the unnamed turtles follow the named ones.
struct tTurtleOrderRequest {
    std::vector<tLogoTurtleParams*> named;
    bool hasRest = false;
    size_t rest = 0;
    std::vector<tLogoTurtleParams*> restSpan;
};

std::vector<tLogoTurtleParams*> orderedTurtles(const std::vector<tLogoTurtleParams*>& present,
                                               const tTurtleOrderRequest& request);
