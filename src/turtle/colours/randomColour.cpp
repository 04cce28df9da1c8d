#include "turtle/colours/randomColour.h"

#include "turtle/colours/colourSettings.h"
#include "turtle/colours/colourTables.h"
#include "turtle/colours/colourValues.h"
#include "values/logoRandom.h"
#include "values/tLogoList.h"

namespace {

// How deep "any" is nested through an "anycolour" list. Process-wide: colours are converted
// under the interpreter lock, one conversion at a time.
int nestingDepth = 0;

class tNesting {
public:
    tNesting() { ++nestingDepth; }
    ~tNesting() { --nestingDepth; }
    tNesting(const tNesting&) = delete;
    tNesting& operator=(const tNesting&) = delete;
};

constexpr int32_t kNotAnInteger = 140;

tColour anyShade()
{
    const tShadeRow& row = kShadeRows[randomInRange(0, int32_t(kShadeRows.size()) - 1)];
    return row.shades[randomInRange(0, kShadeCount - 1)];
}

}  // namespace

tColour randomColour(tlogoobject* anyColour)
{
    if (!anyColour) return anyShade();
    if (anyColour->IsList()) {
        tNesting nesting;
        auto* list = static_cast<tLogoList*>(anyColour);
        // An empty list offers nothing to pick: it counts as no setting.
        if (nestingDepth > 1 || list->IsEmpty()) return anyShade();
        return colourFromValue(*list->Pick());
    }
    int32_t n = integerSetting(anyColour->IsWord() ? anyColour : nullptr, kNotAnInteger);
    if (n <= 1) return kPalette[randomInRange(0, 1) ? kPaletteSize - 1 : 0];
    if (n <= kPaletteSize) return kPalette[randomInRange(0, n - 1)];
    return anyShade();
}
