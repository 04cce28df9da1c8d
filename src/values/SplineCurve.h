#pragma once

#include <vector>

// A smooth curve through a run of points (Catmull-Rom tangents, Hermite steps), shared by the
// "spline" list operation and the curve items of drawing lists.
struct tCurvePoint {
    long double x = 0;
    long double y = 0;
    bool operator==(const tCurvePoint&) const = default;
};

// The curve points of one run, each rounded to two decimals, without consecutive repeats.
// A run whose first and last points are equal is closed: its end tangents wrap around.
std::vector<tCurvePoint> splineCurve(const std::vector<tCurvePoint>& run);
