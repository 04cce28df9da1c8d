#include "platform/devices/joystickState.h"

#include <algorithm>

tJoystickRecord tJoystickRecord::Decode(const uint8_t* bytes)
{
    tJoystickRecord record;
    record.time = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                  static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    record.value = static_cast<int16_t>(static_cast<uint16_t>(bytes[4] | bytes[5] << 8));
    record.type = bytes[6];
    record.number = bytes[7];
    return record;
}

void tJoystickRecord::Encode(uint8_t* bytes) const
{
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(time >> (8 * i));
    const auto bits = static_cast<uint16_t>(value);
    bytes[4] = static_cast<uint8_t>(bits);
    bytes[5] = static_cast<uint8_t>(bits >> 8);
    bytes[6] = type;
    bytes[7] = number;
}

void tJoystickChanges::Add(const tJoystickChanges& later)
{
    buttons.insert(buttons.end(), later.buttons.begin(), later.buttons.end());
    moved = moved || later.moved;
}

tJoystickChanges tJoystickState::Apply(const tJoystickRecord& record)
{
    tJoystickChanges changes;
    const bool initial = (record.type & tJoystickRecord::kInitial) != 0;
    const uint8_t type = record.type & ~tJoystickRecord::kInitial;
    if (type == tJoystickRecord::kAxis && record.number < kMaxAxes) {
        axesSeen = std::max(axesSeen, record.number + 1);
        changes.moved = !initial && axes[record.number] != record.value;
        axes[record.number] = record.value;
    } else if (type == tJoystickRecord::kButton && record.number < kMaxButtons) {
        buttonsSeen = std::max(buttonsSeen, record.number + 1);
        const bool down = record.value != 0;
        if (!initial && buttons[record.number] != down) changes.buttons.push_back({record.number + 1, down});
        buttons[record.number] = down;
    }
    return changes;
}

tJoystickLayout joystickLayout(const std::vector<uint8_t>& codes, int axesCount)
{
    // The kernel's codes of the hat switches' axes, first hat first.
    constexpr uint8_t kFirstHatX = 0x10, kFirstHatY = 0x11, kLastHatAxis = 0x17;
    tJoystickLayout layout;
    size_t named = 0;
    for (int axis = 0; axis < axesCount; ++axis) {
        const bool coded = static_cast<size_t>(axis) < codes.size();
        const uint8_t code = coded ? codes[axis] : 0;
        if (coded && code == kFirstHatX) {
            layout.hatX = axis;
        } else if (coded && code == kFirstHatY) {
            layout.hatY = axis;
        } else if (!coded || code < kFirstHatX || code > kLastHatAxis) {
            if (named < layout.named.size()) layout.named[named++] = axis;
        }
    }
    return layout;
}
