#include "mainobj/system/tTimerList.h"

#include <chrono>

#include "language/Language.h"

int64_t tickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

tTimerList::tTimerList() { timers_.push_back({"0", tickCount()}); }

tTimerList::tTimer& tTimerList::Obtain(std::string_view name)
{
    for (tTimer& timer : timers_)
        if (sameWord(timer.name, name)) return timer;
    return timers_.emplace_back(tTimer{std::string(name), tickCount()});
}

int64_t tTimerList::Elapsed(std::string_view name) { return tickCount() - Obtain(name).start; }

void tTimerList::Reset(std::string_view name) { Obtain(name).start = tickCount(); }
