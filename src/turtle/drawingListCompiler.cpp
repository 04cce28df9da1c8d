#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "turtle/anyInputs.h"
#include "turtle/colours/colourValues.h"
#include "turtle/drawingWords.h"
#include "turtle/fontDescription.h"
#include "turtle/tDrawingList.h"
#include "turtle/turtleAccess.h"
#include "values/SplineCurve.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

// Reading a drawing list: a small turtle walks the list in its own coordinates (y up) and
// leaves paths, polygons, ellipses, dots and labels behind, each preceded by the style items
// of what changed since the last one.

namespace {

constexpr int32_t kLongestRepeat = 10000;
constexpr size_t kLongestPath = 9999;
constexpr int32_t kLargestAnyWidth = 20;

long double hundredths(long double value) { return std::round(value * 100) / 100; }

long double radians(long double degrees) { return degrees * std::numbers::pi_v<long double> / 180; }

// sin and cos of a heading, exact along the axes so that moves along them stay whole.
tRealPoint headingVector(long double degrees)
{
    const long double a = radians(degrees);
    long double s = std::sin(a), c = std::cos(a);
    if (std::fabs(c) == 1 || std::fabs(s) < 1e-18L) s = 0;
    if (std::fabs(s) == 1 || std::fabs(c) < 1e-18L) c = 0;
    if (s == 0) c = c < 0 ? -1 : 1;
    if (c == 0) s = s < 0 ? -1 : 1;
    return {s, c};  // x right, y up
}

// A point given right and ahead of an origin along a heading, in list coordinates.
tRealPoint aside(tRealPoint origin, long double heading, long double right, long double ahead)
{
    const tRealPoint d = headingVector(heading);
    return {origin.x + right * d.y + ahead * d.x, origin.y + ahead * d.y - right * d.x};
}

struct tElements {
    std::vector<tlogoobject*> all;
    size_t next = 0;
    bool More() const { return next < all.size(); }
    tlogoobject* Peek() const { return all[next]; }
    tlogoobject* Take() { return all[next++]; }
};

tElements elementsOf(tlogoobject* list)
{
    tElements e;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(list))) e.all.push_back(element);
    return e;
}

tlogoobject* requireList(tlogoobject* value)
{
    if (!value->IsList()) throw eLogoException(erExpectList, value);
    return value;
}

class tCompiler {
public:
    explicit tCompiler(const tDrawingStyle& start) : emitted_(start), current_(start) {}

    void Run(tlogoobject* list)
    {
        CompileList(requireList(list));
        ClosePath();
    }

    std::vector<DrawingItem> items;

private:
    // Points of a polygon or spline being read: every move adds to the innermost one.
    struct tCollector {
        std::vector<tRealPoint> points;
        bool polygon = false;
    };

    void CompileList(tlogoobject* list)
    {
        tElements e = elementsOf(list);
        bool numeric = false, worded = false;
        while (e.More()) {
            tlogoobject* element = e.Take();
            if (element->IsList()) throw eLogoException(erExpectWord, element);
            if (element->IsNumber()) {
                if (e.More() && e.Peek()->IsList()) {
                    Repeat(element, e.Take());
                    continue;
                }
                if (worded) throw eLogoException(erDrawingMissingComm, element);
                numeric = true;
                Move(element->AsReal());
                if (e.More()) {
                    tlogoobject* angle = e.Take();
                    if (!angle->IsNumber()) throw eLogoException(erExpectNumber, angle);
                    heading_ += angle->AsReal();
                }
                continue;
            }
            const std::optional<tDrawingKind> kind = drawingKindOf(element);
            if (!kind) throw eLogoException(erDrawingComm, element);
            if (*kind >= tDrawingKind::kForward) {
                if (numeric) throw eLogoException(erDrawingComm, element);
                worded = true;
            }
            Word(*kind, e);
        }
    }

    // The input a word needs, or the word's own error when the list ends before it.
    static tlogoobject* Input(tElements& e, errorConst missing)
    {
        if (!e.More()) throw eLogoException(missing);
        return e.Take();
    }

    void Word(tDrawingKind kind, tElements& e)
    {
        using K = tDrawingKind;
        switch (kind) {
        case K::kPenUp:
            ClosePath();
            penDown_ = false;
            break;
        case K::kPenDown:
            penDown_ = true;
            break;
        case K::kPolygon: Collect(requireList(Input(e, erDrawingMissingList)), true); break;
        case K::kSpline: Collect(requireList(Input(e, erDrawingMissingList)), false); break;
        case K::kPenColour: {
            tlogoobject* colour = Input(e, erDrawingMissingColor);
            SetStyle([&] { current_.pen.colour = colourFromValue(*colour).Rgb(); });
            break;
        }
        case K::kFillColour: {
            tlogoobject* colour = Input(e, erDrawingMissingColor);
            SetStyle([&] { current_.brush.colour = colourFromValue(*colour).Rgb(); });
            break;
        }
        case K::kFillPattern: {
            const int32_t pattern = Integer(Input(e, erDrawingMissingFP), 0, 7);
            SetStyle([&] { current_.brush.pattern = pattern; });
            break;
        }
        case K::kPenWidth: {
            tlogoobject* value = Input(e, erDrawingMissingNumber);
            const int32_t width = isAny(value) ? integerOrAny(value, tAnyRange::kPenWidth)
                                               : Integer(value, 0, std::numeric_limits<int32_t>::max());
            SetStyle([&] { current_.pen.width = width; });
            break;
        }
        case K::kPenPattern: {
            const int32_t pattern = Integer(Input(e, erDrawingMissingPP), 0, 6);
            SetStyle([&] { current_.pen.pattern = pattern; });
            break;
        }
        case K::kFont: {
            tlogoobject* description = Input(e, erDrawingMissingFont);
            const tFontRecord font = fontFromDescription(current_.font, description, true);
            SetStyle([&] { current_.font = font; });
            break;
        }
        case K::kCircle:
        case K::kFilledCircle: {
            const long double d = Input(e, erDrawingMissingNumber)->AsReal();
            Ellipse(d, d, std::nullopt, kind == K::kFilledCircle);
            break;
        }
        case K::kEllipse:
        case K::kFilledEllipse: EllipseOf(Input(e, erDrawingMissingNumber2), kind == K::kFilledEllipse); break;
        case K::kDot: Dot(current_.pen.width); break;
        case K::kPoint: Dot(Integer(Input(e, erDrawingMissingNumber), 1, std::numeric_limits<int32_t>::max())); break;
        case K::kPos: {
            const tRealPoint to = pointOf(Input(e, erDrawingMissingNumber2));
            MoveTo(to);
            break;
        }
        case K::kHeading: heading_ = Input(e, erDrawingMissingNumber)->AsReal(); break;
        case K::kOutline:
        case K::kVectors: Outline(requireList(Input(e, erDrawingMissingPoints)), kind == K::kVectors); break;
        case K::kLabel:
        case K::kLabel2: Label(Input(e, erDrawingMissingText), kind); break;
        case K::kForward: Move(Input(e, erDrawingMissingNumber)->AsReal()); break;
        case K::kBack: Move(-Input(e, erDrawingMissingNumber)->AsReal()); break;
        case K::kRight: heading_ += Input(e, erDrawingMissingNumber)->AsReal(); break;
        case K::kLeft: heading_ -= Input(e, erDrawingMissingNumber)->AsReal(); break;
        case K::kRepeat: {
            tlogoobject* count = Input(e, erDrawingMissingNumber);
            Repeat(count, requireList(Input(e, erDrawingMissingList)));
            break;
        }
        case K::kPath: break;
        }
    }

    static int32_t Integer(tlogoobject* value, int32_t lowest, int32_t highest)
    {
        const int32_t number = value->AsInteger();
        if (number < lowest || number > highest) throw eLogoException(erMinMax, lowest, highest, value);
        return number;
    }

    void Repeat(tlogoobject* count, tlogoobject* list)
    {
        const int32_t times = std::min(count->AsInteger(), kLongestRepeat);
        for (int32_t i = 0; i < times; ++i) CompileList(list);
    }

    // A style change ends the path drawn so far, which keeps the style it was drawn with.
    template <class Change>
    void SetStyle(Change change)
    {
        ClosePath();
        change();
    }

    // Before something is drawn, the styles that changed since the last drawing.
    void FlushStyle()
    {
        using K = tDrawingKind;
        if (current_.pen.colour != emitted_.pen.colour) Emit(K::kPenColour).value = current_.pen.colour;
        if (!(current_.brush.colour == emitted_.brush.colour && current_.brush.pattern == emitted_.brush.pattern)) {
            DrawingItem& fill = Emit(K::kFillColour);
            fill.value = current_.brush.colour;
            fill.style = current_.brush.pattern;
        }
        if (current_.pen.width != emitted_.pen.width) Emit(K::kPenWidth).value = static_cast<uint32_t>(current_.pen.width);
        if (current_.pen.pattern != emitted_.pen.pattern) Emit(K::kPenPattern).style = current_.pen.pattern;
        if (!(current_.font == emitted_.font)) Emit(K::kFont).font = current_.font;
        emitted_ = current_;
    }

    DrawingItem& Emit(tDrawingKind kind)
    {
        items.emplace_back();
        items.back().kind = kind;
        return items.back();
    }

    void EmitDrawing(DrawingItem item)
    {
        FlushStyle();
        items.push_back(std::move(item));
    }

    // Points are kept to the hundredth; a repeated point adds nothing and a path holds at most
    // kLongestPath points.
    static void AddPoint(std::vector<tRealPoint>& points, tRealPoint p)
    {
        p = {hundredths(p.x), hundredths(p.y)};
        if (!points.empty() && points.back() == p) return;
        if (points.size() < kLongestPath) points.push_back(p);
    }

    void MoveTo(tRealPoint to)
    {
        if (!collectors_.empty()) {
            AddPoint(collectors_.back().points, to);
        } else if (penDown_) {
            if (path_.empty()) AddPoint(path_, position_);
            AddPoint(path_, to);
        }
        position_ = to;
    }

    void Move(long double distance) { MoveTo(aside(position_, heading_, 0, distance)); }

    void ClosePath()
    {
        if (path_.size() >= 2) {
            DrawingItem item;
            item.kind = tDrawingKind::kPath;
            item.points = std::move(path_);
            EmitDrawing(std::move(item));
        }
        path_.clear();
    }

    void EmitPath(std::vector<tRealPoint> points, bool filled)
    {
        if (filled && !points.empty() && !(points.front() == points.back())) points.push_back(points.front());
        if (points.size() < 2) return;
        DrawingItem item;
        item.kind = filled ? tDrawingKind::kPolygon : tDrawingKind::kPath;
        item.points = std::move(points);
        EmitDrawing(std::move(item));
    }

    // Hands finished points to the polygon around, or draws them.
    void Deliver(std::vector<tRealPoint> points, bool filled)
    {
        if (!collectors_.empty()) {
            for (const tRealPoint& p : points) AddPoint(collectors_.back().points, p);
            return;
        }
        EmitPath(std::move(points), filled);
    }

    // "polygon" and "drawspline": the moves of the sub-list make one path, closed and filled
    // for a polygon, smoothed for a spline.
    void Collect(tlogoobject* list, bool polygon)
    {
        ClosePath();
        collectors_.push_back({{}, polygon});
        AddPoint(collectors_.back().points, position_);
        CompileList(list);
        std::vector<tRealPoint> points = std::move(collectors_.back().points);
        collectors_.pop_back();
        if (!polygon) {
            std::vector<tCurvePoint> run;
            for (const tRealPoint& p : points) run.push_back({p.x, p.y});
            points.clear();
            for (const tCurvePoint& p : splineCurve(run)) points.push_back({p.x, p.y});
        }
        Deliver(std::move(points), polygon || InsidePolygon());
    }

    bool InsidePolygon() const
    {
        return std::any_of(collectors_.begin(), collectors_.end(), [](const tCollector& c) { return c.polygon; });
    }

    void EllipseOf(tlogoobject* value, bool filled)
    {
        requireList(value);
        std::vector<long double> numbers;
        for (tlogoobject* n : elements(static_cast<tLogoList*>(value))) numbers.push_back(n->AsReal());
        if (numbers.size() == 2) return Ellipse(numbers[0], numbers[1], std::nullopt, filled);
        if (numbers.size() == 4) return Ellipse(numbers[0], numbers[1], std::pair{numbers[2], numbers[3]}, filled);
        throw eLogoException(erBadStructure, value);
    }

    // Centred on the turtle and shrunk by the pen width so that the outline lies inside; an
    // arc (angles 0 up, clockwise) becomes a path, a filled one a pie.
    void Ellipse(long double width, long double height, std::optional<std::pair<long double, long double>> arc, bool filled)
    {
        if (InsidePolygon()) return;
        ClosePath();
        const long double shrink = std::max<int32_t>(current_.pen.width, 1) - 1;
        const long double a = std::max<long double>(std::fabs(width) - shrink, 0) / 2;
        const long double b = std::max<long double>(std::fabs(height) - shrink, 0) / 2;
        long double start = 0, end = 360;
        if (arc) {
            start = std::fmod(arc->first, 360.0L);
            if (start < 0) start += 360;
            end = arc->second;
            while (end <= start) end += 360;
            while (end > start + 360) end -= 360;
        }
        if (end - start == 360) {
            DrawingItem item;
            item.kind = filled ? tDrawingKind::kFilledEllipse : tDrawingKind::kEllipse;
            item.centre = position_;
            item.semiAxes = {a, b};
            item.heading = heading_;
            EmitDrawing(std::move(item));
            return;
        }
        const long double around = (a + b) * 1.5L - std::sqrt(a * b);
        const long double step = around > 0 ? std::clamp(1200 / around, 1.0L, 12.0L) : 12;
        std::vector<tRealPoint> points;
        if (filled) AddPoint(points, position_);
        for (long double angle = start;; angle += step) {
            if (angle > end) angle = end;
            const tRealPoint v = headingVector(angle);
            AddPoint(points, aside(position_, heading_, a * v.x, b * v.y));
            if (angle == end) break;
        }
        if (filled) AddPoint(points, position_);
        EmitPath(std::move(points), filled);
    }

    void Dot(int32_t diameter)
    {
        if (InsidePolygon()) return;
        ClosePath();
        DrawingItem item;
        item.kind = tDrawingKind::kDot;
        item.value = static_cast<uint32_t>(std::max(diameter, 1));
        item.centre = position_;
        EmitDrawing(std::move(item));
    }

    void Label(tlogoobject* text, tDrawingKind kind)
    {
        if (InsidePolygon()) return;
        ClosePath();
        DrawingItem item;
        item.kind = kind;
        item.text = text->PrintText(0);
        item.centre = position_;
        item.heading = heading_;
        item.value = current_.pen.colour;
        item.font = current_.font;
        EmitDrawing(std::move(item));
    }

    // Points taken along the heading at the start, each from the start ("outline") or from the
    // point before ("drawvectors"); an empty element lifts the pen, six numbers are passed over.
    void Outline(tlogoobject* list, bool relative)
    {
        ClosePath();
        const tRealPoint origin = position_;
        tRealPoint last = origin;
        std::vector<tRealPoint> run;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(list))) {
            if (!element->IsList()) throw eLogoException(erDrawingWrongPoints, element);
            std::vector<tlogoobject*> numbers;
            for (tlogoobject* n : elements(static_cast<tLogoList*>(element))) numbers.push_back(n);
            if (numbers.empty()) {
                Deliver(std::move(run), false);
                run.clear();
                continue;
            }
            if (numbers.size() == 6) continue;
            if (numbers.size() != 2) throw eLogoException(erDrawingWrongPoints, element);
            const tRealPoint from = relative ? last : origin;
            last = aside(from, heading_, numbers[0]->AsReal(), numbers[1]->AsReal());
            AddPoint(run, last);
        }
        Deliver(std::move(run), false);
    }

    tDrawingStyle emitted_;
    tDrawingStyle current_;
    tRealPoint position_;
    long double heading_ = 0;
    bool penDown_ = true;
    std::vector<tRealPoint> path_;
    std::vector<tCollector> collectors_;
};

}  // namespace

std::vector<DrawingItem> compileDrawingItems(tlogoobject* source, const tDrawingStyle& start)
{
    tCompiler compiler(start);
    compiler.Run(source);
    return std::move(compiler.items);
}

std::vector<std::vector<tRealPoint>> drawingListRuns(tlogoobject* source)
{
    std::vector<std::vector<tRealPoint>> runs;
    for (DrawingItem& item : compileDrawingItems(source, tDrawingStyle{}))
        if (item.kind == tDrawingKind::kPath || item.kind == tDrawingKind::kPolygon) runs.push_back(std::move(item.points));
    return runs;
}
