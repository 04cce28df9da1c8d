#include "mainobj/system/systemPrimitives.h"

#include <chrono>
#include <climits>
#include <ctime>
#include <locale>
#include <random>
#include <sstream>
#include <iomanip>

#include "mainobj/primitiveTable.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/system/timeUnits.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "processes/processEnvironment.h"
#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/tListBuilder.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// The calendar, the time of day, the named timers and the random seed.

namespace {

struct tClockReading {
    std::tm local;
    int milliseconds;
};

tClockReading now()
{
    using namespace std::chrono;
    const auto moment = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(moment);
    tClockReading reading{};
    localtime_r(&seconds, &reading.local);
    reading.milliseconds = static_cast<int>(duration_cast<milliseconds>(moment.time_since_epoch()).count() % 1000);
    return reading;
}

tlogoobject* integerList(std::initializer_list<int32_t> numbers)
{
    tListBuilder list;
    for (int32_t number : numbers) list.Append(NewInteger(number));
    return list.Take();
}

tlogoobject* count(int64_t units)
{
    if (units >= INT32_MIN && units <= INT32_MAX) return NewInteger(static_cast<int32_t>(units));
    return NewReal(static_cast<long double>(units));
}

tlogoobject* date(tPrimitiveCall&)
{
    const std::tm& at = now().local;
    return integerList({at.tm_year + 1900, at.tm_mon + 1, at.tm_mday, at.tm_wday});
}

tlogoobject* time(tPrimitiveCall&)
{
    const tClockReading reading = now();
    const int code = systemOptions().timeUnit;
    // A fraction rounded up to a whole second stays within the second it belongs to.
    const int64_t fraction = std::min<int64_t>(millisecondsInUnit(reading.milliseconds, code), unitRate(code) - 1);
    return integerList({reading.local.tm_hour, reading.local.tm_min, reading.local.tm_sec, static_cast<int32_t>(fraction)});
}

// The locale's form (the environment's, else the classic one), or a strftime format given as
// a word or as a list whose text is the format.
std::string formatted(tPrimitiveCall& call, const char* localeFormat)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    const std::string format = call.count() == 1 ? call[0]->PrintText(0) : localeFormat;
    std::ostringstream text;
    try {
        text.imbue(std::locale(""));
    } catch (const std::runtime_error&) {
        text.imbue(std::locale::classic());
    }
    const std::tm at = now().local;
    text << std::put_time(&at, format.c_str());
    return text.str();
}

tlogoobject* dateWord(tPrimitiveCall& call) { return NewLiteralWord(formatted(call, "%x")); }

tlogoobject* timeWord(tPrimitiveCall& call) { return NewLiteralWord(formatted(call, "%X")); }

std::string timerName(tPrimitiveCall& call)
{
    if (call.count() > 1) throw eLogoException(erTooManyInputs);
    return call.count() == 1 ? call.word(0) : std::string("0");
}

tlogoobject* timer(tPrimitiveCall& call)
{
    const int64_t elapsed = mainLogoObject().timerList.Elapsed(timerName(call));
    return count(millisecondsInUnit(elapsed, elapseUnit()));
}

tlogoobject* resettimer(tPrimitiveCall& call)
{
    mainLogoObject().timerList.Reset(timerName(call));
    return nullptr;
}

tlogoobject* randomize(tPrimitiveCall&)
{
    seedRandom(std::random_device{}());
    return nullptr;
}

constexpr tPrimitiveRow kClockRows[] = {
    {"date", 0, kFixedInputs, &date},
    {"time", 0, kFixedInputs, &time},
    {"dateWord", 0, kVariableInputs, &dateWord},
    {"timeWord", 0, kVariableInputs, &timeWord},
    {"timer", 0, kVariableInputs, &timer},
    {"resettimer", 0, kVariableInputs, &resettimer},
    {"randomize", 0, kFixedInputs, &randomize},
};

}  // namespace

void registerClockPrimitives(tLogoTab& table) { registerPrimitives(table, kClockRows); }
