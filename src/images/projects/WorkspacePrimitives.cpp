#include "images/projects/WorkspacePrimitives.h"

#include <typeinfo>
#include <unordered_set>
#include <vector>

#include "images/projects/currentProject.h"
#include "images/projects/ownerEntry.h"
#include "images/projects/startObjects.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/tlogotable.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/creationList.h"
#include "objects/currentObject.h"
#include "objects/objectLifecycle.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"
#include "values/tLogoVarDesc.h"
#include "values/tProcDesc.h"

// Clearing the workspace for a new piece of work, and marking what a save leaves out.

namespace {

// The codes of the table's entries that pass the test, taken before any is erased.
template <typename Test>
std::vector<uint32_t> entriesWhere(tLogoTab& table, Test test)
{
    std::vector<uint32_t> codes;
    for (tTabDesc* entry = table.first; entry; entry = entry->next)
        if (!(entry->flags & kSystemEntry) && test(*entry))
            codes.push_back(entry->code);
    return codes;
}

// A plain variable a program made, not a property or an object's entry.
bool plainVariable(tTabDesc& entry)
{
    return typeid(entry) == typeid(tLogoVarDesc) || typeid(entry) == typeid(tlogoglobalvardesc);
}

// Every object made after the environment was built goes: the learner's turtles on the first page
// as well as classes and their instances. Destroying one may take others with it, so the list
// is walked again after each.
void eraseMadeObjects()
{
    std::unordered_set<const tmultiobject*> tried;
    for (;;) {
        tmultiobject* victim = nullptr;
        for (tmultiobject* object = firstObject(); object && !victim; object = object->next)
            if (object != mainObject() && !isStartObject(object) && !tried.count(object))
                victim = object;
        if (!victim)
            return;
        tried.insert(victim);
        tLogoRef<tmultiobject> held(victim);
        destroyObject(victim);
    }
}

}  // namespace

void eraseWorkspace()
{
    eraseMadeObjects();
    tMainLogoObject& main = mainLogoObject();
    // The procedure that called "eraseall" may still be running; it stays until it ends.
    for (uint32_t code : entriesWhere(*main.procTable, [](tTabDesc& entry) {
             return isUserProcedure(entry) && static_cast<tProcDesc&>(entry).IsAvailable(true);
         }))
        main.EraseProcedure(code);
    for (uint32_t code : entriesWhere(*main.globalVarTable, plainVariable))
        main.globalVarTable->Erase(code);
    main.propertyStore = std::make_unique<tlogotable>();
    setCurrentProjectFile("");
}

namespace {

tlogoobject* eraseall(tPrimitiveCall&)
{
    eraseWorkspace();
    return nullptr;
}

// Marks own entries of the current object, named by a word or a list, to be left out of saves.
void markNotSaved(tLogoTab& table, tlogoobject* names, errorConst missing)
{
    std::vector<tlogoobject*> words;
    if (names->IsList()) {
        for (tlogoobject* name : elements(static_cast<tLogoList*>(names)))
            words.push_back(name);
    } else {
        words.push_back(names);
    }
    for (tlogoobject* name : words) {
        if (!name->IsWord())
            throw eLogoException(erExpectWord, name);
        tTabDesc* entry = table.Lookup(name->NameCode());
        if (!entry)
            throw eLogoException(missing, name);
        entry->flags = static_cast<uint8_t>(entry->flags | kNotSaved);
    }
}

tlogoobject* donotsaveproc(tPrimitiveCall& call)
{
    markNotSaved(*currentObject().procTable, call[0], erDoNotKnowHowTo);
    return nullptr;
}

// ".donotsave": the named objects (seen from the current object) and what they hold are left
// out of full saves.
tlogoobject* donotsave(tPrimitiveCall& call)
{
    forEachName(call[0], [](tlogoobject* name) {
        tmultiobject* object = dynamic_cast<tmultiobject*>(name);
        if (!object && name->IsWord())
            object = resolveObjectPath(&currentObject(), name->WordText());
        tTabDesc* entry = object ? ownerEntry(object) : nullptr;
        if (!entry)
            throw eLogoException(erNoObject, name);
        entry->flags = static_cast<uint8_t>(entry->flags | kNotSaved);
    });
    return nullptr;
}

// The variables a program makes here: the globals in the main object, else the object's own.
tLogoVarTab& ownVariables()
{
    tmultiobject& here = currentObject();
    if (&here == mainObject())
        return *mainLogoObject().globalVarTable;
    return *here.varTable;
}

tlogoobject* donotsavevar(tPrimitiveCall& call)
{
    markNotSaved(ownVariables(), call[0], erNoVal);
    return nullptr;
}

tlogoobject* donotsaveallvars(tPrimitiveCall&)
{
    tLogoTab& table = ownVariables();
    for (tTabDesc* entry = table.first; entry; entry = entry->next)
        if (plainVariable(*entry))
            entry->flags = static_cast<uint8_t>(entry->flags | kNotSaved);
    return nullptr;
}

// The current object takes the properties and own variables of a list written as for "new".
tlogoobject* setstate(tPrimitiveCall& call)
{
    applyPropertyPairs(currentObject(), normalizePropertyList(call[0]).get());
    return nullptr;
}

constexpr tPrimitiveRow kWorkspaceRows[] = {
    {"eraseall", 0, kFixedInputs, &eraseall},
    {".donotsave", 1, kFixedInputs, &donotsave},
    {".donotsaveproc", 1, kFixedInputs, &donotsaveproc},
    {".donotsavevar", 1, kFixedInputs, &donotsavevar},
    {".donotsaveallvars", 0, kFixedInputs, &donotsaveallvars},
    {"setstate", 1, kFixedInputs, &setstate},
    {".setstate", 1, kFixedInputs, &setstate},
};

}  // namespace

void registerWorkspacePrimitives(tLogoTab& table) { registerPrimitives(table, kWorkspaceRows); }
