#include "objects/tControlObject.h"

#include "language/Language.h"
#include "values/eLogoException.h"

std::string tControlObject::FullName() const
{
    std::string full = name;
    for (const tmultiobject* at = owner; at;) {
        full = at->name + "'" + full;
        auto* control = dynamic_cast<const tControlObject*>(at);
        at = control ? control->owner : nullptr;
    }
    return full;
}

void tControlObject::Rename(const std::string& newName)
{
    tLogoObjectsTab* table = owner ? owner->Objects() : nullptr;
    uint32_t newCode = nameCode(newName);
    uint32_t oldCode = nameCode(name);
    if (newCode == oldCode) {
        name = newName;
        return;
    }
    if (!table) {
        name = newName;
        return;
    }
    if (table->Lookup(newCode)) throw eLogoException(erObjNameDuplicate, std::string_view(newName));
    // The table's hold keeps the object alive while it changes entries.
    AddRef(this);
    table->EraseIfPresent(oldCode);
    name = newName;
    table->Define(newCode, this, 0);
    Unhold(this);
}
