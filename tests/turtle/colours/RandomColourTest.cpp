#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ColourWorld.h"
#include "turtle/colours/colourTables.h"
#include "turtle/colours/colourNames.h"
#include "values/logoRandom.h"

namespace {

constexpr int kDraws = 400;

std::set<uint32_t> paletteUpTo(int n)
{
    std::set<uint32_t> colours;
    for (int i = 0; i < n; ++i) colours.insert(kPalette[i].Rgb());
    return colours;
}

std::set<uint32_t> shadeTable()
{
    std::set<uint32_t> colours;
    for (const tShadeRow& row : kShadeRows)
        for (tColour shade : row.shades) colours.insert(shade.Rgb());
    return colours;
}

class RandomColours : public ::testing::Test {
protected:
    void SetUp() override { seedRandom(20261210); }

    // Every colour the word "any" gave with "anycolour" set to the value (missing for "").
    std::set<uint32_t> Draws(const char* setting)
    {
        world.SetGlobal("anycolour", *setting ? tColourWorld::Value(setting).get() : nullptr);
        std::set<uint32_t> drawn;
        for (int i = 0; i < kDraws; ++i) drawn.insert(colourFromName("any").Rgb());
        return drawn;
    }

    tColourWorld world;
};

TEST_F(RandomColours, TheSettingDecidesWhichColoursCanBeDrawn)
{
    std::set<uint32_t> blackOrWhite{0x000000, 0xffffff};
    struct Case {
        const char* setting;
        std::set<uint32_t> expected;  // every one of them is drawn, and nothing else
    } cases[] = {
        {"1", blackOrWhite},    {"0", blackOrWhite},          {"-5", blackOrWhite},
        {"2", paletteUpTo(2)},  {"16", paletteUpTo(16)},      {"[red [1 2 3]]", {0xff0000, 0x010203}},
    };
    for (const Case& c : cases) EXPECT_EQ(Draws(c.setting), c.expected) << c.setting;
}

TEST_F(RandomColours, WithoutAUsableNumberAnyShadeOfTheTableIsDrawn)
{
    for (const char* setting : {"", "17", "seven", "2.5", "[]"}) {
        std::set<uint32_t> drawn = Draws(setting);
        std::set<uint32_t> table = shadeTable();
        EXPECT_TRUE(std::includes(table.begin(), table.end(), drawn.begin(), drawn.end())) << setting;
        EXPECT_GT(drawn.size(), 100u) << setting;
    }
}

TEST_F(RandomColours, AnyReachedThroughTheListIsAShadeNeverASecondPick)
{
    std::set<uint32_t> drawn = Draws("[any [1 2 3]]");
    EXPECT_TRUE(drawn.count(0x010203));
    drawn.erase(0x010203);
    std::set<uint32_t> table = shadeTable();
    EXPECT_TRUE(std::includes(table.begin(), table.end(), drawn.begin(), drawn.end()));
    EXPECT_GT(drawn.size(), 50u);
}

TEST_F(RandomColours, AFailedPickLeavesTheNestingAsItWas)
{
    world.SetGlobal("anycolour", tColourWorld::Value("[[1 2]]").get());
    EXPECT_EQ(tColourWorld::RaisedKey([] { colourFromName("any"); }), erExpectColors);
    EXPECT_EQ(Draws("[[5 6 7]]"), std::set<uint32_t>{0x050607});
}

}  // namespace
