#include "mainobj/system/timeUnits.h"

namespace {

constexpr int32_t kRates[] = {1000, 100, 10};

}  // namespace

int unitCodeOfRate(int32_t unitsPerSecond)
{
    for (int code = 0; code < 3; ++code)
        if (kRates[code] == unitsPerSecond) return code;
    return -1;
}

int32_t unitRate(int code) { return code >= 0 && code < 3 ? kRates[code] : kRates[0]; }

int64_t millisecondsInUnit(int64_t milliseconds, int code)
{
    const int64_t size = 1000 / unitRate(code);
    return (milliseconds + size / 2) / size;
}
