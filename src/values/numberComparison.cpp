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

tNumeric operandNumber(tlogoobject& other)
{
    tNumeric number;
    if (!other.AsOperand(number)) number = {false, 0, other.AsReal(), false};
    return number;
}

int textOrder(tLogoWord& receiver, tlogoobject& other)
{
    if (!other.IsWord()) throw eLogoException(erExpectWord, &other);
    return compareWords(receiver.WordText(), other.WordText());
}

int numberOrder(tLogoWord& receiver, const tNumeric& number, tlogoobject& other)
{
    tNumeric otherNumber;
    if (!other.AsOperand(otherNumber)) return textOrder(receiver, other);
    if (number.isInteger && otherNumber.isInteger) return threeWay(number.integer, otherNumber.integer);
    return threeWay(number.real, otherNumber.real);
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
