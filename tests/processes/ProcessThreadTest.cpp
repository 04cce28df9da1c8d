#include "processes/tProcessThread.h"
#include "processes/tSyncEvent.h"

#include <gtest/gtest.h>

namespace {

// About 8 KiB of stack per level, kept alive across the call so it is neither inlined away
// nor turned into a loop. Few deep frames rather than many small ones: the thread sanitizer
// keeps a bounded shadow call stack.
int nest(int depth)
{
    volatile char frame[8192];
    frame[0] = static_cast<char>(depth);
    if (depth == 0)
        return frame[0];
    return nest(depth - 1) + frame[0] - static_cast<char>(depth) + 1;
}

// 20000 levels need about 160 MiB: far past the 8 MiB of an ordinary thread.
TEST(ProcessThread, StackHoldsDeepRecursion)
{
    tSyncEvent done(tSyncEvent::kManualReset, false);
    int result = -1;
    startProcessThread([&] {
        result = nest(20000);
        done.Set();
    });
    ASSERT_TRUE(done.Wait(60000));
    EXPECT_EQ(result, 20000);
}

}  // namespace
