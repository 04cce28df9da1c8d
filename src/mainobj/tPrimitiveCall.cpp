#include "mainobj/tPrimitiveCall.h"

#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"

tPrimitiveCall::tPrimitiveCall(tLogoStack& stack, int n, bool asOperation)
    : stack(stack), asOperation(asOperation), count_(n)
{
    if (n > kInlineInputs) spilled_.reset(new tlogoobject*[n]);
    inputs_ = n > kInlineInputs ? spilled_.get() : inline_;
    int i = n - 1;
    try {
        for (; i >= 0; --i) inputs_[i] = stack.popRaw();
    } catch (...) {
        // The inputs taken so far are ours to let go of: the destructor does not run.
        for (int taken = i + 1; taken < n; ++taken) Release(inputs_[taken]);
        throw;
    }
}

tPrimitiveCall::~tPrimitiveCall()
{
    for (int i = 0; i < count_; ++i) Release(inputs_[i]);
}

int32_t tPrimitiveCall::integer(int i) const { return inputs_[i]->AsInteger(); }

long double tPrimitiveCall::real(int i) const { return inputs_[i]->AsReal(); }

bool tPrimitiveCall::boolean(int i) const { return inputs_[i]->AsBoolean(); }

tLogoList* tPrimitiveCall::list(int i) const
{
    if (!inputs_[i]->IsList()) throw eLogoException(erExpectList, inputs_[i]);
    return static_cast<tLogoList*>(inputs_[i]);
}

const std::string& tPrimitiveCall::word(int i) const
{
    if (!inputs_[i]->IsWord()) throw eLogoException(erExpectWord, inputs_[i]);
    return inputs_[i]->WordText();
}
