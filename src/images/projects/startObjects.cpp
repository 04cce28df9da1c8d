#include "images/projects/startObjects.h"

#include <algorithm>
#include <vector>

#include "images/projects/ownerEntry.h"
#include "language/Language.h"
#include "objects/objectList.h"
#include "objects/tControlObject.h"
#include "values/tLogoTab.h"
#include "values/tLogoRef.h"

namespace {

// Held, so that the address of an erased start object is never taken for a new object's.
std::vector<tLogoRef<tmultiobject>>& startObjects()
{
    static std::vector<tLogoRef<tmultiobject>> objects;
    return objects;
}

}  // namespace

void rememberStartObjects()
{
    auto& objects = startObjects();
    objects.clear();
    for (tmultiobject* object = firstObject(); object; object = object->next)
        objects.emplace_back(object);
}

bool isStartObject(const tmultiobject* object)
{
    const auto& objects = startObjects();
    if (std::any_of(objects.begin(), objects.end(),
                    [&](const tLogoRef<tmultiobject>& start) { return start.get() == object; }))
        return true;
    const tTabDesc* entry = ownerEntry(object);
    return entry && (entry->flags & kSystemEntry);
}
