#include <algorithm>
#include <cmath>
#include <mutex>
#include <optional>

#include "turtle/penDrawing.h"
#include "turtle/tLogoTurtleParams.h"

// The move on which every drawing motion of a turtle rests: the edge modes decide where the
// turtle ends and which segments its pen draws on the way.

namespace {

constexpr int kLeft = 1, kRight = 16, kTop = 256, kBottom = 4096;

int outcode(const tRealPoint& p, const tRealRect& r)
{
    int code = 0;
    if (p.x < r.left) code |= kLeft;
    if (p.x > r.right) code |= kRight;
    if (p.y < r.top) code |= kTop;
    if (p.y > r.bottom) code |= kBottom;
    return code;
}

tRealPoint clamped(tRealPoint p, const tRealRect& r)
{
    p.x = std::fmin(std::fmax(p.x, r.left), r.right);
    p.y = std::fmin(std::fmax(p.y, r.top), r.bottom);
    return p;
}

// Where the segment from A (inside) towards B (outside) leaves the range: the end point is
// moved onto the edge its lowest outcode bit names until it is inside. Rounding may leave it a
// hair outside after a corner, so it is finally clamped.
tRealPoint exitPoint(const tRealPoint& a, const tRealPoint& b, const tRealRect& r)
{
    tRealPoint e = b;
    for (int pass = 0; pass < 4; ++pass) {
        const int code = outcode(e, r);
        if (code == 0) return e;
        if (code & kLeft) {
            e.y += (r.left - e.x) * (e.y - a.y) / (e.x - a.x);
            e.x = r.left;
        } else if (code & kRight) {
            e.y += (r.right - e.x) * (e.y - a.y) / (e.x - a.x);
            e.x = r.right;
        } else if (code & kTop) {
            e.x += (r.top - e.y) * (e.x - a.x) / (e.y - a.y);
            e.y = r.top;
        } else {
            e.x += (r.bottom - e.y) * (e.x - a.x) / (e.y - a.y);
            e.y = r.bottom;
        }
    }
    return clamped(e, r);
}

// The corner after this one going clockwise; none when the point is on no corner.
std::optional<tRealPoint> nextCornerClockwise(const tRealPoint& e, const tRealRect& r)
{
    const bool left = e.x == r.left, right = e.x == r.right, top = e.y == r.top, bottom = e.y == r.bottom;
    if (left && top) return tRealPoint{r.right, r.top};
    if (right && top) return tRealPoint{r.right, r.bottom};
    if (right && bottom) return tRealPoint{r.left, r.bottom};
    if (left && bottom) return tRealPoint{r.left, r.top};
    return std::nullopt;
}

// A wrapping or bouncing move crosses its range once per pass. A huge move (forward 1e15) would
// take forever, so all but about kKeptPasses of its passes are skipped: the lines they draw lie
// so close together that the passes drawn cover the same pixels. Where the turtle ends is kept
// exactly: every wrap moves the target by one less than the range's width (or height), every
// mirrored pair of bounces by twice the width (or height).
constexpr long double kKeptPasses = 10000;

// The whole shifts of `target` along one axis to skip, given how many passes it needs.
long double skippedShifts(long double passes, long double allPasses)
{
    if (allPasses <= kKeptPasses) return 0;
    return std::max<long double>(0, passes - std::ceil(passes * kKeptPasses / allPasses));
}

// Brings the target of a wrapping move nearer by whole wraps.
void skipWraps(const tRealPoint& a, tRealPoint& b, const tRealRect& r)
{
    const long double shiftX = r.right - r.left - 1, shiftY = r.bottom - r.top - 1;
    auto beyond = [](long double v, long double low, long double high) { return v > high ? v - high : v < low ? low - v : 0; };
    const long double wrapsX = std::ceil(beyond(b.x, r.left, r.right) / shiftX);
    const long double wrapsY = std::ceil(beyond(b.y, r.top, r.bottom) / shiftY);
    const long double skipX = skippedShifts(wrapsX, wrapsX + wrapsY), skipY = skippedShifts(wrapsY, wrapsX + wrapsY);
    b.x -= std::copysign(skipX * shiftX, b.x - a.x);
    b.y -= std::copysign(skipY * shiftY, b.y - a.y);
}

// Brings the target of a bouncing move nearer by whole pairs of bounces.
void skipBounces(const tRealPoint& a, tRealPoint& b, const tRealRect& r)
{
    const long double periodX = 2 * (r.right - r.left), periodY = 2 * (r.bottom - r.top);
    const long double pairsX = std::floor(std::fabs(b.x - a.x) / periodX);
    const long double pairsY = std::floor(std::fabs(b.y - a.y) / periodY);
    const long double all = 2 * (pairsX + pairsY);
    const long double skipX = std::floor(skippedShifts(2 * pairsX, all) / 2), skipY = std::floor(skippedShifts(2 * pairsY, all) / 2);
    b.x -= std::copysign(skipX * periodX, b.x - a.x);
    b.y -= std::copysign(skipY * periodY, b.y - a.y);
}

}  // namespace

bool tLogoTurtleParams::MoveTo(tRealPoint target, tEdgeStyle style, tPenState state)
{
    std::lock_guard<std::mutex> hold(screen->pictureLock);
    const tRealRect r = Range();
    const tPixelRect clip = rangeClip(r);
    const tPixelRect* ownClip = hasRange ? &clip : nullptr;
    auto draw = [&](const tRealPoint& from, const tRealPoint& to) {
        drawPenSegment(*screen, from, to, pen, state, ownClip);
    };

    tRealPoint a = position;
    tRealPoint b = target;
    // A range without room to turn around in: wrapping and bouncing would never get back
    // inside, so the turtle stops at the edge as a fence does.
    const bool narrow = r.right - r.left <= 1 || r.bottom - r.top <= 1;
    if (narrow && (style == tEdgeStyle::kWrap || style == tEdgeStyle::kBounce)) style = tEdgeStyle::kFence;
    if (style != tEdgeStyle::kWindow) a = clamped(a, r);

    tRealPoint lastBounce = b;
    switch (style) {
    case tEdgeStyle::kWindow:
        break;
    case tEdgeStyle::kFence:
        b = clamped(b, r);
        break;
    case tEdgeStyle::kWrap:
        skipWraps(a, b, r);
        while (!r.Contains(b)) {
            tRealPoint e = exitPoint(a, b, r);
            draw(a, e);
            if (std::optional<tRealPoint> corner = nextCornerClockwise(e, r)) {
                b.x += corner->x - e.x;
                b.y += corner->y - e.y;
                e = *corner;
            } else if (e.x == r.left) {
                b.x += (r.right - r.left) - 1;
                e.x = r.right;
            } else if (e.y == r.top) {
                b.y += (r.bottom - r.top) - 1;
                e.y = r.bottom;
            } else if (e.x == r.right) {
                b.x -= (r.right - r.left) - 1;
                e.x = r.left;
            } else {
                b.y -= (r.bottom - r.top) - 1;
                e.y = r.top;
            }
            a = e;
        }
        break;
    case tEdgeStyle::kBounce:
        skipBounces(a, b, r);
        lastBounce = b;
        while (!r.Contains(b)) {
            const tRealPoint e = exitPoint(a, b, r);
            draw(a, e);
            if (e.x == r.left)
                b.x = 2 * r.left - b.x;
            else if (e.x == r.right)
                b.x = 2 * r.right - b.x;
            if (e.y == r.top)
                b.y = 2 * r.top - b.y;
            else if (e.y == r.bottom)
                b.y = 2 * r.bottom - b.y;
            a = e;
            if (!(e == lastBounce)) lastBounce = e;
        }
        break;
    }
    draw(a, b);
    position = b;

    const bool bounced = style == tEdgeStyle::kBounce && !(b == lastBounce);
    if (bounced) SetHeading(Towards(lastBounce) + 180);
    return bounced;
}

bool tLogoTurtleParams::Forward(long double distance)
{
    const tRealPoint direction = Direction();
    const tRealPoint target{position.x + distance * direction.x, position.y - distance * direction.y};
    const bool bounced = MoveTo(target, rangeStyle, penState);
    if (bounced && distance < 0) TurnTo(heading + 180);
    return bounced;
}

bool tLogoTurtleParams::Home()
{
    TurnTo(homeHeading);
    const bool bounced = MoveTo(homePosition, rangeStyle, tPenState::kUp);
    homePosition = position;
    return bounced;
}

void tLogoTurtleParams::SetRange(const std::optional<tRealRect>& range)
{
    hasRange = range.has_value();
    if (range) rangeRect = *range;
    if (rangeStyle != tEdgeStyle::kWindow) MoveTo(position, tEdgeStyle::kFence, tPenState::kUp);
}
