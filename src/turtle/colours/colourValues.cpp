#include "turtle/colours/colourValues.h"

#include <optional>

#include "turtle/colours/colourNames.h"
#include "turtle/colours/colourSettings.h"
#include "turtle/colours/colourTables.h"
#include "values/colorConversion.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

tColour colourFromList(tLogoList& list)
{
    uint8_t parts[3];
    int taken = 0;
    for (tlogoobject* element : elements(&list)) {
        if (taken == 3) break;
        if (!element->IsNumber() || !element->IsInteger()) throw eLogoException(erExpectColors, &list);
        int32_t part = integerSetting(element, -1);
        if (part < 0 || part > 255) throw eLogoException(erExpectColors, &list);
        parts[taken++] = uint8_t(part);
    }
    if (taken < 3) throw eLogoException(erExpectColors, &list);
    return {parts[0], parts[1], parts[2]};
}

uint32_t convertValue(tlogoobject& value) { return colourFromValue(value).Rgb(); }

}  // namespace

tColour colourFromValue(tlogoobject& value)
{
    if (value.IsNumber()) return kPalette[value.AsIntegerIn(0, kPaletteSize - 1)];
    if (value.IsWord()) return colourFromName(value.WordText());
    if (value.IsList()) return colourFromList(static_cast<tLogoList&>(value));
    throw eLogoException(erExpectColors, &value);
}

tlogoobject* colourToValue(tColour colour, int32_t style)
{
    if (style == 1)
        if (std::optional<std::string> name = nameOfColour(colour)) return NewWord(*name);
    if (style != 2)
        if (std::optional<int> index = paletteIndexOf(colour)) return NewInteger(*index);
    return colourToList(colour);
}

tlogoobject* colourToValue(tColour colour) { return colourToValue(colour, colourStyleSetting()); }

tLogoList* colourToList(tColour colour)
{
    tListBuilder list;
    for (uint8_t part : {colour.red, colour.green, colour.blue}) list.Append(NewInteger(part));
    return list.Take();
}

void installColourConverter() { setColorConverter(&convertValue); }
