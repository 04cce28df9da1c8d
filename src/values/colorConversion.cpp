#include "values/colorConversion.h"

#include "values/eLogoException.h"

namespace {
ColorConverter registeredConverter = nullptr;
}

void setColorConverter(ColorConverter converter) { registeredConverter = converter; }

uint32_t convertToColor(tlogoobject& value)
{
    if (registeredConverter) {
        try {
            return registeredConverter(value);
        } catch (const eLogoException&) {
        }
    }
    throw eLogoException(erExpectColors, &value);
}
