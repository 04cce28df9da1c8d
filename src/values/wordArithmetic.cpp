#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "values/eLogoException.h"
#include "values/listArithmetic.h"
#include "values/logoRandom.h"
#include "values/numberComparison.h"
#include "values/numberText.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoRef.h"
#include "values/tLogoStack.h"
#include "values/tLogoWord.h"
#include "values/valuePools.h"

// Integer arithmetic of words and numbers: 32-bit integers while both sides are integers and
// the result fits, extended reals otherwise. Overflow is never an error.

namespace {

constexpr long double kDegree = std::numbers::pi_v<long double> / 180.0L;

bool fits32(int64_t value)
{
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

tlogoobject* integerOrReal(int64_t value)
{
    if (fits32(value)) return NewInteger(static_cast<int32_t>(value));
    return NewReal(static_cast<long double>(value));
}

// Floating-point faults are reported as Logo errors rather than left as infinities.
tlogoobject* checkedReal(long double value)
{
    if (!std::isfinite(value)) throw eLogoException(erReal);
    return NewReal(value);
}

int32_t receiverInteger(tLogoWord& receiver, const tNumeric& number)
{
    if (number.isInteger) return number.integer;
    int32_t rounded;
    if (!roundToInteger32(number.real, rounded)) failInteger32(&receiver);
    return rounded;
}

using IntegerStep = bool (*)(int32_t a, int32_t b, int64_t& result);
using RealStep = long double (*)(long double a, long double b);

bool addIntegers(int32_t a, int32_t b, int64_t& result)
{
    result = static_cast<int64_t>(a) + b;
    return fits32(result);
}
bool subtractIntegers(int32_t a, int32_t b, int64_t& result)
{
    result = static_cast<int64_t>(a) - b;
    return fits32(result);
}
bool multiplyIntegers(int32_t a, int32_t b, int64_t& result)
{
    result = static_cast<int64_t>(a) * b;
    return fits32(result);
}
long double addReals(long double a, long double b) { return a + b; }
long double subtractReals(long double a, long double b) { return a - b; }
long double multiplyReals(long double a, long double b) { return a * b; }

tlogoobject* binary(tLogoWord& receiver, tlogoobject* other, IntegerStep integerStep, RealStep realStep)
{
    tHeldArgument held(other);
    const tNumeric a = receiver.ReceiverNumber();
    const tNumeric b = operandNumber(*other);
    int64_t result;
    if (a.isInteger && b.isInteger) {
        if (integerStep(a.integer, b.integer, result)) return NewInteger(static_cast<int32_t>(result));
        return checkedReal(realStep(a.integer, b.integer));
    }
    return checkedReal(realStep(a.real, b.real));
}

// Folds the receiver with n further operands from the top of the stack: in integers while every
// operand is one and nothing overflows, then in reals from the integer result so far.
tlogoobject* fold(tLogoWord& receiver, tLogoStack& stack, int n, IntegerStep integerStep, RealStep realStep)
{
    const tNumeric a = receiver.ReceiverNumber();
    bool integral = a.isInteger;
    int32_t integerSum = a.integer;
    long double realSum = a.real;
    for (int i = 0; i < n; ++i) {
        const tNumeric b = operandNumber(*stack.top());
        int64_t result;
        if (integral && b.isInteger && integerStep(integerSum, b.integer, result)) {
            integerSum = static_cast<int32_t>(result);
        } else {
            if (integral) realSum = integerSum;
            integral = false;
            realSum = realStep(realSum, b.real);
        }
        stack.drop();
    }
    return integral ? static_cast<tlogoobject*>(NewInteger(integerSum)) : checkedReal(realSum);
}

using BitStep = int32_t (*)(int32_t a, int32_t b);

tlogoobject* foldBits(tLogoWord& receiver, tLogoStack& stack, int n, BitStep step)
{
    int32_t accumulated = receiver.AsInteger();
    for (int i = 0; i < n; ++i) {
        accumulated = step(accumulated, stack.top()->AsInteger());
        stack.drop();
    }
    return NewInteger(accumulated);
}

tlogoobject* transcendental(tLogoWord& receiver, long double (*function)(long double))
{
    return checkedReal(function(receiver.ReceiverNumber().real));
}

}  // namespace

tlogoobject* tLogoWord::Add(tlogoobject* other) { return binary(*this, other, addIntegers, addReals); }

tlogoobject* tLogoWord::Subtract(tlogoobject* other) { return binary(*this, other, subtractIntegers, subtractReals); }

tlogoobject* tLogoWord::Multiply(tlogoobject* other)
{
    if (other->IsList() && listArithmetic().scale) {
        tHeldArgument held(other);
        return listArithmetic().scale(*other, ReceiverNumber().real);
    }
    return binary(*this, other, multiplyIntegers, multiplyReals);
}

tlogoobject* tLogoWord::Divide(tlogoobject* other)
{
    tHeldArgument held(other);
    if (other->IsList() && listArithmetic().rotate) return listArithmetic().rotate(*other, ReceiverNumber().real);
    const long double a = ReceiverNumber().real;
    const long double b = other->AsReal();
    if (b == 0) throw eLogoException(erDiv0);
    return checkedReal(a / b);
}

tlogoobject* tLogoWord::Div(tlogoobject* other)
{
    tHeldArgument held(other);
    const int64_t a = receiverInteger(*this, ReceiverNumber());
    const int64_t b = other->AsInteger();
    if (b == 0) throw eLogoException(erDiv0);
    int64_t quotient = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --quotient;
    return integerOrReal(quotient);
}

tlogoobject* tLogoWord::Mod(tlogoobject* other)
{
    tHeldArgument held(other);
    const int64_t a = receiverInteger(*this, ReceiverNumber());
    const int64_t b = other->AsInteger();
    if (b == 0) throw eLogoException(erDiv0);
    int64_t remainder = a % b;
    if (remainder != 0 && ((a < 0) != (b < 0))) remainder += b;
    return integerOrReal(remainder);
}

tlogoobject* tLogoWord::Negate()
{
    const tNumeric a = ReceiverNumber();
    if (a.isInteger) return integerOrReal(-static_cast<int64_t>(a.integer));
    return NewReal(-a.real);
}

tlogoobject* tLogoWord::UnaryPlus()
{
    const tNumeric a = ReceiverNumber();
    if (a.isInteger) return NewInteger(a.integer);
    return NewReal(a.real);
}

tlogoobject* tLogoWord::Sum(tLogoStack& stack, int n) { return fold(*this, stack, n, addIntegers, addReals); }

tlogoobject* tLogoWord::Product(tLogoStack& stack, int n)
{
    return fold(*this, stack, n, multiplyIntegers, multiplyReals);
}

tlogoobject* tLogoWord::Random()
{
    const tNumeric a = ReceiverNumber();
    int32_t limit = a.integer;
    if (!a.isInteger && !roundToInteger32(a.real, limit)) {
        if (a.fromText) throw eLogoException(erNumTooBig, this);
        failInteger32(this);
    }
    if (limit == 0) return NewInteger(0);
    if (limit > 0) return NewInteger(randomInRange(0, limit - 1));
    const int64_t magnitude = -static_cast<int64_t>(limit);
    return integerOrReal(-static_cast<int64_t>(randomInRange(0, static_cast<int32_t>(magnitude - 1))));
}

tlogoobject* tLogoWord::Abs()
{
    const tNumeric a = ReceiverNumber();
    if (a.isInteger) return integerOrReal(std::abs(static_cast<int64_t>(a.integer)));
    return NewReal(std::fabs(a.real));
}

tlogoobject* tLogoWord::Int()
{
    const tNumeric a = ReceiverNumber();
    if (a.isInteger) return this;
    if (std::fabs(a.real) <= 2147483647.0L) return NewInteger(static_cast<int32_t>(std::trunc(a.real)));
    return NewReal(std::trunc(a.real));
}

tlogoobject* tLogoWord::Round()
{
    const tNumeric a = ReceiverNumber();
    if (a.isInteger) return this;
    if (std::fabs(a.real) <= 2147483647.0L) return NewInteger(receiverInteger(*this, a));
    return NewReal(std::trunc(a.real > 0 ? a.real + 0.5L : a.real - 0.5L));
}

tlogoobject* tLogoWord::Sin()
{
    return transcendental(*this, [](long double x) { return std::sin(x * kDegree); });
}

tlogoobject* tLogoWord::Cos()
{
    return transcendental(*this, [](long double x) { return std::cos(x * kDegree); });
}

tlogoobject* tLogoWord::Tan()
{
    return transcendental(*this, [](long double x) { return std::tan(x * kDegree); });
}

tlogoobject* tLogoWord::ArcTan()
{
    return transcendental(*this, [](long double x) { return std::atan2(x, 1.0L) / kDegree; });
}

tlogoobject* tLogoWord::Exp()
{
    return transcendental(*this, [](long double x) { return std::exp2(x * std::numbers::log2e_v<long double>); });
}

tlogoobject* tLogoWord::Ln()
{
    return transcendental(*this, [](long double x) { return std::log(x); });
}

tlogoobject* tLogoWord::Sqrt()
{
    return transcendental(*this, [](long double x) { return std::sqrt(x); });
}

tlogoobject* tLogoWord::Not() { return NewBoolean(!AsBoolean()); }

tlogoobject* tLogoWord::BitNot() { return NewInteger(~AsInteger()); }

tlogoobject* tLogoWord::BitAnd(tLogoStack& stack, int n)
{
    return foldBits(*this, stack, n, [](int32_t a, int32_t b) { return a & b; });
}

tlogoobject* tLogoWord::BitOr(tLogoStack& stack, int n)
{
    return foldBits(*this, stack, n, [](int32_t a, int32_t b) { return a | b; });
}

tlogoobject* tLogoWord::BitXor(tLogoStack& stack, int n)
{
    return foldBits(*this, stack, n, [](int32_t a, int32_t b) { return a ^ b; });
}
