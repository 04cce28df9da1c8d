#include "mainobj/objectPrimitives.h"

#include "mainobj/primitiveTable.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/currentObject.h"
#include "objects/eventNames.h"
#include "objects/objectEvents.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoBool.h"
#include "values/tLogoList.h"
#include "values/valuePools.h"

// Event handlers of the current object: its own table holds what "setevent" stores, and the
// event chain finds what it inherits.

namespace {

// The code an event name is stored under; the empty word names no event.
uint32_t eventNamed(tPrimitiveCall& call)
{
    const std::string& name = call.word(0);
    if (name.empty()) throw eLogoException(erEmptyWord, call[0]);
    return storedEventCode(call[0]->NameCode());
}

tLogoVarDesc* ownEntry(tPrimitiveCall& call)
{
    return static_cast<tLogoVarDesc*>(currentObject().eventTable->Lookup(eventNamed(call)));
}

tLogoVarDesc* requiredOwnEntry(tPrimitiveCall& call)
{
    tLogoVarDesc* entry = ownEntry(call);
    if (!entry) throw eLogoException(erUnDefEvenet, call[0]);
    return entry;
}

tlogoobject* setevent(tPrimitiveCall& call)
{
    const uint32_t code = eventNamed(call);
    currentObject().eventTable->Define(code, call.list(1), 0);
    return nullptr;
}

tlogoobject* eraseevent(tPrimitiveCall& call)
{
    requiredOwnEntry(call);
    currentObject().eventTable->Erase(eventNamed(call));
    return nullptr;
}

// An inherited empty handler is given as it stands: it silences the ones further up.
tlogoobject* event(tPrimitiveCall& call)
{
    tlogoeventdesc* entry = currentObject().FindEventHandler(eventNamed(call));
    if (!entry || !entry->value) throw eLogoException(erUnDefEvenet, call[0]);
    return entry->value;
}

tlogoobject* eventp(tPrimitiveCall& call)
{
    return NewBoolean(eventHandler(currentObject(), eventNamed(call)) != nullptr);
}

tlogoobject* myeventp(tPrimitiveCall& call) { return NewBoolean(ownEntry(call) != nullptr); }

// Listed like the other tables of the object: buried and hidden names as the switches say.
tlogoobject* events(tPrimitiveCall&) { return listedNames(*currentObject().eventTable); }

tlogoobject* runevent(tPrimitiveCall& call)
{
    tmultiobject& object = currentObject();
    runEventInPlace(object, eventNamed(call), object);
    return nullptr;
}

tlogoobject* donotsaveevent(tPrimitiveCall& call)
{
    tLogoVarDesc* entry = requiredOwnEntry(call);
    entry->flags = static_cast<uint8_t>(entry->flags | kNotSaved);
    return nullptr;
}

constexpr tPrimitiveRow kEventRows[] = {
    {"event", 1, kFixedInputs, &event},
    {"setevent", 2, kFixedInputs, &setevent},
    {"eraseevent", 1, kFixedInputs, &eraseevent},
    {"runevent", 1, kFixedInputs, &runevent},
    {"event?", 1, kFixedInputs, &eventp},
    {"myevent?", 1, kFixedInputs, &myeventp},
    {"events", 0, kFixedInputs, &events},
    {".donotsaveevent", 1, kFixedInputs, &donotsaveevent},
};

}  // namespace

void registerEventPrimitives(tLogoTab& table) { registerPrimitives(table, kEventRows); }
