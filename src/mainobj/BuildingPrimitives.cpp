#include "mainobj/mainPrimitives.h"

#include <string>
#include <utility>
#include <vector>

#include "interpreter/Evaluator.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/tmultiobject.h"
#include "values/LogoReader.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"
#include "values/tLogoWord.h"
#include "values/tProcDesc.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"
#include "values/wordPieces.h"

// Building words and lists, arithmetic and bit operations over any number of inputs, logic
// and type tests.

namespace {

tlogoobject* word(tPrimitiveCall& call) { return JoinWords(call.inputs()); }

tlogoobject* list(tPrimitiveCall& call)
{
    tListBuilder result;
    for (int i = 0; i < call.count(); ++i) result.Append(call[i]);
    return result.Take();
}

tlogoobject* sentence(tPrimitiveCall& call)
{
    tListBuilder result;
    for (int i = 0; i < call.count(); ++i) {
        if (call[i]->IsList())
            result.AppendAll(static_cast<tLogoList*>(call[i]));
        else
            result.Append(call[i]);
    }
    return result.Take();
}

tlogoobject* equalp(tPrimitiveCall& call)
{
    for (int i = 1; i < call.count(); ++i)
        if (!call[0]->Equals(call[i])) return NewBoolean(false);
    return NewBoolean(true);
}

// The word operations over further inputs take them from the stack, the last input on top.
template <class Operation>
tlogoobject* overFurtherInputs(tPrimitiveCall& call, Operation operation)
{
    for (int i = 1; i < call.count(); ++i) call.stack.push(call[i]);
    return operation(static_cast<tLogoWord*>(call[0]), call.stack, call.count() - 1);
}

// "sum" and "product": numbers through their class's method, lists element-wise as vectors.
template <class WordOperation, class ListOperation>
tlogoobject* arithmetic(tPrimitiveCall& call, int32_t identity, WordOperation wordOperation,
                        ListOperation listOperation)
{
    if (call.count() == 0) return NewInteger(identity);
    if (call[0]->IsNumber()) return overFurtherInputs(call, wordOperation);
    if (!call[0]->IsList()) throw eLogoException(erExpectNumber, call[0]);
    tLogoRef<tlogoobject> total(call[0]);
    for (int i = 1; i < call.count(); ++i) {
        if (!total->IsList()) throw eLogoException(erExpectList, total.get());
        total = listOperation(static_cast<tLogoList*>(total.get()), call[i]);
    }
    tlogoobject* result = total.release();
    Unhold(result);
    return result;
}

tlogoobject* sum(tPrimitiveCall& call)
{
    return arithmetic(
        call, 0, [](tLogoWord* w, tLogoStack& s, int n) { return w->Sum(s, n); },
        [](tLogoList* l, tlogoobject* other) { return l->Add(other); });
}

tlogoobject* product(tPrimitiveCall& call)
{
    return arithmetic(
        call, 1, [](tLogoWord* w, tLogoStack& s, int n) { return w->Product(s, n); },
        [](tLogoList* l, tlogoobject* other) { return l->Multiply(other); });
}

template <class Operation>
tlogoobject* bitOperation(tPrimitiveCall& call, int32_t identity, Operation operation)
{
    if (call.count() == 0) return NewInteger(identity);
    if (!call[0]->IsWord()) throw eLogoException(erMinMax, INT32_MIN, INT32_MAX, call[0]);
    return overFurtherInputs(call, operation);
}

tlogoobject* bitand_(tPrimitiveCall& call)
{
    return bitOperation(call, INT32_MIN, [](tLogoWord* w, tLogoStack& s, int n) { return w->BitAnd(s, n); });
}

tlogoobject* bitor_(tPrimitiveCall& call)
{
    return bitOperation(call, 0, [](tLogoWord* w, tLogoStack& s, int n) { return w->BitOr(s, n); });
}

tlogoobject* bitxor_(tPrimitiveCall& call)
{
    return bitOperation(call, 0, [](tLogoWord* w, tLogoStack& s, int n) { return w->BitXor(s, n); });
}

// A list input is a condition that runs only when its turn comes.
bool truth(tlogoobject* input) { return input->IsList() ? EvaluateCondition(input) : input->AsBoolean(); }

tlogoobject* and_(tPrimitiveCall& call)
{
    for (int i = 0; i < call.count(); ++i)
        if (!truth(call[i])) return NewBoolean(false);
    return NewBoolean(true);
}

tlogoobject* or_(tPrimitiveCall& call)
{
    for (int i = 0; i < call.count(); ++i)
        if (truth(call[i])) return NewBoolean(true);
    return NewBoolean(false);
}

tlogoobject* xor_(tPrimitiveCall& call)
{
    bool odd = false;
    for (int i = 0; i < call.count(); ++i) odd ^= truth(call[i]);
    return NewBoolean(odd);
}

tlogoobject* emptyp(tPrimitiveCall& call) { return NewBoolean(call[0]->IsEmpty()); }
tlogoobject* wordp(tPrimitiveCall& call) { return NewBoolean(call[0]->IsWord()); }
tlogoobject* listp(tPrimitiveCall& call) { return NewBoolean(call[0]->IsList()); }
tlogoobject* imagep(tPrimitiveCall& call) { return NewBoolean(call[0]->IsImage()); }
tlogoobject* numberp(tPrimitiveCall& call) { return NewBoolean(call[0]->IsNumber()); }

tlogoobject* ignore(tPrimitiveCall&) { return nullptr; }

tlogoobject* any(tPrimitiveCall&) { return NewWord(primaryName("any")); }

tlogoobject* text(tPrimitiveCall& call)
{
    if (call[0]->IsList()) {
        tListBuilder result;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(call[0])))
            result.Append(ListFromText(element->PrintText(0), false));
        return result.Take();
    }
    auto* object = static_cast<tmultiobject*>(currentContext()->currentObject);
    tTabDesc* entry = object->procTable->GetEntry(call[0]->NameCode());
    return static_cast<tProcDesc*>(entry)->Body();
}

tlogoobject* parse(tPrimitiveCall& call) { return ListFromText(call[0]->PrintText(1), false); }

tlogoobject* parselines(tPrimitiveCall& call) { return ListFromText(call[0]->PrintText(0), true); }

constexpr tPrimitiveRow kBuildingRows[] = {
    {"word", 2, kVariableInputs, &word},
    {"list", 2, kVariableInputs, &list},
    {"sentence", 2, kVariableInputs, &sentence},
    {"equal?", 2, kVariableInputs, &equalp},
    {"sum", 2, kVariableInputs, &sum},
    {"product", 2, kVariableInputs, &product},
    {"ignore", 1, kVariableInputs, &ignore},
    {"any", 0, kFixedInputs, &any},
    {"bitand", 2, kVariableInputs, &bitand_},
    {"bitor", 2, kVariableInputs, &bitor_},
    {"bitxor", 2, kVariableInputs, &bitxor_},
    {"and", 2, kVariableInputs | kFullInputs, &and_},
    {"or", 2, kVariableInputs | kFullInputs, &or_},
    {"xor", 2, kVariableInputs | kFullInputs, &xor_},
    {"empty?", 1, kFixedInputs, &emptyp},
    {"word?", 1, kFixedInputs, &wordp},
    {"list?", 1, kFixedInputs, &listp},
    {"image?", 1, kFixedInputs, &imagep},
    {"number?", 1, kFixedInputs, &numberp},
    {"text", 1, kFixedInputs, &text},
    {"parse", 1, kFixedInputs, &parse},
    {"parselines", 1, kFixedInputs, &parselines},
};

}  // namespace

void registerBuildingPrimitives(tLogoTab& table) { registerPrimitives(table, kBuildingRows); }
