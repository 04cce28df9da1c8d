#include "mainobj/mainPrimitives.h"
#include "mainobj/objectPrimitives.h"

#include "interpreter/tProcessContext.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/objectKinds.h"
#include "objects/objectLifecycle.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/tcontainerobject.h"
#include "processes/tLogoprocess.h"
#include "values/eLogoException.h"
#include "values/eTerminateException.h"
#include "values/tLogoList.h"
#include "values/tLogoStack.h"

// Classes, instances, erasing and behaviours.

namespace {

tmultiobject* currentObject() { return static_cast<tmultiobject*>(currentContext()->currentObject); }

// The nearest object that holds others, from the current object outwards through places.
tcontainerobject& containerHere()
{
    for (tmultiobject* at = currentObject(); at; at = at->place)
        if (auto* container = dynamic_cast<tcontainerobject*>(at)) return *container;
    return *static_cast<tcontainerobject*>(mainObject());
}

// An object named by a word as seen from the current object; erNoObject when there is none.
tmultiobject* namedObject(tlogoobject* name)
{
    if (auto* object = dynamic_cast<tmultiobject*>(name)) return object;
    tmultiobject* found = resolveObjectName(currentObject(), name->NameCode());
    if (!found) throw eLogoException(erNoObject, name);
    return found;
}

// The empty list stands for the main object, and every word of an object kind for the kind's
// class object.
tmultiobject* classNamed(tlogoobject* name)
{
    if (name->IsList() && name->IsEmpty()) return mainObject();
    if (auto* object = dynamic_cast<tmultiobject*>(name)) return object;
    tmultiobject* found = resolveObjectName(currentObject(), kindClassName(name->NameCode()));
    if (!found) throw eLogoException(erNoObject, name);
    return found;
}

// Used where a value is expected, creating outputs the new object; as a command it does not.
tlogoobject* madeObject(const tPrimitiveCall& call, tmultiobject* object) { return call.asOperation ? object : nullptr; }

tlogoobject* newInstance(tPrimitiveCall& call)
{
    tLogoList* properties = call.list(1);
    return madeObject(call, createInstance(containerHere(), classNamed(call[0]), {}, properties, tCreationForm::kNew,
                                           currentObject()));
}

// Objects read back from a project: the list is keyed by property numbers.
tlogoobject* newStored(tPrimitiveCall& call)
{
    tLogoList* properties = call.list(1);
    return madeObject(call, createInstance(containerHere(), classNamed(call[0]), {}, properties,
                                           tCreationForm::kStored, currentObject()));
}

tlogoobject* newobject(tPrimitiveCall& call)
{
    if (call.count() < 1) throw eLogoException(erNotEnoughInputs);
    for (int i = 1; i < call.count(); ++i) call.stack.push(call[i]);
    tLogoRef<tLogoList> properties(tLogoList::ListFromStack(call.stack, call.count() - 1));
    return madeObject(call, createInstance(containerHere(), classNamed(call[0]), {}, properties.get(),
                                           tCreationForm::kNew, currentObject()));
}

tlogoobject* newclass(tPrimitiveCall& call)
{
    tLogoList* properties = call.list(2);
    return madeObject(call, createClass(containerHere(), classNamed(call[0]), call.word(1), properties));
}

void eraseNamed(tlogoobject* name, bool evenClasses)
{
    tmultiobject* object = namedObject(name);
    if (object == mainObject()) throw eLogoException(erNoObject, name);
    eraseObject(object, evenClasses);
}

// A process that has erased the object it runs in ends once the whole erase is done.
void endIfOwnObjectErased()
{
    tLogoprocess* process = tLogoprocess::Current();
    if (process && process->ownObjectDestroyed) throw eTerminateException(0);
}

tlogoobject* eraseobject(tPrimitiveCall& call)
{
    for (int i = 0; i < call.count(); ++i) {
        if (!call[i]->IsList()) {
            eraseNamed(call[i], false);
            continue;
        }
        for (tlogoobject* name : elements(static_cast<tLogoList*>(call[i]))) eraseNamed(name, false);
    }
    endIfOwnObjectErased();
    return nullptr;
}

tlogoobject* erasecomplete(tPrimitiveCall& call)
{
    eraseNamed(call[0], true);
    endIfOwnObjectErased();
    return nullptr;
}

tlogoobject* addBehaviour(tPrimitiveCall& call)
{
    currentObject()->AddBehaviour(namedObject(call[0]), true);
    return nullptr;
}

// Reading a project back restores behaviours without running their handlers.
tlogoobject* addBehaviourQuietly(tPrimitiveCall& call)
{
    currentObject()->AddBehaviour(namedObject(call[0]), false);
    return nullptr;
}

tlogoobject* removeBehaviour(tPrimitiveCall& call)
{
    currentObject()->RemoveBehaviour(namedObject(call[0]), true);
    return nullptr;
}

constexpr tPrimitiveRow kObjectRows[] = {
    {"newobject", 1, kVariableInputs, &newobject},
    {"new", 2, kFixedInputs, &newInstance},
    {".new", 2, kFixedInputs, &newStored},
    {"newclass", 3, kFixedInputs, &newclass},
    {".new.", 2, kFixedInputs, &newStored},
    {"eraseobject", 1, kVariableInputs, &eraseobject},
    {"erasecomplete", 1, kFixedInputs, &erasecomplete},
    {"addBehaviour", 1, kFixedInputs, &addBehaviour},
    {".addbehaviour", 1, kFixedInputs, &addBehaviourQuietly},
    {"removeBehaviour", 1, kFixedInputs, &removeBehaviour},
};

}  // namespace

void registerObjectPrimitives(tLogoTab& table)
{
    registerPrimitives(table, kObjectRows);
    registerEventPrimitives(table);
}
