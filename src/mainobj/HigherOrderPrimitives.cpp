#include "mainobj/mainPrimitives.h"

#include <vector>

#include "interpreter/ProcedureDefinition.h"
#include "interpreter/tProcessContext.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "mainobj/tProcedureArgument.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"
#include "values/tLogoWord.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// "define" and the primitives that call a procedure given as an argument.

namespace {

// Nesting depths name the temporary procedures that are alive at the same time apart.
int applyDepth = 0, mapDepth = 0, filterDepth = 0, generateDepth = 0;

constexpr int kGenerateCap = 10000;

tProcedureArgument::tForm formOf(const tPrimitiveCall& call)
{
    return call.asOperation ? tProcedureArgument::kOperationForm : tProcedureArgument::kCommandForm;
}

tlogoobject* apply(tPrimitiveCall& call)
{
    if (call.count() < 2) throw eLogoException(erNotEnoughInputs);
    if (call.count() > 2) throw eLogoException(erTooManyInputs);
    tLogoList* inputs = call.list(1);
    int m = 0;
    for (tlogoobject* element : elements(inputs)) {
        call.stack.push(element);
        ++m;
    }
    tNestingDepth depth(applyDepth);
    try {
        tProcedureArgument procedure(call[0], m, formOf(call), "apply", depth.value());
        procedure.CheckArity(m, false);
        tLogoRef<tlogoobject> result = procedure.Call(m, call.asOperation);
        return call.asOperation ? handOver(result) : nullptr;
    } catch (...) {
        call.stack.dropN(m);
        throw;
    }
}

// One data input of "map": a list walked cell by cell, or a word walked character by character.
class tMapData {
public:
    explicit tMapData(tlogoobject* data) : data_(data)
    {
        if (data->IsList()) {
            cell_ = static_cast<tLogoList*>(data);
            length_ = cell_->Count();
        } else if (data->IsWord()) {
            length_ = static_cast<int32_t>(data->WordText().size());
        } else {
            throw eLogoException(erExpectList, data);
        }
    }
    int32_t length() const { return length_; }
    tlogoobject* data() const { return data_; }

    // The next element, pushed on the stack.
    void PushNext(tLogoStack& stack)
    {
        if (cell_) {
            stack.push(cell_->first);
            cell_ = cell_->rest;
        } else {
            stack.push(NewLiteralWord(data_->WordText().substr(position_++, 1)));
        }
    }

private:
    tlogoobject* data_;
    tLogoList* cell_ = nullptr;
    size_t position_ = 0;
    int32_t length_ = 0;
};

tlogoobject* map(tPrimitiveCall& call)
{
    if (call.count() < 2) throw eLogoException(erNotEnoughInputs);
    std::vector<tMapData> data;
    for (int i = 1; i < call.count(); ++i) data.emplace_back(call[i]);
    for (const tMapData& each : data)
        if (each.length() != data.front().length()) throw eLogoException(erBadStructure, each.data());
    int k = static_cast<int>(data.size());
    tNestingDepth depth(mapDepth);
    tProcedureArgument procedure(call[0], k, formOf(call), "map", depth.value());
    procedure.CheckArity(k, false);
    tListBuilder results;
    int height = call.stack.height();
    try {
        for (int32_t i = 0; i < data.front().length(); ++i) {
            for (tMapData& each : data) each.PushNext(call.stack);
            tLogoRef<tlogoobject> value = procedure.Call(k, call.asOperation);
            if (call.asOperation) results.Append(value.get());
        }
    } catch (...) {
        call.stack.truncate(height);
        throw;
    }
    return call.asOperation ? results.Take() : nullptr;
}

tlogoobject* filter(tPrimitiveCall& call)
{
    if (!call[1]->IsList()) throw eLogoException(erBadStructure, call[1]);
    tNestingDepth depth(filterDepth);
    tProcedureArgument procedure(call[0], 1, tProcedureArgument::kOperationForm, "filter", depth.value());
    procedure.CheckArity(1, true);
    tListBuilder selected;
    for (tlogoobject* element : elements(static_cast<tLogoList*>(call[1]))) {
        call.stack.push(element);
        if (procedure.Call(1, true)->AsBoolean()) selected.Append(element);
    }
    return selected.Take();
}

bool isEmptyList(tlogoobject* value) { return value->IsList() && value->IsEmpty(); }

tlogoobject* generate(tPrimitiveCall& call)
{
    tlogoobject* limit = call[0];
    tlogoobject* step = call[1];
    if (isEmptyList(limit) || !(limit->IsWord() || limit->IsList())) throw eLogoException(erExpectNumber, limit);
    if (!isEmptyList(step) && !(step->IsWord() || step->IsList())) throw eLogoException(erExpectWord, step);
    tNestingDepth depth(generateDepth);
    int32_t count = kGenerateCap;
    std::unique_ptr<tProcedureArgument> condition;
    if (limit->IsNumber())
        count = std::min(std::max(limit->AsInteger(), 0), kGenerateCap);
    else
        condition = std::make_unique<tProcedureArgument>(limit, 1, tProcedureArgument::kOperationForm, "generate",
                                                         depth.value());
    std::unique_ptr<tProcedureArgument> next;
    if (!isEmptyList(step))
        next = std::make_unique<tProcedureArgument>(step, 1, tProcedureArgument::kOperationForm, "generate",
                                                    depth.value());
    for (tProcedureArgument* procedure : {condition.get(), next.get()})
        if (procedure) procedure->CheckArity(1, true);
    tListBuilder result;
    tLogoRef<tlogoobject> x(call[2]);
    for (int32_t made = 0; made < count; ++made) {
        if (condition) {
            call.stack.push(x.get());
            if (!condition->Call(1, true)->AsBoolean()) break;
        }
        result.Append(x.get());
        if (next) {
            call.stack.push(x.get());
            x = next->Call(1, true);
        }
    }
    return result.Take();
}

tlogoobject* define(tPrimitiveCall& call)
{
    tLogoList* definition = call.list(1);
    if (definition->IsEmpty()) throw eLogoException(erEmptyList, definition);
    auto* object = static_cast<tmultiobject*>(currentContext()->currentObject);
    DefineFromList(*object->procTable, call.word(0), definition);
    return nullptr;
}

constexpr tPrimitiveRow kHigherOrderRows[] = {
    {"define", 2, kFixedInputs, &define},
    {"apply", 2, kVariableInputs, &apply},
    {"map", 2, kVariableInputs, &map},
    {"filter", 2, kFixedInputs, &filter},
    {"generate", 3, kFixedInputs, &generate},
};

}  // namespace

void registerHigherOrderPrimitives(tLogoTab& table) { registerPrimitives(table, kHigherOrderRows); }
