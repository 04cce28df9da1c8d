#pragma once

#include <cstdint>

#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoRef.h"
#include "values/tLogoStack.h"
#include "values/valuePools.h"

// The N inputs of a fixed-arity call, removed from the stack (first input deepest) and held
// until the call's result has been pushed, so an implementation may return one of them.
template <int N>
struct tPoppedInputs {
    explicit tPoppedInputs(tLogoStack& stack)
    {
        for (int i = N - 1; i >= 0; --i) values[i] = tLogoRef<tlogoobject>::adopt(stack.popRaw());
    }
    tLogoRef<tlogoobject> values[N > 0 ? N : 1];
};

// Result wrapping of the descriptor kinds: "p" passes the value on, "b" wraps a boolean, "i" an
// integer.
inline tlogoobject* wrapResult(tlogoobject* value) { return value; }
inline tlogoobject* wrapResult(bool value) { return NewBoolean(value); }
inline tlogoobject* wrapResult(int32_t value) { return NewInteger(value); }
