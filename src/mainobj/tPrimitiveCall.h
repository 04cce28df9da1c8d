#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "values/tLogoRef.h"

class tLogoList;
class tLogoStack;

// The inputs of one call of a main-object primitive, taken off the stack in input order and
// held until the call's result has been pushed. The typed getters raise the standard errors,
// so a primitive body stays a few lines.
class tPrimitiveCall {
public:
    tPrimitiveCall(tLogoStack& stack, int n, bool asOperation);
    ~tPrimitiveCall();
    tPrimitiveCall(const tPrimitiveCall&) = delete;
    tPrimitiveCall& operator=(const tPrimitiveCall&) = delete;

    int count() const { return count_; }
    tlogoobject* operator[](int i) const { return inputs_[i]; }
    std::span<tlogoobject* const> inputs() const { return {inputs_, static_cast<size_t>(count_)}; }

    int32_t integer(int i) const;
    long double real(int i) const;
    bool boolean(int i) const;
    // erExpectList with the input when it is not a list.
    tLogoList* list(int i) const;
    // erExpectWord with the input when it is not a word (numbers are words).
    const std::string& word(int i) const;

    tLogoStack& stack;
    const bool asOperation;

private:
    // Most primitives take few inputs: those are held without an allocation. Each input is a
    // counted reference, let go of by the destructor.
    static constexpr int kInlineInputs = 4;
    tlogoobject* inline_[kInlineInputs];
    std::unique_ptr<tlogoobject*[]> spilled_;
    tlogoobject** inputs_;
    int count_;
};
