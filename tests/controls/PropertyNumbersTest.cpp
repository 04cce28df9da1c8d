#include <gtest/gtest.h>

#include "controls/controlPropertyNumbers.h"
#include "objects/objectProperties.h"

namespace {

// The kinds' own numbers are the fixed ones stored projects use: each must name its key.
TEST(ControlPropertyNumbers, EachNumberNamesItsKey)
{
    using namespace controlProperty;
    const struct {
        int32_t number;
        const char* key;
    } rows[] = {
        {kValue, "value"}, {kFontText, "font_text"}, {kColour, "colour"}, {kBgColourText, "bgcolour_text"},
        {kCaption, "caption"}, {kOneShot, "oneShot"}, {kStyle, "style"}, {kDown, "down"}, {kAllUp, "allUp"},
        {kFlat, "flat"}, {kGroup, "group"}, {kPicture, "picture"}, {kMin, "min"}, {kMax, "max"},
        {kSliderValue, "value_slider"}, {kVertical, "vertical"}, {kPenColour, "penColour"}, {kPenWidth, "penWidth"},
        {kBgColourSlider, "bgcolour_slider"}, {kSwitch, "switch"}, {kUseWho, "useWho"},
        {kTransparentSlider, "transparent_slider"}, {kControlledObject, "controlledObject"}, {kOneLine, "oneLine"},
    };
    for (const auto& row : rows) EXPECT_EQ(propertyKey(row.number), row.key) << row.number;
}

}  // namespace
