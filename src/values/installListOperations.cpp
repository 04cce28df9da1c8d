#include "values/installListOperations.h"

#include <cmath>
#include <cstdint>

#include "values/WordSourceForm.h"
#include "values/listArithmetic.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoReal.h"
#include "values/tLogoRef.h"
#include "values/valuePools.h"

namespace {

// Whole factors stay integers, so 2 * [1 2] is [2 4] in integers as [1 2] * 2 is.
tLogoRef<tlogoobject> numberValue(long double value)
{
    if (value == std::trunc(value) && value >= INT32_MIN && value <= INT32_MAX)
        return tLogoRef<tlogoobject>(NewInteger(static_cast<int32_t>(value)));
    return tLogoRef<tlogoobject>(NewReal(value));
}

tlogoobject* scaleList(tlogoobject& list, long double factor)
{
    return static_cast<tLogoList&>(list).Multiply(numberValue(factor).get());
}

tlogoobject* rotateList(tlogoobject& list, long double degrees)
{
    return static_cast<tLogoList&>(list).Rotate(numberValue(degrees).get());
}

}  // namespace

void installListOperations()
{
    installWordSourceForm();
    setListArithmetic({scaleList, rotateList});
}
