#include <cmath>
#include <numbers>
#include <vector>

#include "values/SplineCurve.h"
#include "values/eLogoException.h"
#include "values/logoRandom.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoWord.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/valuePools.h"

namespace {

using NumberOperation = tlogoobject* (tLogoWord::*)(tlogoobject*);
using NumberFunction = tlogoobject* (tLogoWord::*)();

tLogoList* asList(tlogoobject* value) { return static_cast<tLogoList*>(value); }
tLogoWord* asNumber(tlogoobject* value) { return static_cast<tLogoWord*>(value); }

bool isNumericVector(tlogoobject* value)
{
    if (!value->IsList() || value->IsEmpty())
        return false;
    for (tlogoobject* element : elements(asList(value)))
        if (!element->IsNumber())
            return false;
    return true;
}

bool isTwoVector(tlogoobject* value) { return isNumericVector(value) && asList(value)->Count() == 2; }

// A point list holds [x y] points, at least one, and may hold empty lists between them.
bool isPointList(tlogoobject* value)
{
    if (!value->IsList() || value->IsEmpty())
        return false;
    bool anyPoint = false;
    for (tlogoobject* element : elements(asList(value))) {
        if (element->IsList() && element->IsEmpty())
            continue;
        if (!isTwoVector(element))
            return false;
        anyPoint = true;
    }
    return anyPoint;
}

[[noreturn]] void badStructure(tlogoobject* culprit) { throw eLogoException(erBadStructure, culprit); }

// Every point of a point list replaced by what the function makes of it; empty lists stay.
template <class PointFunction>
tlogoobject* mapPoints(tLogoList* points, PointFunction function)
{
    tListBuilder result;
    for (tlogoobject* element : elements(points)) {
        if (element->IsEmpty()) {
            result.Append(element);
            continue;
        }
        tLogoRef<tlogoobject> mapped(function(asList(element)));
        result.Append(mapped.get());
    }
    return result.Take();
}

tlogoobject* eachNumber(tLogoList* vector, NumberFunction function)
{
    tListBuilder result;
    for (tlogoobject* element : elements(vector)) {
        tLogoRef<tlogoobject> value((asNumber(element)->*function)());
        result.Append(value.get());
    }
    return result.Take();
}

tlogoobject* eachWithNumber(tLogoList* vector, NumberOperation operation, tlogoobject* number)
{
    tListBuilder result;
    for (tlogoobject* element : elements(vector)) {
        tLogoRef<tlogoobject> value((asNumber(element)->*operation)(number));
        result.Append(value.get());
    }
    return result.Take();
}

tlogoobject* elementWise(tLogoList* left, tLogoList* right, NumberOperation operation)
{
    tListBuilder result;
    tLogoList* other = right;
    for (tlogoobject* element : elements(left)) {
        tLogoRef<tlogoobject> value((asNumber(element)->*operation)(other->first));
        result.Append(value.get());
        other = other->rest;
    }
    return result.Take();
}

// A numeric vector with a number (each element) or a list of the same length (element-wise).
tlogoobject* vectorWith(tLogoList* vector, tlogoobject* other, NumberOperation operation)
{
    if (!isNumericVector(vector))
        badStructure(vector);
    if (other->IsNumber())
        return eachWithNumber(vector, operation, other);
    if (!isNumericVector(other) || asList(other)->Count() != vector->Count())
        badStructure(other);
    return elementWise(vector, asList(other), operation);
}

// The point-list forms of the four operators: each point with a 2-vector, or a 2-vector with
// each point. None when neither side is a point list.
tlogoobject* withPoints(tLogoList* list, tlogoobject* other, NumberOperation operation)
{
    if (isPointList(list)) {
        if (!isTwoVector(other))
            badStructure(other);
        return mapPoints(list, [&](tLogoList* point) { return elementWise(point, asList(other), operation); });
    }
    if (isPointList(other)) {
        if (!isTwoVector(list))
            badStructure(list);
        return mapPoints(asList(other), [&](tLogoList* point) { return elementWise(list, point, operation); });
    }
    return nullptr;
}

// "+" and "-" take lists only: points moved by a 2-vector, or two numeric vectors of the same
// length.
tlogoobject* sumOrDifference(tLogoList* list, tlogoobject* other, NumberOperation operation)
{
    tHeldArgument hold(other);
    if (!other->IsList())
        badStructure(other);
    if (tlogoobject* moved = withPoints(list, other, operation))
        return moved;
    return vectorWith(list, other, operation);
}

// "*" and "/" also scale points or a numeric vector by a number.
tlogoobject* productOrQuotient(tLogoList* list, tlogoobject* other, NumberOperation operation)
{
    tHeldArgument hold(other);
    if (isPointList(list) && other->IsNumber())
        return mapPoints(list, [&](tLogoList* point) { return eachWithNumber(point, operation, other); });
    if (tlogoobject* scaled = withPoints(list, other, operation))
        return scaled;
    return vectorWith(list, other, operation);
}

tlogoobject* withSign(tLogoList* list, NumberFunction function)
{
    if (isPointList(list))
        return mapPoints(list, [&](tLogoList* point) { return eachNumber(point, function); });
    if (!isNumericVector(list))
        badStructure(list);
    return eachNumber(list, function);
}

tlogoobject* numericVectorOnly(tLogoList* list, NumberFunction function)
{
    if (!isNumericVector(list))
        badStructure(list);
    return eachNumber(list, function);
}

// Compass heading of [x y]: 0 along +y, clockwise, in [0, 360).
long double heading(tLogoList* vector)
{
    const long double x = vector->first->AsReal();
    const long double y = vector->rest->first->AsReal();
    if (x == 0 && y == 0)
        return 0;
    long double degrees = std::atan2(x, y) * 180 / std::numbers::pi_v<long double>;
    return degrees < 0 ? degrees + 360 : degrees;
}

tLogoList* point(tlogoobject* x, tlogoobject* y)
{
    tListBuilder result;
    result.Append(x);
    result.Append(y);
    return result.Take();
}

// Clockwise rotation by the angle whose cosine and sine are given.
tlogoobject* rotatedPoint(tLogoList* vector, long double cosine, long double sine)
{
    const long double x = vector->first->AsReal();
    const long double y = vector->rest->first->AsReal();
    // Adding 0 turns a negative zero into zero, so no "-0" is printed.
    return point(NewReal(x * cosine + y * sine + 0.0L), NewReal(-x * sine + y * cosine + 0.0L));
}

// A uniform integer between 0 and n, n itself excluded, on n's side of 0.
int32_t randomToward(int32_t n)
{
    if (n == 0)
        return 0;
    return n > 0 ? randomInRange(0, n - 1) : -randomInRange(0, -n - 1);
}

// The corner read at cell: a list [x y], or two numbers; cell moves past it.
bool readCorner(tLogoList*& cell, tLogoList* rectangle, int32_t& x, int32_t& y)
{
    if (!cell)
        badStructure(rectangle);
    if (cell->first->IsList()) {
        if (!isTwoVector(cell->first))
            badStructure(rectangle);
        x = asList(cell->first)->first->AsInteger();
        y = asList(cell->first)->rest->first->AsInteger();
        cell = cell->rest;
        return true;
    }
    if (!cell->rest || cell->rest->first->IsList())
        badStructure(rectangle);
    x = cell->first->AsInteger();
    y = cell->rest->first->AsInteger();
    cell = cell->rest->rest;
    return false;
}

}  // namespace

tlogoobject* tLogoList::Add(tlogoobject* other) { return sumOrDifference(this, other, &tLogoWord::Add); }

tlogoobject* tLogoList::Subtract(tlogoobject* other) { return sumOrDifference(this, other, &tLogoWord::Subtract); }

tlogoobject* tLogoList::Multiply(tlogoobject* other) { return productOrQuotient(this, other, &tLogoWord::Multiply); }

tlogoobject* tLogoList::Divide(tlogoobject* other) { return productOrQuotient(this, other, &tLogoWord::Divide); }

tlogoobject* tLogoList::Difference(tlogoobject* other)
{
    tHeldArgument hold(other);
    return vectorWith(this, other, &tLogoWord::Subtract);
}

tlogoobject* tLogoList::Div(tlogoobject* other)
{
    tHeldArgument hold(other);
    return vectorWith(this, other, &tLogoWord::Div);
}

tlogoobject* tLogoList::Mod(tlogoobject* other)
{
    tHeldArgument hold(other);
    return vectorWith(this, other, &tLogoWord::Mod);
}

tlogoobject* tLogoList::Negate() { return withSign(this, &tLogoWord::Negate); }

tlogoobject* tLogoList::UnaryPlus() { return withSign(this, &tLogoWord::UnaryPlus); }

tlogoobject* tLogoList::Random() { return numericVectorOnly(this, &tLogoWord::Random); }

tlogoobject* tLogoList::Int() { return numericVectorOnly(this, &tLogoWord::Int); }

tlogoobject* tLogoList::Round() { return numericVectorOnly(this, &tLogoWord::Round); }

tlogoobject* tLogoList::Abs()
{
    if (IsEmpty())
        throw eLogoException(erEmptyList, this);
    if (!isNumericVector(this))
        badStructure(this);
    long double squares = 0;
    for (tlogoobject* element : elements(this)) {
        const long double x = element->AsReal();
        squares += x * x;
    }
    return NewReal(std::sqrt(squares));
}

tlogoobject* tLogoList::VectorAngle(tlogoobject* other)
{
    tHeldArgument hold(other);
    if (!isTwoVector(this))
        badStructure(this);
    if (!isTwoVector(other))
        badStructure(other);
    long double angle = heading(asList(other)) - heading(this);
    if (angle < 0)
        angle += 360;
    return NewReal(angle);
}

tlogoobject* tLogoList::Rotate(tlogoobject* degrees)
{
    tHeldArgument hold(degrees);
    const long double radians = degrees->AsReal() * std::numbers::pi_v<long double> / 180;
    long double cosine = std::cos(radians);
    long double sine = std::sin(radians);
    if (std::fabs(cosine) == 1)
        sine = 0;
    if (std::fabs(sine) == 1)
        cosine = 0;
    if (isTwoVector(this))
        return rotatedPoint(this, cosine, sine);
    if (!isPointList(this))
        badStructure(this);
    return mapPoints(this, [&](tLogoList* point) { return rotatedPoint(point, cosine, sine); });
}

tlogoobject* tLogoList::RandomPos()
{
    if (IsEmpty())
        throw eLogoException(erEmptyList, this);
    tLogoList* cell = this;
    int32_t x1, y1, x2, y2;
    readCorner(cell, this, x1, y1);
    if (cell && cell->first->IsList()) {
        readCorner(cell, this, x2, y2);
    } else {
        int32_t width, height;
        readCorner(cell, this, width, height);
        x2 = x1 + width;
        y2 = y1 + height;
        if (width == 0)
            y2 = y1;
        if (y2 == y1)
            x2 = x1;
    }
    if (cell)
        badStructure(this);
    return point(NewInteger(x1 + randomToward(x2 - x1)), NewInteger(y1 - randomToward(y2 - y1)));
}

tlogoobject* tLogoList::Spline()
{
    if (IsEmpty())
        return new tLogoList;
    if (!isPointList(this))
        throw eLogoException(erWrongPoints, this);
    tListBuilder result;
    bool holdsPoints = false;
    std::vector<tCurvePoint> run;
    auto flushRun = [&] {
        if (run.empty())
            return;
        const std::vector<tCurvePoint> curve = splineCurve(run);
        run.clear();
        if (curve.empty())
            return;
        if (holdsPoints) {
            tLogoRef<tLogoList> gap(new tLogoList);
            result.Append(gap.get());
        }
        for (const tCurvePoint& p : curve) {
            tLogoRef<tLogoList> curvePoint(point(NewReal(p.x), NewReal(p.y)));
            result.Append(curvePoint.get());
        }
        holdsPoints = true;
    };
    for (tlogoobject* element : elements(this)) {
        if (element->IsEmpty()) {
            flushRun();
            continue;
        }
        tLogoList* p = asList(element);
        run.push_back({p->first->AsReal(), p->rest->first->AsReal()});
    }
    flushRun();
    return result.Take();
}
