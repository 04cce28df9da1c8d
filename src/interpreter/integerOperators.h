#pragma once

#include <cstdint>

class tProcDesc;
class tlogoobject;

// The built-in infix operators, computed without the general call through the receiver's method
// table: on two integers directly, and on a word, integer or real receiver through that class's
// own method. The answer is the one the general call gives: the evaluator takes this path only
// for the main object's own operator descriptors and those receivers, and falls back to the
// general call for any other operand.
enum class tIntegerOperator : uint8_t {
    kNone,
    kAdd,
    kSubtract,
    kMultiply,
    kLess,
    kGreater,
    kLessOrEqual,
    kGreaterOrEqual,
    kEqual,
    kNotEqual,
};

// Registration marks the descriptor that stands for an operator's text ("+", "<" ...).
void markIntegerOperator(const tProcDesc* descriptor, const char* text);

tIntegerOperator integerOperatorOf(const tProcDesc* descriptor);

// The result of `a op b` as a new value, or null when it does not fit an integer.
tlogoobject* applyIntegerOperator(tIntegerOperator op, int32_t a, int32_t b);

// Any of the operators with a word, an integer or a real as its left operand (the receiver)
// and any right operand: the value the receiver's own method gives, reached without the method
// table. Fails as that method does.
tlogoobject* applyWordOperator(tIntegerOperator op, tlogoobject& left, tlogoobject& right);
