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

tlogoobject* tLogoInt::Clone()
{
    auto* copy = new tLogoInt(value);
    if (printedValid_) copy->printed_ = printed_, copy->printedValid_ = 1;
    return copy;
}

void tLogoInt::Dispose()
{
    if (pooled && returnToPool(this)) return;
    delete this;
}

void tLogoInt::AttachMethods() { methods = valueMethodTables().integer; }

std::string tLogoInt::FormatValue() { return std::to_string(value); }

void tLogoInt::CopyValueFrom(tlogonumber& other) { value = static_cast<tLogoInt&>(other).value; }

bool tLogoInt::Equals(tlogoobject* other)
{
    tHeldArgument held(other);
    return numberEquals(*this, ReceiverNumber(), *other);
}

int tLogoInt::Order(tlogoobject* other) { return numberOrder(*this, ReceiverNumber(), *other); }
