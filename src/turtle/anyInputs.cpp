#include "turtle/anyInputs.h"

#include <cstdlib>
#include <utility>

#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "processes/processEnvironment.h"
#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/tLogoList.h"

namespace {

struct tRangeSetting {
    const char* variable;
    int32_t low;
    int32_t high;
};

constexpr tRangeSetting kSettings[] = {
    {"anyforward", 1, 100}, {"anyleft", 1, 90}, {"anyright", 1, 90}, {"anyangle", 0, 359}, {"anypenwidth", 1, 20},
};

// As "thing" sees it: a process sees its procedures' variables and then the globals.
tlogoobject* setting(const char* name)
{
    const uint32_t code = nameCode(name);
    if (tProcessContext* context = currentContext()) return context->localTable->FindValue(code);
    tLogoVarTab* globals = processEnvironment().globals;
    return globals ? globals->FindValue(code) : nullptr;
}

// The two elements of a list of exactly two; false for anything else.
bool pair(tlogoobject* value, tlogoobject*& first, tlogoobject*& second)
{
    if (!value || !value->IsList()) return false;
    int count = 0;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(value))) {
        if (count == 0) first = element;
        if (count == 1) second = element;
        ++count;
    }
    return count == 2;
}

// An integer the setting holds; false when it holds none.
bool whole(tlogoobject* value, int32_t& result)
{
    if (!value || !value->IsNumber()) return false;
    try {
        result = std::abs(value->AsInteger());
        return true;
    } catch (const eLogoException&) {
        return false;
    }
}

std::pair<int32_t, int32_t> bounds(tAnyRange range)
{
    const tRangeSetting& defaults = kSettings[static_cast<int>(range)];
    int32_t low = defaults.low, high = defaults.high;
    tlogoobject* value = setting(defaults.variable);
    int32_t single = 0;
    if (whole(value, single)) {
        high = single;
    } else if (tlogoobject *first = nullptr, *second = nullptr; pair(value, first, second)) {
        int32_t a = 0, b = 0;
        if (whole(first, a) && whole(second, b)) {
            low = a;
            high = b;
        }
    }
    if (low > high) std::swap(low, high);
    return {low, high};
}

int32_t randomIn(tAnyRange range)
{
    const auto [low, high] = bounds(range);
    return randomInRange(low, high);
}

}  // namespace

bool isAny(tlogoobject* value) { return value->IsWord() && !value->IsNumber() && value->IsAnyWord(); }

long double realOrAny(tlogoobject* value, tAnyRange range)
{
    return isAny(value) ? randomIn(range) : value->AsReal();
}

int32_t integerOrAny(tlogoobject* value, tAnyRange range)
{
    return isAny(value) ? randomIn(range) : value->AsInteger();
}

long double anySurfaceCoordinate(int extent, int axis)
{
    int32_t margin = 10;
    tlogoobject* value = setting("anypos");
    int32_t single = 0;
    if (whole(value, single)) {
        margin = single;
    } else if (tlogoobject *first = nullptr, *second = nullptr; pair(value, first, second)) {
        int32_t given = 0;
        if (whole(axis == 0 ? first : second, given)) margin = given;
    }
    const int64_t room = int64_t{extent} - 2 * int64_t{margin};
    if (room <= 0) return extent / 2;
    return margin + randomInRange(0, static_cast<int32_t>(room - 1));
}
