#include "mainobj/objectPrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/currentObject.h"
#include "objects/objectVariables.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"

// Object variables: the current object's tables along its variable chain, where a property is
// read and assigned through its getter and setter.

namespace {

uint32_t variableName(tPrimitiveCall& call)
{
    if (call.word(0).empty()) throw eLogoException(erEmptyWord, call[0]);
    return call[0]->NameCode();
}

tlogoobject* set(tPrimitiveCall& call)
{
    assignObjectVariable(currentObject(), variableName(call), call[1]);
    return nullptr;
}

tlogoobject* get(tPrimitiveCall& call) { return objectVariableValue(currentObject(), call[0]->NameCode()); }

tlogoobject* haveown(tPrimitiveCall& call)
{
    giveOwnVariable(currentObject(), variableName(call), call[1], tVariableSharing::kOwn);
    return nullptr;
}

tlogoobject* havecommon(tPrimitiveCall& call)
{
    giveOwnVariable(currentObject(), variableName(call), call[1], tVariableSharing::kCommon);
    return nullptr;
}

constexpr tPrimitiveRow kObjectVariableRows[] = {
    {"set", 2, kFullInputs, &set},
    {"get", 1, kFixedInputs, &get},
    {"haveown", 2, kFullInputs, &haveown},
    {"havecommon", 2, kFullInputs, &havecommon},
};

}  // namespace

void registerObjectVariablePrimitives(tLogoTab& table) { registerPrimitives(table, kObjectVariableRows); }
