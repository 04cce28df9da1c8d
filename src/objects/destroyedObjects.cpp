#include "objects/destroyedObjects.h"

#include <vector>

#include "objects/tmultiobject.h"

namespace {
// Guarded by the interpreter lock, like every count of a Logo value; never destroyed, since
// process threads may still erase objects while the program exits.
std::vector<tmultiobject*>& kept()
{
    static auto* objects = new std::vector<tmultiobject*>;
    return *objects;
}
}  // namespace

void keepUntilCommandEnds(tmultiobject* object) { kept().push_back(static_cast<tmultiobject*>(AddRef(object))); }

void releaseDestroyedObjects()
{
    // Letting one go may destroy more (a class whose last instance this was).
    std::vector<tmultiobject*> doomed;
    doomed.swap(kept());
    for (tmultiobject* object : doomed) Release(object);
}
