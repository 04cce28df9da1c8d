#include "values/objectContextHooks.h"

namespace {
tObjectContextHooks hooks;
}

void setObjectContextHooks(const tObjectContextHooks& newHooks) { hooks = newHooks; }

const tObjectContextHooks& objectContextHooks() { return hooks; }
