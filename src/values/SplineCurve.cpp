#include "values/SplineCurve.h"

#include <cmath>

namespace {

long double roundToHundredths(long double v)
{
    long double scaled = v * 100;
    scaled = scaled >= 0 ? std::trunc(scaled + 0.5L) : std::trunc(scaled - 0.5L);
    return scaled == 0 ? 0 : scaled / 100;   // no negative zero in printed points
}

void addPoint(std::vector<tCurvePoint>& curve, tCurvePoint p)
{
    p = {roundToHundredths(p.x), roundToHundredths(p.y)};
    if (curve.empty() || !(curve.back() == p))
        curve.push_back(p);
}

// Longer chords get more steps so the curve stays smooth at any scale.
int stepsForChord(long double d)
{
    if (d < 3) return 5;
    if (d < 20) return 10;
    if (d < 100) return 20;
    return 50;
}

}  // namespace

std::vector<tCurvePoint> splineCurve(const std::vector<tCurvePoint>& run)
{
    std::vector<tCurvePoint> curve;
    const int n = static_cast<int>(run.size());
    if (n == 0)
        return curve;
    addPoint(curve, run[0]);
    if (n < 3) {
        if (n == 2)
            addPoint(curve, run[1]);
        return curve;
    }
    const bool closed = run.front() == run.back();
    const int m = closed ? n - 1 : n;
    for (int i = 0; i + 1 < n; ++i) {
        int a = i - 1;
        if (a < 0)
            a = closed ? m - 1 : 0;
        int b = i + 2;
        if (b >= m)
            b = closed ? b - m : m - 1;
        const tCurvePoint& p0 = run[i];
        const tCurvePoint& p1 = run[i + 1];
        const tCurvePoint t0{p1.x - run[a].x, p1.y - run[a].y};
        const tCurvePoint t1{run[b].x - p0.x, run[b].y - p0.y};
        const long double step = 1.0L / stepsForChord(std::hypot(p1.x - p0.x, p1.y - p0.y));
        for (long double t = 0; t < 1; t += step) {
            const long double t2 = t * t, t3 = t2 * t;
            const long double h00 = 2 * t3 - 3 * t2 + 1, h01 = 1 - h00;
            const long double h10 = t3 - 2 * t2 + t, h11 = t3 - t2;
            addPoint(curve, {h00 * p0.x + h01 * p1.x + h10 * t0.x / 2 + h11 * t1.x / 2,
                             h00 * p0.y + h01 * p1.y + h10 * t0.y / 2 + h11 * t1.y / 2});
        }
        addPoint(curve, p1);
    }
    return curve;
}
