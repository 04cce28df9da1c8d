#include "images/projects/ownerEntry.h"

#include "language/Language.h"
#include "objects/tControlObject.h"
#include "values/tLogoVarTab.h"

tTabDesc* ownerEntry(const tmultiobject* object)
{
    auto* control = dynamic_cast<const tControlObject*>(object);
    tLogoObjectsTab* table = control && control->owner ? control->owner->Objects() : nullptr;
    return table ? table->Lookup(nameCode(object->name)) : nullptr;
}
