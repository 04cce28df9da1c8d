#include "processes/tProcessThread.h"
#include "processes/tSyncEvent.h"

#include <gtest/gtest.h>

namespace {

// About 1 KiB of stack per level, kept alive across the call so it is neither inlined away
// nor turned into a loop.
int nest(int depth)
{
    volatile char frame[1024];
    frame[0] = static_cast<char>(depth);
    if (depth == 0)
        return frame[0];
    return nest(depth - 1) + frame[0] - static_cast<char>(depth) + 1;
}

// 150000 levels need about 150 MiB: far past the 8 MiB of an ordinary thread.
TEST(ProcessThread, StackHoldsDeepRecursion)
{
    tSyncEvent done(tSyncEvent::kManualReset, false);
    int result = -1;
    startProcessThread([&] {
        result = nest(150000);
        done.Set();
    });
    ASSERT_TRUE(done.Wait(60000));
    EXPECT_EQ(result, 150000);
}

}  // namespace
