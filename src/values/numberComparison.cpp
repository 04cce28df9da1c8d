#include "values/numberComparison.h"

#include "language/Language.h"
#include "values/eLogoException.h"

namespace {
template <class T>
int threeWay(T a, T b)
{
    return (a > b) - (a < b);
}
}  // namespace

bool asIntegerOperand(tlogoobject& other, int32_t& value)
{
    if (!other.IsInteger()) return false;
    const long double real = other.AsReal();
    if (real < -2147483648.0L || real > 2147483647.0L) return false;
    value = other.AsInteger();
    return true;
}

int textOrder(tLogoWord& receiver, tlogoobject& other)
{
    if (!other.IsWord()) throw eLogoException(erExpectWord, &other);
    return compareWords(receiver.WordText(), other.WordText());
}

int numberOrder(tLogoWord& receiver, const tNumeric& number, tlogoobject& other)
{
    int32_t otherInteger;
    if (number.isInteger && asIntegerOperand(other, otherInteger)) return threeWay(number.integer, otherInteger);
    if (other.IsNumber()) return threeWay(number.real, other.AsReal());
    return textOrder(receiver, other);
}

bool numberEquals(tLogoWord& receiver, const tNumeric& number, tlogoobject& other)
{
    if (!other.IsWord()) return false;
    return numberOrder(receiver, number, other) == 0;
}

bool tLogoWord::Less(tlogoobject* other)
{
    tHeldArgument held(other);
    return Order(other) < 0;
}

bool tLogoWord::Greater(tlogoobject* other)
{
    tHeldArgument held(other);
    return Order(other) > 0;
}

bool tLogoWord::LessOrEqual(tlogoobject* other)
{
    tHeldArgument held(other);
    return Order(other) <= 0;
}

bool tLogoWord::GreaterOrEqual(tlogoobject* other)
{
    tHeldArgument held(other);
    return Order(other) >= 0;
}
