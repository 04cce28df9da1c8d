#include <array>
#include <cmath>
#include <utility>

#include "language/Language.h"
#include "objects/objectProperties.h"
#include "objects/propertyDeclaration.h"
#include "platform/devices/joystickKind.h"
#include "platform/devices/tLogoJoystick.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

namespace {

namespace number {
constexpr int32_t kX = 67;
constexpr int32_t kRangeX = 73;
constexpr int32_t kDeadZoneX = 79;
constexpr int32_t kAxesCount = 85;
constexpr int32_t kButtonCount = 86;
constexpr int32_t kPov = 87;
constexpr int32_t kButton1 = 88;
constexpr int32_t kVelocityXY = 126;
constexpr int32_t kVelocity = 127;
constexpr int32_t kAngle = 128;
constexpr int32_t kJoystickNumber = 172;
}  // namespace number

constexpr size_t kAxes = 6;
constexpr size_t kButtons = 32;

// The state of a joystick that still answers.
tJoystickReader::tSnapshot readingOf(tmultiobject& object)
{
    tJoystickReader::tSnapshot snapshot = tLogoJoystick::Of(object).Snapshot();
    if (snapshot.lost) throw eLogoException(erJoyControl);
    return snapshot;
}

template <int32_t property>
void refuse(tmultiobject&, tlogoobject*)
{
    throw eLogoException(erJoyReadOnly, std::string_view(codeName(propertyNames(property).getterCode)));
}

template <size_t axis>
tlogoobject* getAxis(tmultiobject& object)
{
    const tJoystickReader::tSnapshot snapshot = readingOf(object);
    const int index = snapshot.layout.named[axis];
    const int16_t value = index < 0 ? 0 : snapshot.state.Axis(index);
    return NewInteger(scaledAxis(value, tLogoJoystick::Of(object).axes[axis]));
}

template <size_t axis>
tlogoobject* getRange(tmultiobject& object)
{
    const tAxisSetting& setting = tLogoJoystick::SettingsOf(object).axes[axis];
    tListBuilder range;
    range.Append(NewInteger(setting.low));
    range.Append(NewInteger(setting.high));
    return range.Take();
}

// [low high], two whole numbers (a range may run backwards).
template <size_t axis>
void setRange(tmultiobject& object, tlogoobject* value)
{
    tAxisSetting& setting = tLogoJoystick::SettingsOf(object).axes[axis];
    auto* list = dynamic_cast<tLogoList*>(value);
    std::vector<tlogoobject*> ends;
    if (list)
        for (tlogoobject* end : elements(list)) ends.push_back(end);
    if (ends.size() != 2 || !ends[0]->IsNumber() || !ends[1]->IsNumber()) throw eLogoException(erExpectList2, value);
    constexpr int32_t kLimit = 1000000000;
    const int32_t low = ends[0]->AsIntegerIn(-kLimit, kLimit), high = ends[1]->AsIntegerIn(-kLimit, kLimit);
    setting.low = low;
    setting.high = high;
}

template <size_t axis>
tlogoobject* getDeadZone(tmultiobject& object)
{
    return NewInteger(tLogoJoystick::SettingsOf(object).axes[axis].deadZone);
}

template <size_t axis>
void setDeadZone(tmultiobject& object, tlogoobject* value)
{
    tLogoJoystick::SettingsOf(object).axes[axis].deadZone = value->AsIntegerIn(0, 100);
}

template <size_t button>
tlogoobject* getButton(tmultiobject& object)
{
    return NewBoolean(readingOf(object).state.Button(static_cast<int>(button) + 1));
}

tlogoobject* getAxesCount(tmultiobject& object) { return NewInteger(readingOf(object).state.AxesCount()); }
tlogoobject* getButtonCount(tmultiobject& object) { return NewInteger(readingOf(object).state.ButtonCount()); }

tlogoobject* getPov(tmultiobject& object)
{
    const tJoystickReader::tSnapshot snapshot = readingOf(object);
    const tJoystickLayout& layout = snapshot.layout;
    if (layout.hatX < 0 || layout.hatY < 0) return NewInteger(-1);
    return NewInteger(hatDirection(snapshot.state.Axis(layout.hatX), snapshot.state.Axis(layout.hatY)));
}

// The stick is the x and y axes with their dead zones.
tStickDirection stickOf(tmultiobject& object)
{
    const tJoystickReader::tSnapshot snapshot = readingOf(object);
    const tLogoJoystick& joystick = tLogoJoystick::Of(object);
    auto share = [&](size_t axis) {
        const int index = snapshot.layout.named[axis];
        return index < 0 ? 0.0 : axisShare(snapshot.state.Axis(index), joystick.axes[axis].deadZone);
    };
    return stickDirection(share(0), share(1));
}

tlogoobject* getVelocityXY(tmultiobject& object)
{
    const tStickDirection stick = stickOf(object);
    tListBuilder push;
    push.Append(NewInteger(stick.right));
    push.Append(NewInteger(stick.forward));
    return push.Take();
}

tlogoobject* getVelocity(tmultiobject& object) { return NewInteger(stickOf(object).velocity); }
tlogoobject* getAngle(tmultiobject& object) { return NewInteger(static_cast<int32_t>(std::lround(stickOf(object).angle)) % 360); }

tlogoobject* getNumber(tmultiobject& object) { return NewInteger(tLogoJoystick::SettingsOf(object).Number()); }
void setNumber(tmultiobject& object, tlogoobject* value) { tLogoJoystick::SettingsOf(object).SetNumber(value->AsInteger()); }

template <size_t... axis>
constexpr std::array<tBoundProperty, kAxes> axisProperties(std::index_sequence<axis...>)
{
    return {tBoundProperty{&getAxis<axis>, &refuse<number::kX + static_cast<int32_t>(axis)>}...};
}
template <size_t... axis>
constexpr std::array<tBoundProperty, kAxes> rangeProperties(std::index_sequence<axis...>)
{
    return {tBoundProperty{&getRange<axis>, &setRange<axis>}...};
}
template <size_t... axis>
constexpr std::array<tBoundProperty, kAxes> deadZoneProperties(std::index_sequence<axis...>)
{
    return {tBoundProperty{&getDeadZone<axis>, &setDeadZone<axis>}...};
}
template <size_t... button>
constexpr std::array<tBoundProperty, kButtons> buttonProperties(std::index_sequence<button...>)
{
    return {tBoundProperty{&getButton<button>, &refuse<number::kButton1 + static_cast<int32_t>(button)>}...};
}

constexpr auto kAxisProperties = axisProperties(std::make_index_sequence<kAxes>());
constexpr auto kRangeProperties = rangeProperties(std::make_index_sequence<kAxes>());
constexpr auto kDeadZoneProperties = deadZoneProperties(std::make_index_sequence<kAxes>());
constexpr auto kButtonProperties = buttonProperties(std::make_index_sequence<kButtons>());

struct tSingleProperty {
    int32_t number;
    tBoundProperty functions;
};
constexpr tSingleProperty kSingleProperties[] = {
    {number::kAxesCount, {&getAxesCount, &refuse<number::kAxesCount>}},
    {number::kButtonCount, {&getButtonCount, &refuse<number::kButtonCount>}},
    {number::kPov, {&getPov, &refuse<number::kPov>}},
    {number::kVelocityXY, {&getVelocityXY, &refuse<number::kVelocityXY>}},
    {number::kVelocity, {&getVelocity, &refuse<number::kVelocity>}},
    {number::kAngle, {&getAngle, &refuse<number::kAngle>}},
    {number::kJoystickNumber, {&getNumber, &setNumber}},
};

template <size_t count>
void declareRun(tmultiobject& joystickClass, int32_t first, const std::array<tBoundProperty, count>& run)
{
    for (size_t i = 0; i < count; ++i)
        declareProperty(joystickClass, boundPropertyDeclaration(first + static_cast<int32_t>(i), {}, 0, run[i]));
}

}  // namespace

void declareJoystickProperties(tmultiobject& joystickClass)
{
    declareRun(joystickClass, number::kX, kAxisProperties);
    declareRun(joystickClass, number::kRangeX, kRangeProperties);
    declareRun(joystickClass, number::kDeadZoneX, kDeadZoneProperties);
    for (const tSingleProperty& property : kSingleProperties)
        declareProperty(joystickClass, boundPropertyDeclaration(property.number, {}, 0, property.functions));
    declareRun(joystickClass, number::kButton1, kButtonProperties);
    // What an object made from a stored one carries along: its settings, then the joystick.
    std::vector<int32_t> carried;
    for (int32_t i = 0; i < static_cast<int32_t>(kAxes); ++i) carried.push_back(number::kRangeX + i);
    for (int32_t i = 0; i < static_cast<int32_t>(kAxes); ++i) carried.push_back(number::kDeadZoneX + i);
    carried.push_back(number::kJoystickNumber);
    joystickClass.paramsToMove = std::make_shared<const std::vector<int32_t>>(std::move(carried));
}
