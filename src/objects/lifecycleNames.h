#pragma once

#include <cstdint>

// "create", "destroy" and "defaultaction" (with every synonym) are found only along the class
// line of an object, never in a behaviour or a place.
bool isLifecycleName(uint32_t code);
