#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <vector>

#include "platform/media/tAlsaSoundDevice.h"

namespace {

using namespace std::chrono_literals;

// Whatever the machine has (a sound card, a sound server, or none, as on the test machines),
// opening answers at once and an opened device takes a short sound and drains; none opening is
// the silent path the players time themselves.
TEST(AlsaSoundDevice, OpensOrAnswersNoneWithoutHanging)
{
    auto played = std::async(std::launch::async, [] {
        std::unique_ptr<tAlsaSoundDevice> device = tAlsaSoundDevice::Open(8000, 1);
        if (!device) return true;
        const std::vector<int16_t> silence(800, 0);
        const bool written = device->Write(silence.data(), 800);
        device->Drain();
        return written;
    });
    ASSERT_EQ(played.wait_for(20s), std::future_status::ready);
    EXPECT_TRUE(played.get());
}

}  // namespace
