#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The named stopwatches of "timer" and "resettimer". Each remembers the tick count at which it
// was started; timer "0" exists from the start. Names compare as Logo names do.
class tTimerList {
public:
    tTimerList();

    // Milliseconds since the named timer was started; a name not yet known starts a timer now.
    int64_t Elapsed(std::string_view name);
    void Reset(std::string_view name);

private:
    struct tTimer {
        std::string name;
        int64_t start;
    };
    tTimer& Obtain(std::string_view name);

    std::vector<tTimer> timers_;
};

// The platform's millisecond tick count: monotonic, unrelated to the time of day.
int64_t tickCount();
