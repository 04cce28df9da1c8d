#include "objects/tControlObject.h"

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
