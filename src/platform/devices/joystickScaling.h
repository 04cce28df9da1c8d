#pragma once

#include <cstdint>

// How a program sees an axis: its device values (-32767 to 32767) spread over a range, with a
// dead zone around the centre (a share of each half, in per cent) that reads as the centre, so
// a stick at rest reads steady. Past the dead zone the values grow from the centre again, with
// no jump. A range may run backwards (high to low) to turn the axis round.
struct tAxisSetting {
    int32_t low = -100;
    int32_t high = 100;
    int32_t deadZone = 0;
};

// The device value as a share of the axis's half, -1 to 1, with the dead zone taken out.
double axisShare(int16_t value, int32_t deadZone);

// The device value on the axis's range, rounded.
int32_t scaledAxis(int16_t value, const tAxisSetting& setting);

// Where a stick points, from its x and y shares (y as the device gives it: negative forward):
// how far it is pushed (0 to 100), its push forward and to the right (-100 to 100 each), and
// its direction as a turtle heading (0 forward, 90 right; 0 at rest).
struct tStickDirection {
    int32_t velocity = 0;
    int32_t right = 0;
    int32_t forward = 0;
    double angle = 0;
};
tStickDirection stickDirection(double xShare, double yShare);

// A hat switch's direction in degrees clockwise from forward (0, 45 ... 315), or -1 when it
// is at rest; x and y as the device gives them.
int32_t hatDirection(int16_t x, int16_t y);
