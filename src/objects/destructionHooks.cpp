#include "objects/destructionHooks.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<tDestructionHook>& hooks()
{
    static std::vector<tDestructionHook> registered;
    return registered;
}

}  // namespace

void addDestructionHook(tDestructionHook hook)
{
    if (std::find(hooks().begin(), hooks().end(), hook) == hooks().end()) hooks().push_back(hook);
}

void runDestructionHooks(tmultiobject& object)
{
    for (tDestructionHook hook : hooks()) hook(object);
}
