#include <gtest/gtest.h>

#include "ColourWorld.h"
#include "turtle/colours/colourValues.h"
#include "values/tlogoobject.h"

namespace {

class ColourValues : public ::testing::Test {
protected:
    tColourWorld world;
};

TEST_F(ColourValues, NumbersNamesAndListsGiveColours)
{
    struct Case {
        const char* value;
        uint32_t rgb;
    } cases[] = {
        {"0", 0x000000},          {"1", 0x000080},           {"7", 0xc0c0c0},         {"12", 0xff0000},
        {"15", 0xffffff},         {"11.6", 0xff0000},        {"red", 0xff0000},       {"white3", 0x383838},
        {"[10 20 30]", 0x0a141e}, {"[10 20 30 40]", 0x0a141e}, {"[255 0 255 [x]]", 0xff00ff}, {"[0 0 0]", 0x000000},
    };
    for (const Case& c : cases) EXPECT_EQ(colourFromValue(*tColourWorld::Value(c.value)).Rgb(), c.rgb) << c.value;
}

TEST_F(ColourValues, WrongValuesFailWithTheirOwnKeysAndAsColorWithExpectColors)
{
    struct Case {
        const char* value;
        errorConst key;
    } cases[] = {
        {"16", erMinMax},          {"-1", erMinMax},          {"red13", erMinMax},       {"red1x", erExpectNumber},
        {"nocolour", erColorWrongName}, {"[10 20]", erExpectColors}, {"[]", erExpectColors}, {"[10 20 256]", erExpectColors},
        {"[10 -1 0]", erExpectColors}, {"[1.5 2 3]", erExpectColors}, {"[a 2 3]", erExpectColors}, {"[[1] 2 3]", erExpectColors},
    };
    for (const Case& c : cases) {
        tLogoRef<tlogoobject> value = tColourWorld::Value(c.value);
        EXPECT_EQ(tColourWorld::RaisedKey([&] { colourFromValue(*value); }), c.key) << c.value;
        EXPECT_EQ(tColourWorld::RaisedKey([&] { value->AsColor(); }), erExpectColors) << c.value;
    }
}

TEST_F(ColourValues, AsColorReadsThroughTheColourLayer)
{
    EXPECT_EQ(tColourWorld::Value("palered")->AsColor(), 0xf04810u);
    EXPECT_EQ(tColourWorld::Value("[1 2 3]")->AsColor(), 0x010203u);
}

TEST_F(ColourValues, ColourStylesWriteNamesNumbersOrLists)
{
    struct Case {
        uint32_t rgb;
        int style;
        const char* written;  // a value's printed form, lists with brackets
    } cases[] = {
        {0xff0000, 0, "12"},        {0xff0000, 1, "red"},         {0xff0000, 2, "[255 0 0]"},  {0xff0000, 7, "12"},
        {0xff0000, -1, "12"},       {0x800000, 1, "red3"},        {0x800000, 0, "4"},          {0xc0c0c0, 1, "lightgrey"},
        {0xc0c0c0, 0, "7"},         {0x010203, 1, "[1 2 3]"},     {0x010203, 0, "[1 2 3]"},    {0x280010, 0, "[40 0 16]"},
        {0x280010, 1, "magenta1"},  {0xffffff, 2, "[255 255 255]"},
    };
    for (const Case& c : cases) {
        tLogoRef<tlogoobject> written = colourToValue(tColour::FromRgb(c.rgb), c.style);
        EXPECT_EQ(written->PrintText(1), c.written) << std::hex << c.rgb << " style " << c.style;
    }
}

}  // namespace
