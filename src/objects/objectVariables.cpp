#include "objects/objectVariables.h"

#include "language/Language.h"
#include "objects/currentObject.h"
#include "objects/propertyVariables.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/objectContextHooks.h"
#include "values/tLogoTokenizer.h"
#include "values/tPseudoVarDesc.h"
#include "values/tVariableProcDesc.h"

namespace {

bool readsAsNumber(std::string_view text)
{
    tLogoTokenizer tokens(text);
    return tokens.Next() == tLogoTokenizer::kNumber && tokens.Next() == tLogoTokenizer::kEnd;
}

bool answersTo(tmultiobject& object, uint32_t code)
{
    int level = 0;
    return object.LookupMethod(code, level) != nullptr;
}

void addAccessors(tmultiobject& object, uint32_t code)
{
    const std::string name = codeName(code);
    if (readsAsNumber(name)) return;
    if (!answersTo(object, code)) object.procTable->PutEntry(new tGetFunc(code, code));
    const uint32_t setter = setterCode(name);
    if (!answersTo(object, setter)) object.procTable->PutEntry(new tSetFunc(setter, code));
}

// Dependents that live inside the object share its variables through their place instead.
void copyToDependents(tmultiobject& object, uint32_t code, tlogoobject* value)
{
    for (tmultiobject* dependent : std::vector<tmultiobject*>(object.dependents)) {
        if (dependent->place == &object || !dependent->varTable || dependent->varTable->Lookup(code)) continue;
        dependent->varTable->Define(code, value, 0);
        copyToDependents(*dependent, code, value);
    }
}

void markCurrentProperties(const uint32_t* codes, int count)
{
    clearAutomaticMarks(currentObject(), std::vector<uint32_t>(codes, codes + count));
}

}  // namespace

bool isVariableName(std::string_view text)
{
    tLogoTokenizer tokens(text);
    tLogoTokenizer::Kind kind = tokens.Next();
    if (kind == tLogoTokenizer::kNumber) return tokens.Next() == tLogoTokenizer::kEnd;
    return kind == tLogoTokenizer::kWord && tokens.text() == text && tokens.Next() == tLogoTokenizer::kEnd;
}

tlogoobject* objectVariableValue(tmultiobject& object, uint32_t code)
{
    tLogoVarDesc* entry = object.FindVariable(code);
    if (!entry) throw eLogoException(erNoVal, tCulpritName{code});
    return entry->Value();
}

void assignObjectVariable(tmultiobject& object, uint32_t code, tlogoobject* value)
{
    tLogoVarDesc* entry = object.FindVariable(code);
    if (!entry) throw eLogoException(erUndefObjVar, tCulpritName{code});
    static_cast<tLogoVarTab*>(entry->table)->SetValue(code, value);
}

void giveOwnVariable(tmultiobject& object, uint32_t code, tlogoobject* value, tVariableSharing sharing)
{
    tHeldArgument held(value);
    if (!isVariableName(codeName(code))) throw eLogoException(erWrongVarName, tCulpritName{code});
    const bool existed = object.varTable->Define(code, value, 0);
    if (!existed) addAccessors(object, code);
    if (sharing == tVariableSharing::kOwn && !object.isInstance) copyToDependents(object, code, value);
}

void installObjectVariableHooks()
{
    tObjectContextHooks hooks = objectContextHooks();
    hooks.readVariable = [](uint32_t code) { return objectVariableValue(currentObject(), code); };
    hooks.writeVariable = [](uint32_t code, tlogoobject* value) { assignObjectVariable(currentObject(), code, value); };
    hooks.markPropertiesSet = &markCurrentProperties;
    hooks.readProperty = &readPropertyValue;
    hooks.writeProperty = &writePropertyValue;
    setObjectContextHooks(hooks);
}
