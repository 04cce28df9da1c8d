#include "mainobj/mainPrimitives.h"

#include "mainobj/objectPrimitives.h"

#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/creationList.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/registration.h"
#include "values/tLogoTab.h"
#include "values/tProcDesc.h"
#include "values/tLogoList.h"
#include "values/tLogoInt.h"
#include "values/tLogoReal.h"
#include "values/tLogoWord.h"
#include "values/valuePools.h"

// Procedure variables: the process's local table, where a name nobody binds is a global.

namespace {

tLogoLocaltab& locals() { return *currentContext()->localTable; }

// A name that is to receive a value: an empty word names nothing.
uint32_t assignedName(tlogoobject* name)
{
    if (!name->IsWord()) throw eLogoException(erExpectWord, name);
    if (name->WordText().empty()) throw eLogoException(erEmptyWord, name);
    return name->NameCode();
}

tlogoobject* make(tPrimitiveCall& call)
{
    locals().Define(assignedName(call[0]), call[1], 0);
    return nullptr;
}

tlogoobject* name(tPrimitiveCall& call)
{
    locals().Define(assignedName(call[1]), call[0], 0);
    return nullptr;
}

tlogoobject* thing(tPrimitiveCall& call) { return locals().GetValue(call[0]->NameCode()); }

tlogoobject* local(tPrimitiveCall& call)
{
    for (int i = call.count() - 1; i >= 0; --i) {
        if (call[i]->IsWord()) {
            locals().AddLocal(call[i]->NameCode(), nullptr);
            continue;
        }
        for (tlogoobject* element : elements(call.list(i))) {
            if (!element->IsWord()) throw eLogoException(erExpectWord, element);
            locals().AddLocal(element->NameCode(), nullptr);
        }
    }
    return nullptr;
}

tlogoobject* let(tPrimitiveCall& call)
{
    for (int i = 0; i < call.count(); ++i) {
        tlogoobject* input = call[i];
        if (input->IsWord()) {
            if (i + 1 >= call.count()) throw eLogoException(erNotEnoughInputs, input);
            locals().SetOrAddLocal(input->NameCode(), call[++i]);
        } else if (input->IsList()) {
            forEachPropertyPair(input, [](tlogoobject* pairName, tlogoobject* value) {
                locals().SetOrAddLocal(pairName->NameCode(), value);
            });
        } else {
            throw eLogoException(erExpectWord, input);
        }
    }
    return nullptr;
}

// "inc" and "dec": one step of one, or of the amount through the number's own arithmetic.
tlogoobject* step(tPrimitiveCall& call, int direction)
{
    if (call.count() == 0) throw eLogoException(erNotEnoughInputs);
    if (call.count() > 2) throw eLogoException(erTooManyInputs, call[2]);
    const uint32_t code = call[0]->NameCode();
    tLogoRef<tlogoobject> value(locals().GetValue(code));
    tLogoRef<tlogoobject> result;
    if (call.count() == 2) {
        if (!value->IsNumber()) throw eLogoException(erExpectNumber, value.get());
        auto* number = static_cast<tLogoWord*>(value.get());
        result = direction > 0 ? number->Add(call[1]) : number->Subtract(call[1]);
    } else if (value->IsInteger()) {
        tLogoRef<tlogoobject> one(NewInteger(1));
        auto* number = static_cast<tLogoWord*>(value.get());
        result = direction > 0 ? number->Add(one.get()) : number->Subtract(one.get());
    } else {
        result = NewReal(value->AsReal() + direction);
    }
    locals().Define(code, result.get(), 0);
    return nullptr;
}

tlogoobject* inc(tPrimitiveCall& call) { return step(call, +1); }
tlogoobject* dec(tPrimitiveCall& call) { return step(call, -1); }

constexpr tPrimitiveRow kVariableRows[] = {
    {"make", 2, kFullInputs, &make},
    {"name_command", 2, kFullInputs, &name},
    {"thing", 1, kFixedInputs, &thing},
    {"local", 1, kVariableInputs, &local},
    {"let", 2, kVariableInputs | kFullInputs, &let},
    {"inc", 1, kVariableInputs, &inc},
    {"dec", 1, kVariableInputs, &dec},
};

}  // namespace

void registerVariablePrimitives(tLogoTab& table)
{
    registerPrimitives(table, kVariableRows);
    for (const std::string& name : registrationNames("make"))
        if (auto* make = static_cast<tProcDesc*>(table.Lookup(nameCode(name)))) make->special = kAssignProc;
    registerObjectVariablePrimitives(table);
    registerAddressingPrimitives(table);
}
