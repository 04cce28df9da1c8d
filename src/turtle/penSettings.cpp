#include "turtle/penSettings.h"

#include <limits>

#include "language/Language.h"
#include "turtle/anyInputs.h"
#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

namespace {

// The pen state words are the names of the primitives that set them, in state order.
constexpr const char* kPenStateKeys[] = {"penup", "pendown", "penreverse", "penerase"};

int32_t patternOf(tlogoobject* value, int32_t highest, int32_t highestAny)
{
    if (isAny(value)) return randomInRange(0, highestAny);
    const int32_t pattern = value->AsInteger();
    if (pattern < 0 || pattern > highest) throw eLogoException(erMinMax, 0, highest, value);
    return pattern;
}

}  // namespace

tlogoobject* penStateWord(tPenState state) { return NewWord(primaryName(kPenStateKeys[static_cast<int>(state)])); }

tPenState penStateOf(tlogoobject* value)
{
    if (value->IsWord()) {
        const uint32_t code = value->NameCode();
        for (int state = 0; state < 4; ++state)
            for (uint32_t synonym : nameCodes(kPenStateKeys[state]))
                if (synonym == code) return static_cast<tPenState>(state);
    }
    throw eLogoException(erExpectPen, value);
}

int32_t penWidthOf(tlogoobject* value)
{
    const int32_t width = integerOrAny(value, tAnyRange::kPenWidth);
    if (width < 1) throw eLogoException(erMinMax, 1, std::numeric_limits<int32_t>::max(), value);
    return width;
}

int32_t penPatternOf(tlogoobject* value) { return patternOf(value, 6, 5); }

int32_t fillPatternOf(tlogoobject* value) { return patternOf(value, 7, 6); }
