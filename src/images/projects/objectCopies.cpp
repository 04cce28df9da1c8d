#include "images/projects/objectCopies.h"

#include <optional>
#include <string>
#include <vector>

#include "images/projects/projectLoading.h"
#include "images/projects/projectSaving.h"
#include "language/tMemoryStream.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/creationList.h"
#include "objects/currentObject.h"
#include "objects/objectList.h"
#include "objects/objectNames.h"
#include "objects/objectProperties.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"
#include "values/tLogoList.h"
#include "values/tLogoRef.h"

namespace {

tmultiobject* objectNamed(tlogoobject* name)
{
    if (auto* object = dynamic_cast<tmultiobject*>(name))
        return object;
    if (!name->IsWord())
        throw eLogoException(erExpectWord, name);
    tmultiobject* found = resolveObjectPath(&currentObject(), name->WordText());
    if (!found)
        throw eLogoException(erNoObject, name);
    return found;
}

// "clone": the object as a project would make it again, with what it holds, beside the
// original; a name in the list names the copy, the other pairs are applied to it afterwards.
tlogoobject* clone(tPrimitiveCall& call)
{
    tmultiobject* original = objectNamed(call[0]);
    if (!call[1]->IsList())
        throw eLogoException(erExpectList, call[1]);
    // A class is the design its instances share: copying one would leave two of the same name.
    if (!original->isInstance)
        throw eLogoException(erBadValue, call[0]);
    tLogoRef<tLogoList> properties = normalizePropertyList(call[1]);
    std::string name;
    if (tLogoRef<tlogoobject> given = propertyPairValue(properties, property::kName, true))
        name = given->WordText();
    tMemoryStream project(objectsProject({original}, name));
    tmultiobject* before = lastObject();
    loadProject(project, {});
    tmultiobject* copy = before ? before->next : firstObject();
    if (!copy)
        throw eLogoException(erNoObjCreated, call[0]);
    applyPropertyPairs(*copy, properties.get());
    return nullptr;
}

constexpr tPrimitiveRow kCopyRows[] = {
    {"clone", 2, kFixedInputs, &clone},
};

}  // namespace

void registerObjectCopyPrimitives(tLogoTab& table) { registerPrimitives(table, kCopyRows); }
