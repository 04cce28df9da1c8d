#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// What the kernel's joystick device says, as plain data. The device sends 8-byte records
// (time in ms, value, type, number): an axis moved to a value from -32767 to 32767, or a
// button went down (1) or up (0). Right after opening it sends one record per axis and button
// marked as initial, with the state they are in.
struct tJoystickRecord {
    uint32_t time = 0;
    int16_t value = 0;
    uint8_t type = 0;
    uint8_t number = 0;

    static constexpr size_t kSize = 8;
    static constexpr uint8_t kButton = 0x01;
    static constexpr uint8_t kAxis = 0x02;
    static constexpr uint8_t kInitial = 0x80;

    // Little-endian, as the device writes them on every machine the program runs on.
    static tJoystickRecord Decode(const uint8_t* bytes);
    void Encode(uint8_t* bytes) const;
};

// A button that went down or up (numbers from 1).
struct tButtonChange {
    int number = 0;
    bool down = false;
};

// What one batch of records changed: initial records set the state and change nothing.
struct tJoystickChanges {
    std::vector<tButtonChange> buttons;
    bool moved = false;

    bool Empty() const { return buttons.empty() && !moved; }
    void Add(const tJoystickChanges& later);
};

// The axes and buttons as the records left them. Counts are what the device was asked for,
// or else one more than the highest number it reported.
class tJoystickState {
public:
    static constexpr int kMaxAxes = 64;
    static constexpr int kMaxButtons = 32;

    // Records beyond kMaxAxes/kMaxButtons and of unknown types are ignored.
    tJoystickChanges Apply(const tJoystickRecord& record);

    int16_t Axis(int index) const { return index >= 0 && index < kMaxAxes ? axes[index] : 0; }
    bool Button(int number) const { return number >= 1 && number <= kMaxButtons && buttons[number - 1]; }
    int AxesCount() const { return axesAsked ? *axesAsked : axesSeen; }
    int ButtonCount() const { return buttonsAsked ? *buttonsAsked : buttonsSeen; }

    void SetCounts(std::optional<int> axes, std::optional<int> buttons)
    {
        axesAsked = axes;
        buttonsAsked = buttons;
    }

private:
    std::array<int16_t, kMaxAxes> axes{};
    std::array<bool, kMaxButtons> buttons{};
    int axesSeen = 0;
    int buttonsSeen = 0;
    std::optional<int> axesAsked;
    std::optional<int> buttonsAsked;
};

// Which device axes are the six named ones (x, y, z, r, u, v; -1 where there is none) and
// which two are the first hat switch. `codes` are the input codes the device names for its
// axes (empty when it names none): hats are left out of the named axes; without codes the
// axes are named in order and there is no hat.
struct tJoystickLayout {
    std::array<int, 6> named{-1, -1, -1, -1, -1, -1};
    int hatX = -1;
    int hatY = -1;
};
tJoystickLayout joystickLayout(const std::vector<uint8_t>& codes, int axesCount);
