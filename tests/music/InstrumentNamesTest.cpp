#include <gtest/gtest.h>

#include <string>

#include "music/instrumentNames.h"
#include "values/eLogoException.h"

namespace {

TEST(InstrumentNames, NamesGiveTheirPrograms)
{
    const struct {
        const char* name;
        int program;
    } cases[] = {
        {"piano", 0},  {"Guitar", 25}, {"  organ ", 16}, {"grand piano", 0}, {"acoustic guitar steel", 25},
        {"SAXOPHONE", 65}, {"gunshot", 127}, {"harp", 46}, {"orchestral harp", 46}, {"banana", -1},
        {"grand", -1}, {"", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(instrumentOfName(c.name), c.program) << c.name;
}

TEST(InstrumentNames, NumbersAreCheckedAgainstTheirRange)
{
    EXPECT_EQ(instrumentOfText("127", 127), 127);
    EXPECT_EQ(instrumentOfText("128", 128), 128);
    EXPECT_EQ(instrumentOfText("violin", 127), 40);
    const struct {
        const char* text;
        errorConst key;
    } failures[] = {{"128", erMinMax}, {"99999999999", erMinMax}, {"fiddlesticks", erBadValue}};
    for (const auto& c : failures) {
        try {
            instrumentOfText(c.text, 127);
            ADD_FAILURE() << c.text;
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.key, c.key) << c.text;
        }
    }
}

}  // namespace
