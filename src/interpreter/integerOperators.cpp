#include "interpreter/integerOperators.h"

#include <array>
#include <cstdint>
#include <utility>
#include <string_view>

#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoWord.h"
#include "values/valuePools.h"

namespace {

struct tMarked {
    const tProcDesc* descriptor;
    tIntegerOperator op;
};

// Few enough to scan: one entry per operator, written once at start-up under the lock.
std::array<tMarked, 9> marked{};
int markedCount = 0;

tIntegerOperator operatorOfText(std::string_view text)
{
    constexpr std::pair<std::string_view, tIntegerOperator> kTexts[] = {
        {"+", tIntegerOperator::kAdd},          {"-", tIntegerOperator::kSubtract},
        {"*", tIntegerOperator::kMultiply},     {"<", tIntegerOperator::kLess},
        {">", tIntegerOperator::kGreater},      {"<=", tIntegerOperator::kLessOrEqual},
        {">=", tIntegerOperator::kGreaterOrEqual}, {"=", tIntegerOperator::kEqual},
        {"<>", tIntegerOperator::kNotEqual},
    };
    for (const auto& [candidate, op] : kTexts)
        if (candidate == text) return op;
    return tIntegerOperator::kNone;
}

tlogoobject* fitting(int64_t result)
{
    if (result < INT32_MIN || result > INT32_MAX) return nullptr;
    return NewInteger(static_cast<int32_t>(result));
}

}  // namespace

void markIntegerOperator(const tProcDesc* descriptor, const char* text)
{
    const tIntegerOperator op = operatorOfText(text);
    if (op == tIntegerOperator::kNone || !descriptor) return;
    for (int i = 0; i < markedCount; ++i) {
        if (marked[i].op == op) {
            marked[i].descriptor = descriptor;
            return;
        }
    }
    if (markedCount < static_cast<int>(marked.size())) marked[markedCount++] = {descriptor, op};
}

tIntegerOperator integerOperatorOf(const tProcDesc* descriptor)
{
    for (int i = 0; i < markedCount; ++i)
        if (marked[i].descriptor == descriptor) return marked[i].op;
    return tIntegerOperator::kNone;
}

tlogoobject* applyIntegerOperator(tIntegerOperator op, int32_t a, int32_t b)
{
    const int64_t x = a, y = b;
    switch (op) {
    case tIntegerOperator::kAdd: return fitting(x + y);
    case tIntegerOperator::kSubtract: return fitting(x - y);
    case tIntegerOperator::kMultiply: return fitting(x * y);
    case tIntegerOperator::kLess: return NewBoolean(a < b);
    case tIntegerOperator::kGreater: return NewBoolean(a > b);
    case tIntegerOperator::kLessOrEqual: return NewBoolean(a <= b);
    case tIntegerOperator::kGreaterOrEqual: return NewBoolean(a >= b);
    case tIntegerOperator::kEqual: return NewBoolean(a == b);
    case tIntegerOperator::kNotEqual: return NewBoolean(a != b);
    case tIntegerOperator::kNone: break;
    }
    return nullptr;
}

tlogoobject* applyWordOperator(tIntegerOperator op, tlogoobject& left, tlogoobject& right)
{
    auto& receiver = static_cast<tLogoWord&>(left);
    switch (op) {
    case tIntegerOperator::kAdd: return receiver.Add(&right);
    case tIntegerOperator::kSubtract: return receiver.Subtract(&right);
    case tIntegerOperator::kMultiply: return receiver.Multiply(&right);
    case tIntegerOperator::kLess: return NewBoolean(receiver.Less(&right));
    case tIntegerOperator::kGreater: return NewBoolean(receiver.Greater(&right));
    case tIntegerOperator::kLessOrEqual: return NewBoolean(receiver.LessOrEqual(&right));
    case tIntegerOperator::kGreaterOrEqual: return NewBoolean(receiver.GreaterOrEqual(&right));
    case tIntegerOperator::kEqual: return NewBoolean(left.Equals(&right));
    case tIntegerOperator::kNotEqual: return NewBoolean(left.DiffersFrom(&right));
    case tIntegerOperator::kNone: break;
    }
    return nullptr;
}
