#include "platform/devices/joystickScaling.h"
#include "platform/devices/joystickState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

tJoystickRecord record(uint8_t type, uint8_t number, int16_t value) { return {0, value, type, number}; }

constexpr uint8_t kAxis = tJoystickRecord::kAxis;
constexpr uint8_t kButton = tJoystickRecord::kButton;
constexpr uint8_t kInitial = tJoystickRecord::kInitial;

TEST(JoystickRecord, DecodesTheDevicesLittleEndianLayoutAndEncodesItBack)
{
    const uint8_t bytes[8] = {0x78, 0x56, 0x34, 0x12, 0x01, 0x80, 0x82, 0x05};
    const tJoystickRecord decoded = tJoystickRecord::Decode(bytes);
    EXPECT_EQ(decoded.time, 0x12345678u);
    EXPECT_EQ(decoded.value, -32767);
    EXPECT_EQ(decoded.type, kAxis | kInitial);
    EXPECT_EQ(decoded.number, 5);
    uint8_t again[8];
    decoded.Encode(again);
    EXPECT_EQ(std::vector<uint8_t>(again, again + 8), std::vector<uint8_t>(bytes, bytes + 8));
}

// The initial records set the state quietly; later ones report buttons that changed, in order,
// and a move only when an axis took a new value.
TEST(JoystickState, InitialRecordsSetTheStateAndLaterOnesReportTheirChanges)
{
    tJoystickState state;
    for (const tJoystickRecord& initial :
         {record(kAxis | kInitial, 0, 100), record(kAxis | kInitial, 2, -5), record(kButton | kInitial, 0, 0),
          record(kButton | kInitial, 3, 1)})
        EXPECT_TRUE(state.Apply(initial).Empty());
    EXPECT_EQ(state.AxesCount(), 3);
    EXPECT_EQ(state.ButtonCount(), 4);
    EXPECT_EQ(state.Axis(0), 100);
    EXPECT_EQ(state.Axis(2), -5);
    EXPECT_TRUE(state.Button(4));

    EXPECT_FALSE(state.Apply(record(kAxis, 0, 100)).moved);
    EXPECT_TRUE(state.Apply(record(kAxis, 0, 200)).moved);
    EXPECT_TRUE(state.Apply(record(kButton, 3, 1)).buttons.empty());

    tJoystickChanges changes;
    for (const tJoystickRecord& later : {record(kButton, 0, 1), record(kButton, 3, 0), record(kButton, 0, 0)})
        changes.Add(state.Apply(later));
    ASSERT_EQ(changes.buttons.size(), 3u);
    EXPECT_EQ(changes.buttons[0].number, 1);
    EXPECT_TRUE(changes.buttons[0].down);
    EXPECT_EQ(changes.buttons[1].number, 4);
    EXPECT_FALSE(changes.buttons[1].down);
    EXPECT_EQ(changes.buttons[2].number, 1);
    EXPECT_FALSE(changes.buttons[2].down);
    EXPECT_FALSE(changes.moved);
}

TEST(JoystickState, RecordsBeyondWhatItKeepsAndOfUnknownTypesAreIgnored)
{
    tJoystickState state;
    EXPECT_TRUE(state.Apply(record(kButton, 32, 1)).Empty());
    EXPECT_TRUE(state.Apply(record(kAxis, 64, 9)).Empty());
    EXPECT_TRUE(state.Apply(record(0x04, 0, 9)).Empty());
    EXPECT_EQ(state.AxesCount(), 0);
    EXPECT_EQ(state.ButtonCount(), 0);
    EXPECT_FALSE(state.Button(0));
    EXPECT_FALSE(state.Button(33));
    // What the device answers counts over what it reported.
    state.SetCounts(8, 12);
    EXPECT_EQ(state.AxesCount(), 8);
    EXPECT_EQ(state.ButtonCount(), 12);
}

TEST(JoystickLayout, HatAxesAreTheHatAndTheOthersAreNamedInOrder)
{
    // x, y, rudder, hat x, hat y, throttle, second hat x
    const tJoystickLayout coded = joystickLayout({0x00, 0x01, 0x07, 0x10, 0x11, 0x06, 0x12}, 7);
    EXPECT_EQ(coded.named, (std::array<int, 6>{0, 1, 2, 5, -1, -1}));
    EXPECT_EQ(coded.hatX, 3);
    EXPECT_EQ(coded.hatY, 4);

    const tJoystickLayout uncoded = joystickLayout({}, 8);
    EXPECT_EQ(uncoded.named, (std::array<int, 6>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(uncoded.hatX, -1);
    EXPECT_EQ(joystickLayout({}, 2).named, (std::array<int, 6>{0, 1, -1, -1, -1, -1}));
}

TEST(JoystickScaling, AxisValuesSpreadOverTheRangePastTheDeadZone)
{
    struct tCase {
        int16_t value;
        tAxisSetting setting;
        int32_t expected;
    };
    const tCase cases[] = {
        {0, {}, 0},
        {32767, {}, 100},
        {-32767, {}, -100},
        {-32768, {}, -100},  // the one value below the device's range
        {16384, {}, 50},
        {0, {0, 1000, 0}, 500},
        {32767, {0, 1000, 0}, 1000},
        {-32767, {100, -100, 0}, 100},  // a backward range turns the axis round
        {9830, {-100, 100, 30}, 0},     // inside a dead zone of 30 %
        {-9830, {-100, 100, 30}, 0},
        {32767, {-100, 100, 30}, 100},  // the ends stay where they are
        {21299, {-100, 100, 30}, 50},   // 65 % is half way from the dead zone's edge
        {32767, {-100, 100, 100}, 0},   // all dead
    };
    for (const tCase& c : cases)
        EXPECT_EQ(scaledAxis(c.value, c.setting), c.expected)
            << c.value << " on [" << c.setting.low << " " << c.setting.high << "] dead " << c.setting.deadZone;
}

TEST(JoystickScaling, TheStickGivesItsPushAndHeadingAndTheHatItsDirection)
{
    struct tCase {
        double x, y;
        tStickDirection expected;
    };
    const tCase cases[] = {
        {0, 0, {0, 0, 0, 0}},
        {0, -1, {100, 0, 100, 0}},     // forward
        {1, 0, {100, 100, 0, 90}},     // right
        {0, 0.5, {50, 0, -50, 180}},   // half back
        {-1, -1, {100, -100, 100, 315}},  // a corner is no faster than an edge
    };
    for (const tCase& c : cases) {
        const tStickDirection direction = stickDirection(c.x, c.y);
        EXPECT_EQ(direction.velocity, c.expected.velocity) << c.x << " " << c.y;
        EXPECT_EQ(direction.right, c.expected.right) << c.x << " " << c.y;
        EXPECT_EQ(direction.forward, c.expected.forward) << c.x << " " << c.y;
        EXPECT_NEAR(direction.angle, c.expected.angle, 1e-9) << c.x << " " << c.y;
    }
    EXPECT_EQ(hatDirection(0, 0), -1);
    EXPECT_EQ(hatDirection(0, -32767), 0);
    EXPECT_EQ(hatDirection(32767, -32767), 45);
    EXPECT_EQ(hatDirection(32767, 0), 90);
    EXPECT_EQ(hatDirection(0, 32767), 180);
    EXPECT_EQ(hatDirection(-32767, 32767), 225);
    EXPECT_EQ(hatDirection(-32767, -32767), 315);
}

}  // namespace
