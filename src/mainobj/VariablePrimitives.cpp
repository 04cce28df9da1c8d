#include "mainobj/mainPrimitives.h"

#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"

// Procedure variables: the process's local table, where a name nobody binds is a global.

namespace {

tLogoLocaltab& locals() { return *currentContext()->localTable; }

tlogoobject* make(tPrimitiveCall& call)
{
    locals().Define(call[0]->NameCode(), call[1], 0);
    return nullptr;
}

tlogoobject* name(tPrimitiveCall& call)
{
    locals().Define(call[1]->NameCode(), call[0], 0);
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

constexpr tPrimitiveRow kVariableRows[] = {
    {"make", 2, kFullInputs, &make},
    {"name_command", 2, kFullInputs, &name},
    {"thing", 1, kFixedInputs, &thing},
    {"local", 1, kVariableInputs, &local},
};

}  // namespace

void registerVariablePrimitives(tLogoTab& table) { registerPrimitives(table, kVariableRows); }
