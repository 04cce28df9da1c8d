#pragma once

#include <cstdint>

// Durations of "wait", "timer" and "time" are counted in one of three units, kept as a code:
// 0 milliseconds, 1 hundredths, 2 tenths of a second (the processes' elapse unit uses the same).

// The code of a number of units per second (1000, 100 or 10); -1 for any other number.
int unitCodeOfRate(int32_t unitsPerSecond);
int32_t unitRate(int code);
// Milliseconds in the unit of the code, rounded to the nearest unit.
int64_t millisecondsInUnit(int64_t milliseconds, int code);
