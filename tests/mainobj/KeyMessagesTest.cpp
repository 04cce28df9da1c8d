#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>
#include <string>

#include "MainObjectWorld.h"
#include "mainobj/keyboard/keyMessages.h"
#include "mainobj/keyboard/tKeyboardState.h"
#include "objects/activeToolButton.h"
#include "objects/tControlObject.h"
#include "processes/tInterpreterLock.h"
#include "processes/tallthreads.h"
#include "values/tLogoList.h"

namespace {

using namespace keyModifier;

tKeyMessage typed(std::string characters, uint8_t modifiers = 0)
{
    tKeyMessage message;
    message.virtualKey = 'K';
    message.characters = std::move(characters);
    message.modifiers = modifiers;
    return message;
}

tKeyMessage key(int virtualKey, uint8_t modifiers = 0, bool release = false)
{
    tKeyMessage message;
    message.virtualKey = virtualKey;
    message.modifiers = modifiers;
    message.release = release;
    return message;
}

class KeyMessagesTest : public ::testing::Test {
protected:
    KeyMessagesTest() { keyboard.Reset(); }
    ~KeyMessagesTest() override { keyboard.Reset(); }

    tMainObjectWorld world;
    tKeyboardState& keyboard = keyboardState();
};

TEST_F(KeyMessagesTest, WhatStrokeAMessageMakes)
{
    struct tCase {
        const char* what;
        tKeyMessage message;
        std::optional<tKeyStroke> stroke;
    };
    tKeyMessage released = typed("a");
    released.release = true;
    const tCase cases[] = {
        {"a", typed("a"), tKeyStroke{0, 0, 0, 'a'}},
        {"shift+a", typed("A", kShift), tKeyStroke{0, 0, 0, 'A'}},
        {"ctrl+shift+A", typed("A", kShift | kCtrl), tKeyStroke{0, 0, kShift | kCtrl, 'A'}},
        {"ctrl+a", typed("\x01", kCtrl), tKeyStroke{0, 0, 0, 1}},
        {"ctrl+shift+s", typed("\x13", kCtrl | kShift), tKeyStroke{0, 0, kShift, 19}},
        {"alt+a", typed("a", kAlt), tKeyStroke{0, 0, kAlt, 'A'}},
        {"alt+1", typed("1", kAlt), tKeyStroke{0, 0, kAlt, '1'}},
        {"release of a", released, tKeyStroke{1, 0, 0, 'a'}},
        {"a lone accent", typed(std::string("`\0", 2), kShift), tKeyStroke{0, 0, 0, '`'}},
        {"two characters", typed("`e", kAlt), tKeyStroke{0, 0, kAlt, 'E'}},
        {"no character", typed(""), std::nullopt},
        {"shift+F2", key(113, kShift), tKeyStroke{0, 60, kShift, 0}},
        {"release of ctrl+enter", key(13, kCtrl, true), tKeyStroke{1, 84, kCtrl, 0}},
        {"keypad 5", key(12), tKeyStroke{0, 76, 0, 0}},
    };
    for (const tCase& each : cases) {
        SCOPED_TRACE(each.what);
        EXPECT_EQ(keyStrokeOfMessage(each.message), each.stroke);
    }
}

TEST_F(KeyMessagesTest, ThePressAfterADeadKeyMakesNothing)
{
    tKeyMessage dead = typed("");
    dead.deadKey = true;
    EXPECT_EQ(keyStrokeOfMessage(dead), std::nullopt);
    EXPECT_EQ(keyStrokeOfMessage(key(16, kShift)), std::nullopt);
    EXPECT_EQ(keyStrokeOfMessage(typed("E", kShift)), std::nullopt);
    EXPECT_EQ(keyStrokeOfMessage(typed("e")), (tKeyStroke{0, 0, 0, 'e'}));
    tKeyMessage deadRelease = dead;
    deadRelease.release = true;
    EXPECT_EQ(keyStrokeOfMessage(deadRelease), std::nullopt);
    EXPECT_EQ(keyStrokeOfMessage(typed("e")), (tKeyStroke{0, 0, 0, 'e'}));
}

TEST_F(KeyMessagesTest, CtrlBreakEndsCollectingButNotKeyMenus)
{
    tKeyMessage inTextBox = typed("a");
    inTextBox.textBoxFocused = true;
    EXPECT_EQ(keyStrokeOfMessage(inTextBox), std::nullopt);
    EXPECT_EQ(keyStrokeOfMessage(key(virtualKey::kCancel, kCtrl)), std::nullopt);
    EXPECT_FALSE(keyboard.Collecting());
    EXPECT_EQ(keyStrokeOfMessage(typed("a")), std::nullopt);
    // With a key menu, strokes are still made, in a text box too.
    tControlObject* object = world.Make("dog");
    tLogoList* menu = tLogoList::Cons(new tLogoList, nullptr);
    keyboard.table.Set(object, menu, {{{0, specialKey::kAnyStroke, 0, 0}, object, {}}});
    EXPECT_EQ(keyStrokeOfMessage(inTextBox), (tKeyStroke{0, 0, 0, 'a'}));
    keyMessageArrived(typed("b"));
    EXPECT_TRUE(keyboard.keyQueue.Empty());
}

TEST_F(KeyMessagesTest, EscapeLetsGoOfTheToolButtonAndIsStillAKey)
{
    tControlObject* button = world.Make("tool");
    setActiveToolButton(button);
    {
        tInterpreterLock::Releaser released;
        keyMessageArrived(key(virtualKey::kEscape, 0, true));
        keyMessageArrived(key(virtualKey::kEscape));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (tallthreads::Instance().Count() > 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(activeToolButton(), nullptr);
    EXPECT_EQ(keyboard.TakeKey(), (tKeyStroke{0, specialKey::kEscape, 0, 0}));
    EXPECT_FALSE(keyboard.HasKey());
}

}  // namespace
