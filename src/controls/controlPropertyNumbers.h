#pragma once

#include <cstdint>

// The property numbers the control kinds declare beyond the object model's own list
// (objects/objectProperties.h): the same fixed numbers stored projects use.
namespace controlProperty {
constexpr int32_t kValue = 11;
constexpr int32_t kFontText = 13;
constexpr int32_t kColour = 14;
constexpr int32_t kBgColourText = 15;
constexpr int32_t kCaption = 21;
constexpr int32_t kOneShot = 22;
constexpr int32_t kStyle = 23;
constexpr int32_t kDown = 24;
constexpr int32_t kAllUp = 25;
constexpr int32_t kFlat = 26;
constexpr int32_t kGroup = 27;
constexpr int32_t kPicture = 28;
constexpr int32_t kMin = 30;
constexpr int32_t kMax = 31;
constexpr int32_t kSliderValue = 32;
constexpr int32_t kVertical = 33;
constexpr int32_t kPenColour = 47;
constexpr int32_t kPenWidth = 48;
constexpr int32_t kBgColourSlider = 121;
constexpr int32_t kSwitch = 133;
constexpr int32_t kUseWho = 134;
constexpr int32_t kTransparentSlider = 135;
constexpr int32_t kControlledObject = 160;
constexpr int32_t kOneLine = 181;
}  // namespace controlProperty
