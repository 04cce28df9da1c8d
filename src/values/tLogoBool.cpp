#include "values/tLogoBool.h"

#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/numberComparison.h"
#include "values/valueMethodTables.h"
#include "values/valuePools.h"

tLogoBool::tLogoBool(bool value, std::string_view sourceText)
    : tlogonumber(resolveNeutralName(sourceText)), value(value)
{
    AttachMethods();
}

void tLogoBool::SetValue(bool newValue)
{
    value = newValue;
    ValueChanged();
}

tlogonumber* tLogoBool::FreshCopy() { return new tLogoBool(value); }

bool tLogoBool::ReturnToPool() { return returnToPool(this); }

void tLogoBool::AttachMethods() { methods = valueMethodTables().boolean; }

std::string tLogoBool::FormatValue() { return boolWord(value); }

void tLogoBool::CopyValueFrom(tlogonumber& other) { value = static_cast<tLogoBool&>(other).value; }

tNumeric tLogoBool::ReceiverNumber() { throw eLogoException(erExpectNumber, this); }

bool tLogoBool::Equals(tlogoobject* other)
{
    tHeldArgument held(other);
    return other->IsBoolean() && other->AsBoolean() == static_cast<bool>(value);
}

int tLogoBool::Order(tlogoobject* other) { return textOrder(*this, *other); }
