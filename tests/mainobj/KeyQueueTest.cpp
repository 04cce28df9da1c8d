#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "MainObjectWorld.h"
#include "interpreter/Evaluator.h"
#include "language/Language.h"
#include "mainobj/keyboard/keyboardPrimitives.h"
#include "mainobj/keyboard/tKeyboardState.h"
#include "mainobj/tMainLogoObject.h"
#include "processes/tLogoprocess.h"
#include "values/LogoReader.h"

namespace {

using namespace keyModifier;

tKeyStroke press(uint8_t character, uint8_t modifiers = 0) { return {0, 0, modifiers, character}; }
tKeyStroke special(uint16_t number) { return {0, number, 0, 0}; }

TEST(StrokeQueueTest, GrowsInStepsUpTo400ThenReplacesTheNewest)
{
    tStrokeQueue queue;
    EXPECT_EQ(queue.Slots(), 100u);
    for (int i = 0; i < 101; ++i) queue.Append(press(static_cast<uint8_t>(i)));
    EXPECT_EQ(queue.Slots(), 200u);
    for (int i = 101; i < 401; ++i) queue.Append(press(static_cast<uint8_t>(i % 256)));
    EXPECT_EQ(queue.Size(), 400u);
    EXPECT_EQ(queue.Slots(), 400u);
    for (int i = 0; i < 399; ++i) EXPECT_EQ(queue.TakeOldest()->character, i % 256);
    // The 401st press took the 400th's place.
    EXPECT_EQ(queue.TakeOldest()->character, 400 % 256);
    EXPECT_FALSE(queue.TakeOldest());
    queue.Append(press('x'));
    queue.Clear();
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(queue.Slots(), 100u);
}

// The real main object with the reading primitives; strokes are put in as the window puts them.
class KeyReadingTest : public ::testing::Test {
protected:
    KeyReadingTest()
    {
        keyboard.Reset();
        registerKeyboardPrimitives(*mainLogoObject().procTable);
    }
    ~KeyReadingTest() override { keyboard.Reset(); }

    tMainObjectWorld world;
    tKeyboardState& keyboard = keyboardState();
};

TEST_F(KeyReadingTest, OnlyCollectedPressesWait)
{
    EXPECT_EQ(world.Run("print key?"), "false\n");
    keyboard.Collect({1, 0, 0, 'a'});
    EXPECT_EQ(world.Run("print key?"), "false\n");
    keyboard.Collect(press('a'));
    EXPECT_EQ(world.Run("print key?"), "true\n");
    keyboard.StopCollecting();
    keyboard.Collect(press('b'));
    EXPECT_EQ(world.Run("print key print key?"), "a\nfalse\n");
}

TEST_F(KeyReadingTest, WhatEachReadingPrimitiveGivesForAStroke)
{
    struct tCase {
        tKeyStroke stroke;
        const char* readkey;
        int readchar;
        const char* key;
    };
    const tCase cases[] = {
        {press('a'), "97", 97, "a"},
        {press(200), "200", 200, "\xC8"},
        {press(1), "1", 0, "ctrl.A"},
        {press(9), "9", 9, "ctrl.I"},
        {press(13), "13", 13, "ctrl.M"},
        {special(59), "-59", 0, "f1"},
        {special(83), "-83", 0, "delete"},
        {special(84), "13", 13, "enter"},
        {special(85), "8", 0, "backspace"},
        {special(86), "9", 9, "tab"},
        {special(87), "27", 0, "esc"},
    };
    for (const tCase& each : cases) {
        SCOPED_TRACE(each.key);
        for (int i = 0; i < 3; ++i) keyboard.Collect(each.stroke);
        EXPECT_EQ(world.Run("print readkey"), std::string(each.readkey) + "\n");
        EXPECT_EQ(world.Run("print ascii readchar"), std::to_string(each.readchar) + "\n");
        EXPECT_EQ(world.Run("print key print lastkey print key?"), std::string(each.key) + "\n" + each.key + "\nfalse\n");
    }
}

TEST_F(KeyReadingTest, LastKeyNamesTheStrokeLastTaken)
{
    EXPECT_EQ(world.Run("print lastkey"), "ctrl.@\n");
    keyboard.Collect(special(60));
    keyboard.Collect(press('z'));
    EXPECT_EQ(world.Run("print (readkey 1) print lastkey print lastkey"), "-60\nf2\nf2\n");
}

TEST_F(KeyReadingTest, ReadkeyZeroFlushesOnlyWhenStrokesWait)
{
    keyboard.deferredKeys.Append(press('d'));
    EXPECT_EQ(world.Run("(readkey 0)"), "");
    EXPECT_EQ(keyboard.deferredKeys.Size(), 1u);
    keyboard.Collect(press('a'));
    keyboard.Collect(press('b'));
    EXPECT_EQ(world.Run("(readkey 0) print key?"), "false\n");
    EXPECT_TRUE(keyboard.deferredKeys.Empty());
    EXPECT_EQ(world.Run("print lastkey"), "ctrl.@\n");
}

TEST_F(KeyReadingTest, ReadkeyInputs)
{
    EXPECT_EQ(world.ErrorOf("(readkey 1 2)"), "erTooManyInputs");
    EXPECT_EQ(world.ErrorOf("(readkey 3)"), "erMinMax");
    EXPECT_EQ(world.ErrorOf("(readkey \"x)"), "erExpectNumber");
}

// A process waiting for a key lets others run, takes the key once one comes, and ends when it
// is stopped while it waits.
TEST_F(KeyReadingTest, AWaitingReaderYieldsWakesAndStops)
{
    auto start = [&](const char* code, const char* name) {
        tProcessStart process;
        process.name = name;
        process.code = ListFromText(code, false);
        process.startObject = &mainLogoObject();
        return tLogoprocess::Start<tLogoprocess>(std::move(process));
    };
    std::shared_ptr<tLogoprocess> reader = start("make \"got readkey", "reader");
    std::shared_ptr<tLogoprocess> waiter = start("make \"never key", "waiter");
    constexpr uint32_t kPatience = 60000;
    std::shared_ptr<tLogoprocess> other;
    {
        tInterpreterLock::Releaser released;
        // Both wait on the queue without holding the lock: this thread can take it meanwhile.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        {
            tInterpreterLock::Holder interpreting;
            EXPECT_FALSE(reader->Finished());
        }
        keyboard.Collect(press('q'));
        // One of the two takes it; the other is stopped.
        const int first = tSyncEvent::WaitForAny({&reader->endedSignal, &waiter->endedSignal}, kPatience);
        ASSERT_NE(first, tSyncEvent::kTimedOut);
        other = first == 0 ? waiter : reader;
        EXPECT_FALSE(other->Finished());
        other->Stop();
        EXPECT_TRUE(other->endedSignal.Wait(kPatience));
    }
    EXPECT_EQ(world.Run(other == waiter ? "print :got" : "print :never"), other == waiter ? "113\n" : "q\n");
}

}  // namespace
