#include "interpreter/ResolutionCache.h"

#include "language/Language.h"

namespace {

// A language switch renumbers names, which changes which chain a name is looked up in.
void listenForLanguageSwitches()
{
    static const bool listening = [] {
        onLanguageSwitched([] { noteNameTablesChanged(); });
        return true;
    }();
    (void)listening;
}

}  // namespace

void rememberResolution(tlogoobject* object, tLogoTab* privateTable, uint32_t code, tCachedResolution answer)
{
    listenForLanguageSwitches();
    resolutionCacheDetail::slotOf(object, code) = {nameTablesGeneration(), object, privateTable, code, answer};
}
