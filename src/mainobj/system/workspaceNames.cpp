#include "mainobj/system/workspaceNames.h"

#include "interpreter/tLogoProcDesc.h"
#include "mainobj/system/listingSwitches.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/tLogoTab.h"
#include "values/valuePools.h"

bool listed(const tTabDesc& entry)
{
    if ((entry.flags & kNeverListed) && buriedNamesLeftOut()) return false;
    if ((entry.flags & kHidden) && !hiddenNamesShown()) return false;
    return true;
}

tLogoList* listedNames(tLogoTab& table, bool (*filter)(tTabDesc&))
{
    struct tWalk {
        tListBuilder names;
        bool (*filter)(tTabDesc&);
    } walk{{}, filter};
    table.ForEachInOrder(
        [](void* data, tTabDesc* entry) {
            auto& walk = *static_cast<tWalk*>(data);
            if (!listed(*entry) || (walk.filter && !walk.filter(*entry))) return;
            std::string name = entry->NameText();
            if (!name.empty() && name[0] != '@') walk.names.Append(NewLiteralWord(name));
        },
        &walk);
    return walk.names.Take();
}

bool isUserProcedure(tTabDesc& entry) { return dynamic_cast<tLogoProcDesc*>(&entry) != nullptr; }

void forEachName(tlogoobject* input, void (*action)(tlogoobject* name))
{
    if (!input->IsList()) {
        action(input);
        return;
    }
    for (tlogoobject* name : elements(static_cast<tLogoList*>(input))) action(name);
}
