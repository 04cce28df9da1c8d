#include "mainobj/system/systemPrimitives.h"

#include "interpreter/tLogoLocaltab.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/activeToolButton.h"
#include "objects/currentObject.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Questions about the names of the workspace and the lists of them, seen from the current
// object.

namespace {

// The code of a name already known; 0 (which no table holds) for a name never seen.
uint32_t knownCode(tPrimitiveCall& call) { return findCode(call.word(0)); }

tTabDesc* firstInChain(const std::vector<tLogoTab*>& chain, uint32_t code)
{
    for (tLogoTab* table : chain)
        if (tTabDesc* entry = table->Lookup(code)) return entry;
    return nullptr;
}

tlogoobject* namep(tPrimitiveCall& call)
{
    const uint32_t code = knownCode(call);
    return NewBoolean(code && currentContext()->localTable->FindValue(code));
}

tlogoobject* userProcedure(tTabDesc* entry, bool user) { return NewBoolean(entry && isUserProcedure(*entry) == user); }

tlogoobject* definedp(tPrimitiveCall& call)
{
    return userProcedure(firstInChain(currentObject().procChain, knownCode(call)), true);
}

tlogoobject* primitivep(tPrimitiveCall& call)
{
    return userProcedure(firstInChain(currentObject().procChain, knownCode(call)), false);
}

tlogoobject* mydefinedp(tPrimitiveCall& call)
{
    return userProcedure(currentObject().procTable->Lookup(knownCode(call)), true);
}

tlogoobject* myprimitivep(tPrimitiveCall& call)
{
    return userProcedure(currentObject().procTable->Lookup(knownCode(call)), false);
}

tlogoobject* objnamep(tPrimitiveCall& call) { return NewBoolean(currentObject().FindVariable(knownCode(call))); }

tlogoobject* myobjnamep(tPrimitiveCall& call)
{
    return NewBoolean(currentObject().varTable->Lookup(knownCode(call)));
}

// The object a name stands for here; none when it names none (a special name without referent
// included: the question is answered, not failed).
tmultiobject* objectNamed(tPrimitiveCall& call)
{
    if (auto* object = dynamic_cast<tmultiobject*>(call[0])) return object;
    const uint32_t code = knownCode(call);
    if (!code) return nullptr;
    try {
        return resolveObjectName(&currentObject(), code);
    } catch (const eLogoException&) {
        return nullptr;
    }
}

tlogoobject* isp(tPrimitiveCall& call)
{
    tmultiobject* named = objectNamed(call);
    for (tmultiobject* at = &currentObject(); named && at; at = at->FirstParent())
        if (at == named) return NewBoolean(true);
    return NewBoolean(false);
}

tlogoobject* objectp(tPrimitiveCall& call) { return NewBoolean(objectNamed(call)); }

tlogoobject* classp(tPrimitiveCall& call)
{
    tmultiobject* named = objectNamed(call);
    return NewBoolean(named && !named->isInstance);
}

tlogoobject* parentp(tPrimitiveCall&) { return NewBoolean(currentObject().FirstParent()); }

tlogoobject* activetoolbuttonp(tPrimitiveCall&) { return NewBoolean(activeToolButton()); }

tlogoobject* names(tPrimitiveCall&) { return listedNames(*mainLogoObject().globalVarTable); }

tlogoobject* variables(tPrimitiveCall&) { return listedNames(*currentObject().varTable); }

tlogoobject* procs(tPrimitiveCall&) { return listedNames(*currentObject().procTable, &isUserProcedure); }

tlogoobject* objects(tPrimitiveCall&)
{
    tLogoObjectsTab* table = currentObject().Objects();
    return table ? listedNames(*table) : new tLogoList;
}

// The names of the objects of the global list that pass the test, in creation order.
template <class Test>
tlogoobject* objectNames(Test test)
{
    tListBuilder list;
    for (tmultiobject* object = firstObject(); object; object = object->next)
        if (test(*object)) list.Append(NewLiteralWord(object->name));
    return list.Take();
}

tlogoobject* allObjects(tPrimitiveCall&)
{
    return objectNames([](tmultiobject&) { return true; });
}

tlogoobject* descendants(tPrimitiveCall&)
{
    tmultiobject* here = &currentObject();
    return objectNames([here](tmultiobject& object) { return object.FirstParent() == here; });
}

bool isBehaviourOf(const tmultiobject& object, const tmultiobject* behaviour)
{
    for (size_t i = 1; i < object.parents.size(); ++i)
        if (object.parents[i] == behaviour) return true;
    return false;
}

tlogoobject* mybehaviours(tPrimitiveCall&)
{
    const tmultiobject& here = currentObject();
    tListBuilder list;
    for (size_t i = 1; i < here.parents.size(); ++i) list.Append(NewLiteralWord(here.parents[i]->name));
    return list.Take();
}

tlogoobject* behaviourof(tPrimitiveCall&)
{
    tmultiobject* here = &currentObject();
    return objectNames([here](tmultiobject& object) { return isBehaviourOf(object, here); });
}

constexpr tPrimitiveRow kWorkspaceQueryRows[] = {
    {"name?", 1, kFixedInputs, &namep},
    {"defined?", 1, kFixedInputs, &definedp},
    {"primitive?", 1, kFixedInputs, &primitivep},
    {"objname?", 1, kFixedInputs, &objnamep},
    {"myobjname?", 1, kFixedInputs, &myobjnamep},
    {"mydefined?", 1, kFixedInputs, &mydefinedp},
    {"myprimitive?", 1, kFixedInputs, &myprimitivep},
    {"is?", 1, kFixedInputs, &isp},
    {"object?", 1, kFixedInputs, &objectp},
    {"class?", 1, kFixedInputs, &classp},
    {"parent?", 0, kFixedInputs, &parentp},
    {"activetoolbutton?", 0, kFixedInputs, &activetoolbuttonp},
    {"names", 0, kFixedInputs, &names},
    {"variables", 0, kFixedInputs, &variables},
    {"procs", 0, kFixedInputs, &procs},
    {"objects", 0, kFixedInputs, &objects},
    {".objects", 0, kFixedInputs, &allObjects},
    {"descendants", 0, kFixedInputs, &descendants},
    {"mybehaviours", 0, kFixedInputs, &mybehaviours},
    {"behaviourof", 0, kFixedInputs, &behaviourof},
};

}  // namespace

void registerWorkspaceQueries(tLogoTab& table) { registerPrimitives(table, kWorkspaceQueryRows); }
