#include "mainobj/system/systemPrimitives.h"

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/listingSwitches.h"
#include "mainobj/system/workspaceNames.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/currentObject.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

// Burying and hiding names, so that the listing primitives leave them out.

namespace {

bool isMain(const tmultiobject& object) { return &object == &mainLogoObject(); }

// The current object's own tables, the main object's with the global variables; its property
// groups are buried with its names.
std::vector<tLogoTab*> ownTables(tmultiobject& object)
{
    std::vector<tLogoTab*> tables = {object.procTable.get(), object.varTable.get()};
    if (object.eventTable) tables.push_back(object.eventTable.get());
    if (isMain(object)) tables.push_back(mainLogoObject().globalVarTable.get());
    return tables;
}

// Sets or clears the flag on every own entry of the name (and the main object's group of that
// name for the buried mark); a name found nowhere fails as a missing procedure.
void markName(tlogoobject* name, uint8_t flag, bool on)
{
    if (!name->IsWord()) throw eLogoException(erExpectWord, name);
    const std::string& text = name->WordText();
    tmultiobject& here = currentObject();
    bool found = false;
    for (tLogoTab* table : ownTables(here))
        if (tTabDesc* entry = table->Lookup(findCode(text))) {
            entry->flags = static_cast<uint8_t>(on ? entry->flags | flag : entry->flags & ~flag);
            found = true;
        }
    if (flag == kNeverListed && isMain(here))
        if (tTableGroup* group = mainLogoObject().propertyStore->Find(text)) {
            group->buried = on;
            found = true;
        }
    if (!found) throw eLogoException(erDoNotKnowHowTo, name);
}

tlogoobject* bury(tPrimitiveCall& call)
{
    forEachName(call[0], [](tlogoobject* name) { markName(name, kNeverListed, true); });
    return nullptr;
}

tlogoobject* unbury(tPrimitiveCall& call)
{
    forEachName(call[0], [](tlogoobject* name) { markName(name, kNeverListed, false); });
    return nullptr;
}

tlogoobject* hide(tPrimitiveCall& call)
{
    forEachName(call[0], [](tlogoobject* name) { markName(name, kHidden, true); });
    return nullptr;
}

tlogoobject* buried(tPrimitiveCall&)
{
    tmultiobject& here = currentObject();
    tListBuilder names;
    for (tLogoTab* table : ownTables(here))
        for (tTabDesc* entry = table->first; entry; entry = entry->next)
            if (entry->flags & kNeverListed) names.Append(NewLiteralWord(entry->NameText()));
    if (!isMain(here)) return names.Take();
    tListBuilder groups;
    for (const auto& group : mainLogoObject().propertyStore->Groups())
        if (group->buried) groups.Append(NewLiteralWord(group->name));
    tListBuilder both;
    both.Append(names.Take());
    both.Append(groups.Take());
    return both.Take();
}

tlogoobject* setbury(tPrimitiveCall& call)
{
    setBuriedNamesLeftOut(call.boolean(0));
    return nullptr;
}

constexpr tPrimitiveRow kBuryRows[] = {
    {"bury", 1, kFixedInputs, &bury},
    {"unbury", 1, kFixedInputs, &unbury},
    {"buried", 0, kFixedInputs, &buried},
    {"setbury", 1, kFixedInputs, &setbury},
    {".hide", 1, kFixedInputs, &hide},
};

}  // namespace

void registerBuryPrimitives(tLogoTab& table) { registerPrimitives(table, kBuryRows); }
