#include "values/tLogoReal.h"

#include <cmath>

#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/numberComparison.h"
#include "values/numberText.h"
#include "values/valueMethodTables.h"
#include "values/valuePools.h"

tLogoReal::tLogoReal(long double value, std::string_view sourceText) : tlogonumber(sourceText), value(value)
{
    AttachMethods();
}

void tLogoReal::SetValue(long double newValue)
{
    value = newValue;
    ValueChanged();
}

tlogonumber* tLogoReal::FreshCopy() { return new tLogoReal(value); }

bool tLogoReal::ReturnToPool() { return returnToPool(this); }

void tLogoReal::AttachMethods() { methods = valueMethodTables().real; }

std::string tLogoReal::FormatValue() { return formatLogoReal(value); }

void tLogoReal::CopyValueFrom(tlogonumber& other) { value = static_cast<tLogoReal&>(other).value; }

bool tLogoReal::IsInteger() { return value == std::trunc(value); }

int32_t tLogoReal::AsInteger()
{
    int32_t rounded;
    if (!roundToInteger32(value, rounded)) failInteger32(this);
    return rounded;
}

bool tLogoReal::AsOperand(tNumeric& number)
{
    const bool whole = value == std::trunc(value) && value >= -2147483648.0L && value <= 2147483647.0L;
    number = {whole, whole ? static_cast<int32_t>(value) : 0, value, false};
    return true;
}

bool tLogoReal::AsBoolean()
{
    if (value <= 0) return false;
    if (value >= 1) return true;
    return randomUnit() <= value;
}

bool tLogoReal::Equals(tlogoobject* other)
{
    tHeldArgument held(other);
    return numberEquals(*this, ReceiverNumber(), *other);
}

int tLogoReal::Order(tlogoobject* other) { return numberOrder(*this, ReceiverNumber(), *other); }
