#include "values/tLogoInt.h"

#include <string>

#include "values/numberComparison.h"
#include "values/valueMethodTables.h"
#include "values/valuePools.h"

tLogoInt::tLogoInt(int32_t value, std::string_view sourceText) : tlogonumber(sourceText), value(value)
{
    AttachMethods();
}

void tLogoInt::SetValue(int32_t newValue)
{
    value = newValue;
    ValueChanged();
}

tlogonumber* tLogoInt::FreshCopy() { return new tLogoInt(value); }

bool tLogoInt::ReturnToPool() { return returnToPool(this); }

void tLogoInt::AttachMethods() { methods = valueMethodTables().integer; }

std::string tLogoInt::FormatValue() { return std::to_string(value); }

void tLogoInt::CopyValueFrom(tlogonumber& other) { value = static_cast<tLogoInt&>(other).value; }

bool tLogoInt::Equals(tlogoobject* other)
{
    tHeldArgument held(other);
    return numberEquals(*this, ReceiverNumber(), *other);
}

int tLogoInt::Order(tlogoobject* other) { return numberOrder(*this, ReceiverNumber(), *other); }
