#include "objects/currentObject.h"

#include "interpreter/tProcessContext.h"
#include "objects/tmultiobject.h"
#include "values/eLogoException.h"

tmultiobject& currentObject()
{
    tProcessContext* context = currentContext();
    if (!context || !context->currentObject) throw eLogoException(erNamedObject);
    return *static_cast<tmultiobject*>(context->currentObject);
}
