#pragma once

#include <cstdint>
#include <string_view>

class tlogoobject;
class tmultiobject;

// Whether the reader takes the text as one name (not a number, a list or several words).
bool isVariableName(std::string_view text);

// The value of the object's variable of that code along its variable chain (a property through
// its getter); erNoVal with the name when no table of the chain has it. Floating result.
tlogoobject* objectVariableValue(tmultiobject& object, uint32_t code);
// Assigns the variable found along the chain (a property through its setter); erUndefObjVar
// with the name when there is none.
void assignObjectVariable(tmultiobject& object, uint32_t code, tlogoobject* value);

enum class tVariableSharing {
    kOwn,     // a class's dependents get copies of their own
    kCommon,  // dependents share the class's variable through their chains
};

// Gives the object a variable of its own. A variable that is new gets a getter procedure under
// its name and a setter under the setter form (not for names that read as numbers, not over
// names the object already answers to). A name the reader would not take fails erWrongVarName.
void giveOwnVariable(tmultiobject& object, uint32_t code, tlogoobject* value, tVariableSharing sharing);

// Hands property and accessor reads and writes to the object model.
void installObjectVariableHooks();
