#include <gtest/gtest.h>

#include "ColourWorld.h"
#include "turtle/colours/colourPicker.h"

namespace {

class ColourPicker : public ::testing::Test {
protected:
    tColourWorld world;
};

TEST_F(ColourPicker, InterfaceNamesBecomeLogoNamesKeepingTheirShade)
{
    struct Case {
        const char* shown;
        const char* logo;
    } cases[] = {
        {"red3", "red3"}, {"Gray", "grey"}, {"LightGray12", "lightgrey12"}, {"paleblue", "paleblue"},
        {"rouge", ""},    {"", ""},         {"12", ""},                     {"red 3", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(pickerNameToLogo(c.shown), c.logo) << c.shown;
}

TEST_F(ColourPicker, BracketTextGivesItsColourOrBlackOnAnyFault)
{
    struct Case {
        const char* text;
        uint32_t rgb;
    } cases[] = {
        {"[1 2 3]", 0x010203},   {"[255 255 255]", 0xffffff}, {"[1  2 3]", 0}, {"[1 2]", 0},  {"[1 2 256]", 0},
        {"[1 -2 3]", 0},         {"1 2 3", 0},                {"[1 2 3]x", 0}, {"[1 2 3", 0}, {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(colourFromBracketText(c.text).Rgb(), c.rgb) << c.text;
}

}  // namespace
