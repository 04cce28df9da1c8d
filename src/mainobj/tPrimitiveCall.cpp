#include "mainobj/tPrimitiveCall.h"

#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"

tPrimitiveCall::tPrimitiveCall(tLogoStack& stack, int n, bool asOperation)
    : stack(stack), asOperation(asOperation), count_(n)
{
    if (n > kInlineInputs) spilled_.resize(n);
    inputs_ = n > kInlineInputs ? spilled_.data() : inline_;
    for (int i = n - 1; i >= 0; --i) inputs_[i] = tLogoRef<tlogoobject>::adopt(stack.popRaw());
}

int32_t tPrimitiveCall::integer(int i) const { return inputs_[i]->AsInteger(); }

long double tPrimitiveCall::real(int i) const { return inputs_[i]->AsReal(); }

bool tPrimitiveCall::boolean(int i) const { return inputs_[i]->AsBoolean(); }

tLogoList* tPrimitiveCall::list(int i) const
{
    if (!inputs_[i]->IsList()) throw eLogoException(erExpectList, inputs_[i].get());
    return static_cast<tLogoList*>(inputs_[i].get());
}

const std::string& tPrimitiveCall::word(int i) const
{
    if (!inputs_[i]->IsWord()) throw eLogoException(erExpectWord, inputs_[i].get());
    return inputs_[i]->WordText();
}
