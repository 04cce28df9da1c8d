#include "processes/processEnvironment.h"
#include "processes/processPrimitives.h"
#include "processes/tSyncEvent.h"

#include "values/eLogoException.h"

#include <gtest/gtest.h>

namespace {

TEST(ElapseUnit, ConvertsDurationsToMillisecondsByTheUnitCode)
{
    struct Case {
        int unit;
        int32_t duration;
        uint32_t milliseconds;
    };
    const Case cases[] = {
        {0, 250, 250},
        {1, 25, 250},
        {2, 3, 300},
        {0, 0, 0},
        // Negative durations are not clamped: -1 ms is the unlimited wait.
        {0, -1, tSyncEvent::kWaitForever},
        {1, -1, 0xFFFFFFF6u},
    };
    for (const Case& c : cases) {
        setElapseUnit(c.unit);
        EXPECT_EQ(elapseToMilliseconds(c.duration), c.milliseconds) << "unit " << c.unit << ", " << c.duration;
    }
    setElapseUnit(0);
}

TEST(ElapseUnit, WaitingOutsideAProcessFails)
{
    try {
        waitInProcess(10);
        ADD_FAILURE() << "waited outside a process";
    } catch (const eLogoException& error) {
        EXPECT_EQ(error.key, erInternWait0);
    }
}

}  // namespace
