#include "interpreter/objectResolution.h"

namespace {
tObjectResolution installed;
}

void setObjectResolution(const tObjectResolution& resolution) { installed = resolution; }
const tObjectResolution& objectResolution() { return installed; }

tlogoobject* findObject(tlogoobject* from, uint32_t code)
{
    return installed.findObject && from ? installed.findObject(from, code) : nullptr;
}
