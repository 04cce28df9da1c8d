#pragma once

#include <cstdint>

#include "values/tLogoRef.h"

// The global variables that steer colours, read at every use: "anycolour" decides what the
// word "any" gives as a colour, "colourstyle" how colours are written back as values.
tLogoRef<tlogoobject> anyColourSetting();  // none when the variable is missing
int32_t colourStyleSetting();              // 0 when missing or not an integer

// A setting's value read as an integer, or the fallback when it is none or not one.
int32_t integerSetting(tlogoobject* value, int32_t fallback);
