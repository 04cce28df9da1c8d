#include <gtest/gtest.h>

#include <algorithm>

#include "ColourWorld.h"
#include "../../language/FixtureLanguage.h"
#include "language/Language.h"
#include "turtle/colours/colourNames.h"
#include "values/eLogoException.h"

namespace {

class ColourNames : public ::testing::Test {
protected:
    tColourWorld world;
};

TEST_F(ColourNames, NamesWithAndWithoutShadesGiveTheTableColour)
{
    struct Case {
        const char* name;
        uint32_t rgb;
    } cases[] = {
        {"red", 0xff0000},       {"red6", 0xff0000},     {"RED", 0xff0000},      {"\"red", 0xff0000},
        {"red1", 0x280000},      {"red07", 0xff4040},    {"magenta12", 0xffe0f0}, {"taupe", 0xc88048},
        {"gray9", 0xc0c0c0},     {"darkgreen3", 0x006848},
        // special names: their own colour bare, the grey row's shade with a number
        {"white", 0xffffff},     {"white3", 0x383838},   {"black", 0x000000},    {"black12", 0xffffff},
        {"lightgrey", 0xc0c0c0}, {"lightGray6", 0x808080},
    };
    for (const Case& c : cases) EXPECT_EQ(colourFromName(c.name).Rgb(), c.rgb) << c.name;
}

TEST_F(ColourNames, BadNamesAndShadesFailWithTheirKeysAndCulprits)
{
    struct Case {
        const char* name;
        errorConst key;
        const char* culprit;
    } cases[] = {
        {"red13", erMinMax, "13"},        {"red0", erMinMax, "0"},           {"red99999999999", erMinMax, "99999999999"},
        {"red1x", erExpectNumber, "1x"},  {"red6 ", erExpectNumber, "6 "},   {"Redd", erColorWrongName, "Redd"},
        {"", erColorWrongName, ""},       {"12", erColorWrongName, "12"},    {"lightgreen", erColorWrongName, "lightgreen"},
        {"red-1", erColorWrongName, "red-1"},
    };
    for (const Case& c : cases) {
        try {
            colourFromName(c.name);
            ADD_FAILURE() << c.name << " was read as a colour";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, c.key) << c.name;
            ASSERT_TRUE(error.culprit) << c.name;
            EXPECT_EQ(error.culprit->WordText(), c.culprit) << c.name;
            if (c.key == erMinMax) {
                EXPECT_EQ(std::pair(error.lowerBound, error.upperBound), std::pair(1, 12)) << c.name;
            }
        }
    }
}

TEST_F(ColourNames, ColoursAreNamedByTheFirstHolderInTableOrder)
{
    struct Case {
        uint32_t rgb;
        bool specialsFirst;
        const char* name;  // nullptr: no name
    } cases[] = {
        {0xff0000, true, "red"},        {0x800000, true, "red3"},      {0xc0c0c0, true, "lightgrey"},
        {0xc0c0c0, false, "grey9"},     {0x000000, true, "black"},     {0x000000, false, "grey1"},
        {0xffffff, true, "white"},      {0x383838, true, "grey3"},     {0x0000ff, true, "blue"},
        {0x010203, true, nullptr},      {0x000080, true, "blue3"},
    };
    for (const Case& c : cases) {
        std::optional<std::string> name = nameOfColour(tColour::FromRgb(c.rgb), c.specialsFirst);
        if (c.name)
            EXPECT_EQ(name, std::optional<std::string>(c.name)) << std::hex << c.rgb;
        else
            EXPECT_FALSE(name) << std::hex << c.rgb << " named " << *name;
    }
}

TEST_F(ColourNames, EveryTableColourReadsBackFromItsName)
{
    for (const tShadeRow& row : kShadeRows)
        for (tColour shade : row.shades) {
            std::optional<std::string> name = nameOfColour(shade);
            ASSERT_TRUE(name) << row.key;
            EXPECT_EQ(colourFromName(*name), shade) << *name;
        }
}

TEST_F(ColourNames, TheNameListHasWhiteBlackAndTheSixteenBaseColours)
{
    std::vector<std::string> names = colourNameList();
    ASSERT_EQ(names.size(), 18u);
    EXPECT_EQ(names.front(), "white");
    EXPECT_EQ(names[1], "black");
    EXPECT_EQ(names[2], "magenta");
    EXPECT_EQ(names.back(), "grey");
    EXPECT_EQ(std::count(names.begin(), names.end(), "lightgrey"), 0);
}

TEST_F(ColourNames, ALanguageSwitchBringsItsOwnColourWords)
{
    std::string language = installFixtureLanguage(
        "zxcolours", "[dict]\nany=nimm\n[colors]\nwhite=blanc\nblack=noir\nlightGrey=grisclair\nred=rouge rot\ngrey=gris\n");
    ASSERT_TRUE(switchLanguage(language));
    EXPECT_EQ(colourFromName("rot3").Rgb(), 0x800000u);
    EXPECT_EQ(nameOfColour(tColour{255, 0, 0}), std::optional<std::string>("rouge"));
    EXPECT_EQ(nameOfColour(tColour{192, 192, 192}), std::optional<std::string>("grisclair"));
    EXPECT_EQ(tColourWorld::RaisedKey([] { colourFromName("red"); }), erColorWrongName);
    EXPECT_EQ(tColourWorld::RaisedKey([] { colourFromName("nimm"); }), erUnexpected);
    // Colours the language does not name are left out of the list.
    EXPECT_EQ(colourNameList(), (std::vector<std::string>{"blanc", "noir", "rouge", "gris"}));
    ASSERT_TRUE(switchLanguage(""));
    EXPECT_EQ(colourFromName("red").Rgb(), 0xff0000u);
    EXPECT_EQ(colourNameList().size(), 18u);
}

}  // namespace
