#include "objects/tcontainerobject.h"

#include "language/Language.h"

tcontainerobject::tcontainerobject(tLogoStack* stack, std::string name, int parentCount)
    : tcontainingcontrol(stack, std::move(name), parentCount), objects(std::make_unique<tLogoObjectsTab>(this))
{
}

tcontainerobject::~tcontainerobject() = default;

void tcontainerobject::Register(tControlObject* object)
{
    objects->Define(nameCode(object->name), object, 0);
    object->owner = this;
}

tmultiobject* tcontainerobject::FindOwn(uint32_t code)
{
    tTabDesc* entry = objects->Lookup(code);
    return entry ? static_cast<tmultiobject*>(entry->Value()) : nullptr;
}
