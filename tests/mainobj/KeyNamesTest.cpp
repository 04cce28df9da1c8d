#include <gtest/gtest.h>

#include <string>

#include "MainObjectWorld.h"
#include "mainobj/keyboard/keyNames.h"
#include "mainobj/keyboard/qtKeyCodes.h"
#include "values/eLogoException.h"

namespace {

using namespace keyModifier;

tKeyStroke press(uint8_t character, uint8_t modifiers = 0) { return {0, 0, modifiers, character}; }
tKeyStroke special(uint16_t number, uint8_t modifiers = 0, uint8_t release = 0) { return {release, number, modifiers, 0}; }

// Names are read from the English dictionary.
class KeyNamesTest : public ::testing::Test {
protected:
    tMainObjectWorld world;
};

struct tNamedStroke {
    tKeyStroke stroke;
    const char* name;
};

// Strokes as the window makes them, so that each name reads back as its stroke.
const tNamedStroke kNamedStrokes[] = {
    {{}, "ctrl.@"},
    {press('a'), "a"},
    {press(' '), "space"},
    {press(' ', kAlt), "alt.space"},
    {press(' ', kCtrl | kShift), "shift.ctrl.space"},
    {press('A', kAlt), "alt.A"},
    {press(19), "ctrl.S"},
    {press(19, kShift), "shift.ctrl.S"},
    {{1, 0, kAlt, 1}, "off.alt.ctrl.A"},
    {special(59), "f1"},
    {special(60, kShift | kCtrl | kAlt), "alt.shift.ctrl.f2"},
    {special(84, 0, 1), "off.enter"},
    {special(78), "nokey"},
    {special(87, kCtrl), "ctrl.esc"},
};

TEST_F(KeyNamesTest, AStrokeIsNamedOffAltShiftCtrlKeyAndReadsBack)
{
    for (const tNamedStroke& each : kNamedStrokes) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(keyStrokeName(each.stroke), each.name);
        EXPECT_EQ(keyWordPattern(each.name), each.stroke);
    }
    // Shift is left out of a capital letter's name when neither ctrl nor alt is down.
    EXPECT_EQ(keyStrokeName(press('A', kShift)), "A");
    // A character from 32 up keeps its ctrl (a layout's Ctrl+Alt character); as a key word the
    // name stands for the control character instead.
    EXPECT_EQ(keyStrokeName(press('A', kCtrl | kShift)), "shift.ctrl.A");
}

TEST_F(KeyNamesTest, KeyWordsOfKeyMenus)
{
    const tNamedStroke cases[] = {
        {press('a'), "a"},
        {press('A'), "A"},
        {{1, 0, 0, 'a'}, "off.a"},
        {special(59), "F1"},
        {special(84), "return"},
        {special(87), "escape"},
        {special(79), "end"},
        {press(' '), "space"},
        {press(19), "CTRL.s"},
        {press(19, kShift), "ctrl.shift.s"},
        {press('A', kShift), "shift.a"},
        {press('_', kAlt), "alt._"},
        {special(60, kShift), "shift.f2"},
        {special(70, kAlt | kCtrl, 1), "off.alt.ctrl.f12"},
        {press(' ', kCtrl), "ctrl.space"},
        {press(19), "\xB7keynames\xB7" "ctrl.s"},
        {press('.'), "."},
    };
    for (const tNamedStroke& each : cases) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(keyWordPattern(each.name), each.stroke);
    }
}

TEST_F(KeyNamesTest, UnknownKeyWords)
{
    for (const char* word : {"shift.1", "ctrl.1", "alt.a.", "banana", "off.", "ctrl.", "f13", "shift.space.x"}) {
        SCOPED_TRACE(word);
        try {
            keyWordPattern(word);
            ADD_FAILURE() << "accepted";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, erUnknownKeyMenu);
            EXPECT_EQ(error.culprit->WordText(), word);
        }
    }
}

TEST(QtKeyCodesTest, SpecialKeysMapToTheirVirtualKeys)
{
    struct tCase {
        int qtKey;
        uint16_t number;
    };
    // Qt::Key values of F1, F12, Home, Clear (keypad 5), Return, Enter, Backtab, Escape.
    const tCase cases[] = {{0x01000030, 59}, {0x0100003b, 70}, {0x01000010, 71}, {0x0100000b, 76},
                           {0x01000004, 84}, {0x01000005, 84}, {0x01000002, 86}, {0x01000000, 87}};
    for (tCase each : cases) EXPECT_EQ(specialKeyOfVirtualKey(virtualKeyOfQtKey(each.qtKey)), each.number) << each.qtKey;
    EXPECT_EQ(virtualKeyOfQtKey(0x01020001), virtualKey::kCancel);
    EXPECT_EQ(virtualKeyOfQtKey('A'), 0);
    EXPECT_EQ(virtualKeyOfQtKey(0x0100003c), 0);  // F13 has no special number
}

}  // namespace
