#include "mainobj/commandTiming.h"

#include <atomic>

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"

namespace {

std::atomic<bool> timing{false};

tlogoobject* showTime(tPrimitiveCall& call)
{
    timing = call.boolean(0);
    return nullptr;
}

constexpr tPrimitiveRow kTimingRows[] = {
    {"showTime", 1, kFixedInputs, &showTime},
};

}  // namespace

bool commandTimingOn() { return timing; }

void registerCommandTimingPrimitives(tLogoTab& table) { registerPrimitives(table, kTimingRows); }
